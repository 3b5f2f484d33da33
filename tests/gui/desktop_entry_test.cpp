// The command an application's desktop file starts for a workbook.

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "gui_test_support.h"
#include "platform/desktop_entry.h"

namespace orsvelt {
namespace {

const QString kFile = QStringLiteral("/home/пользователь/Temp dir/prot_1.xml");

QString Entry(const QString& exec) { return "[Desktop Entry]\nType=Application\nName=X\nExec=" + exec + "\n"; }

TEST(DesktopEntryCommandLine, ExpandsTheExecLine) {
  struct Case {
    QString exec;
    QStringList expected;
  };
  const Case cases[] = {
      {"libreoffice --calc %U", {"libreoffice", "--calc", kFile}},
      {"gnumeric %f", {"gnumeric", kFile}},
      {"/opt/office/calc", {"/opt/office/calc", kFile}},  // no place for the file: appended
      {"calc %F %U", {"calc", kFile}},                    // one file, however many places
      {"calc %i %c %k --view %U", {"calc", "--view", kFile}},
      {"calc --ratio=100%% %u", {"calc", "--ratio=100%", kFile}},
      {"\"/opt/My Office/calc\" %U", {"/opt/My Office/calc", kFile}},
      {"env \"A=x\\\\\"y\" calc %f", {"env", "A=x\"y", "calc", kFile}},  // \\" in the file is an escaped quote
      {"calc\\sfast %f", {"calc", "fast", kFile}},                       // \s is a blank, so it splits
      {"  calc   %f  ", {"calc", kFile}},
      {"", {}},
      {"%i", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(DesktopEntryCommandLine(Entry(c.exec), kFile), c.expected) << c.exec.toStdString();
}

TEST(DesktopEntryCommandLine, RefusesEntriesThatCannotShowAWorkbook) {
  const QString calc = QStringLiteral("Exec=calc %U\n");
  struct Case {
    const char* what;
    QString entry;
  };
  const Case cases[] = {
      {"hidden", "[Desktop Entry]\nHidden=true\n" + calc},
      {"web browser", "[Desktop Entry]\nCategories=Network;WebBrowser;\n" + calc},
      {"Exec only in an action", "[Desktop Entry]\nName=X\n[Desktop Action new]\n" + calc},
      {"no group", calc},
      {"empty", ""},
      {"garbage", QString::fromUtf8("\x01\x02[Desktop Entry\n=\n==\nExec")},
  };
  for (const Case& c : cases) EXPECT_TRUE(DesktopEntryCommandLine(c.entry, kFile).isEmpty()) << c.what;
  // The main group counts, not an action's Exec after it.
  EXPECT_EQ(DesktopEntryCommandLine("# c\n[Desktop Entry]\r\nExec=calc %f\r\n[Desktop Action x]\nExec=other\n", kFile),
            (QStringList{"calc", kFile}));
}

}  // namespace
}  // namespace orsvelt
