// Which program opens a workbook in Calc, by what is installed.

#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include "platform/protocol_viewer.h"

namespace orsvelt {
namespace {

TEST(CalcCommandLine, PrefersSofficeThenLocalcElseNothing) {
  const QString file = QStringLiteral("/tmp/prot_a b.xml");
  struct Case {
    QStringList installed;
    QStringList expected;
  };
  const Case cases[] = {
      {{"soffice", "localc"}, {"/usr/bin/soffice", "--calc", file}},
      {{"soffice"}, {"/usr/bin/soffice", "--calc", file}},
      {{"localc"}, {"/usr/bin/localc", file}},
      {{}, {}},
  };
  for (const Case& c : cases) {
    const QStringList got = CalcCommandLine(file, [&](const QString& name) {
      return c.installed.contains(name) ? "/usr/bin/" + name : QString();
    });
    EXPECT_EQ(got, c.expected) << c.installed.join(",").toStdString();
  }
}

}  // namespace
}  // namespace orsvelt
