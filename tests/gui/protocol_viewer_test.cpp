// Which program opens a workbook, by what the desktop offers; nothing is started.

#include <map>

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/protocol_viewer.h"

namespace orsvelt {
namespace {

const QString kFile = QStringLiteral("/tmp/prot_a b.xml");

std::function<QString(const QString&)> InPath(const QStringList& installed) {
  return [installed](const QString& name) { return installed.contains(name) ? "/usr/bin/" + name : QString(); };
}

TEST(CalcCommandLine, PrefersSofficeThenLibreofficeThenLocalcElseNothing) {
  struct Case {
    QStringList installed;
    QStringList expected;
  };
  const Case cases[] = {
      {{"soffice", "libreoffice", "localc"}, {"/usr/bin/soffice", "--calc", kFile}},
      {{"libreoffice", "localc"}, {"/usr/bin/libreoffice", "--calc", kFile}},
      {{"localc"}, {"/usr/bin/localc", kFile}},
      {{}, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(CalcCommandLine(kFile, InPath(c.installed)), c.expected) << c.installed.join(",").toStdString();
}

// A desktop with the given default applications per MIME type and desktop files by id;
// launches are recorded, answered with `starts`.
struct FakeDesktop {
  explicit FakeDesktop(std::map<QString, QString> defaults_ = {}, std::map<QString, QString> entries_ = {},
                       QStringList installed_ = {})
      : defaults(std::move(defaults_)), entries(std::move(entries_)), installed(std::move(installed_)) {}

  std::map<QString, QString> defaults;
  std::map<QString, QString> entries;
  QStringList installed;
  bool starts = true;
  std::vector<QStringList> launched;
  QStringList asked;  // the MIME types queried, in order

  DesktopLookup Lookup() {
    return {[this](const QString& type) {
              asked << type;
              auto it = defaults.find(type);
              return it == defaults.end() ? QString() : it->second;
            },
            [this](const QString& id) {
              auto it = entries.find(id);
              return it == entries.end() ? QString() : it->second;
            },
            InPath(installed),
            [this](const QStringList& command) {
              launched.push_back(command);
              return starts;
            }};
  }
};

const QString kCalcEntry = QStringLiteral("[Desktop Entry]\nName=Calc\nExec=libreoffice --calc %U\n");
const QString kGnumericEntry = QStringLiteral("[Desktop Entry]\nName=Gnumeric\nExec=gnumeric %U\n");
const QString kBrowserEntry =
    QStringLiteral("[Desktop Entry]\nName=Browser\nExec=firefox %u\nCategories=Network;WebBrowser;\n");

TEST(SpreadsheetCommandLine, DesktopsSpreadsheetHandlerElseCalcElseNothing) {
  const QString excel = "application/vnd.ms-excel";
  const QString ods = "application/vnd.oasis.opendocument.spreadsheet";
  struct Case {
    const char* what;
    std::map<QString, QString> defaults;
    QStringList installed;
    QStringList expected;
  };
  const Case cases[] = {
      {"Excel type's handler", {{excel, "gnumeric.desktop"}, {ods, "calc.desktop"}}, {"soffice"}, {"gnumeric", kFile}},
      {"a later spreadsheet type", {{ods, "calc.desktop"}}, {}, {"libreoffice", "--calc", kFile}},
      {"browser registered for Excel files is passed over", {{excel, "browser.desktop"}}, {"localc"},
       {"/usr/bin/localc", kFile}},
      {"handler without a desktop file", {{excel, "gone.desktop"}}, {"soffice"}, {"/usr/bin/soffice", "--calc", kFile}},
      {"no handler, Calc in PATH", {}, {"libreoffice"}, {"/usr/bin/libreoffice", "--calc", kFile}},
      {"no spreadsheet program at all", {}, {}, {}},
  };
  for (const Case& c : cases) {
    FakeDesktop desktop{c.defaults,
                        {{"calc.desktop", kCalcEntry}, {"gnumeric.desktop", kGnumericEntry}, {"browser.desktop", kBrowserEntry}},
                        c.installed};
    EXPECT_EQ(SpreadsheetCommandLine(kFile, desktop.Lookup()), c.expected) << c.what;
    // The handler of ".xml" files is a browser or an editor: never asked.
    EXPECT_FALSE(desktop.asked.contains("application/xml")) << c.what;
    EXPECT_FALSE(desktop.asked.contains("text/xml")) << c.what;
  }
}

#ifndef Q_OS_WIN
TEST(DesktopViewer, ExcelChoiceStartsTheSpreadsheetProgramOrSaysNoneIsThere) {
  FakeDesktop desktop{{{"application/vnd.ms-excel", "calc.desktop"}}, {{"calc.desktop", kCalcEntry}}, {}};
  EXPECT_EQ(DesktopViewer(desktop.Lookup()).OpenInExcel("/tmp/prot_1.xml"), ViewerStart::Started);
  ASSERT_EQ(desktop.launched.size(), 1u);
  EXPECT_EQ(desktop.launched[0], (QStringList{"libreoffice", "--calc", "/tmp/prot_1.xml"}));

  desktop.starts = false;
  EXPECT_EQ(DesktopViewer(desktop.Lookup()).OpenInExcel("/tmp/prot_1.xml"), ViewerStart::Failed);

  FakeDesktop bare;
  EXPECT_EQ(DesktopViewer(bare.Lookup()).OpenInExcel("/tmp/prot_1.xml"), ViewerStart::NotInstalled);
  EXPECT_EQ(DesktopViewer(bare.Lookup()).OpenInCalc("/tmp/prot_1.xml"), ViewerStart::NotInstalled);
  EXPECT_TRUE(bare.launched.empty());
}
#endif

TEST(DesktopViewer, CalcChoiceStartsOnlyLibreOffice) {
  // A desktop default for spreadsheets is not Calc: the user asked for Calc by name.
  FakeDesktop desktop{{{"application/vnd.ms-excel", "gnumeric.desktop"}}, {{"gnumeric.desktop", kGnumericEntry}},
                      {"localc"}};
  EXPECT_EQ(DesktopViewer(desktop.Lookup()).OpenInCalc("/tmp/prot_1.xml"), ViewerStart::Started);
  ASSERT_EQ(desktop.launched.size(), 1u);
  EXPECT_EQ(desktop.launched[0], (QStringList{"/usr/bin/localc", "/tmp/prot_1.xml"}));
}

}  // namespace
}  // namespace orsvelt
