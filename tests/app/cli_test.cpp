// The command line as a user meets it: messages, exit codes, files left behind.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

struct CliResult {
  int exitCode = -1;
  std::string out, err;
};

std::string Quote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

CliResult RunCli(const std::string& args) {
  test::TempDir io;
  const std::string cmd = Quote(ORSVELT_CLI) + " " + args + " >" + Quote((io / "out").string()) + " 2>" +
                          Quote((io / "err").string()) + " </dev/null";
  const int status = std::system(cmd.c_str());
  CliResult r;
  r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = test::ReadBytes(io / "out");
  r.err = test::ReadBytes(io / "err");
  return r;
}

CliResult RunOn(const fs::path& report, const std::string& extra = "") {
  return RunCli(extra + " " + Quote(report.string()));
}

const char* const kDecl = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";

TEST(CommandLine, FailureTableMessages) {
  test::TempDir dir;
  test::WriteBytes(dir / "empty.xml", "");
  test::WriteBytes(dir / "garbage.xml", std::string("\x00\x01\xFF\xFEzz\x8F", 7));
  test::WriteCp1251(dir / "truncated.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.02\"><Документ КНД=\"1");
  test::WriteCp1251(dir / "lower.xml", std::string(kDecl) + "<файл ВерсФорм=\"5.02\"><Документ/></файл>");
  test::WriteCp1251(dir / "v503.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.03\"><Документ/></Файл>");
  test::WriteCp1251(dir / "v502blank.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.02 \"><Документ/></Файл>");
  fs::create_directory(dir / "NO_RASCHSV_folder.xml");

  struct Case {
    fs::path path;
    std::string message;
  } cases[] = {
      {dir / "absent.xml", "Выбранный файл отсутствует на диске."},
      {dir / "NO_RASCHSV_folder.xml", "Не удалось прочитать файл."},
      {dir / "empty.xml", "Не удалось разобрать XML-файл."},
      {dir / "garbage.xml", "Не удалось разобрать XML-файл."},
      {dir / "truncated.xml", "Не удалось разобрать XML-файл."},
      {dir / "lower.xml", "Файл не является отчётом в ФНС."},
      {dir / "v503.xml", "Неизвестный формат файла."},
      {dir / "v502blank.xml", "Неизвестный формат файла."},
  };
  for (const auto& c : cases) {
    const CliResult r = RunOn(c.path);
    EXPECT_EQ(r.exitCode, 1) << c.path;
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.message) << c.path;
    EXPECT_TRUE(r.out.empty()) << c.path;
  }
}

TEST(CommandLine, ParseFailureNamesTheReasonOnTheNextLine) {
  test::TempDir dir;
  test::WriteCp1251(dir / "broken.xml", std::string(kDecl) + "<Файл>\n  <Документ>\n</Файл>");
  const CliResult r = RunOn(dir / "broken.xml");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("Не удалось разобрать XML-файл.\nСтрока 4, позиция 3: ", 0), 0u) << r.err;
}

TEST(CommandLine, UnreadableFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  test::TempDir dir;
  test::WriteBytes(dir / "locked.xml", "<a/>");
  fs::permissions(dir / "locked.xml", fs::perms::none);
  const CliResult r = RunOn(dir / "locked.xml");
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.substr(0, r.err.find('\n')), "Не удалось прочитать файл.");
}

// Plain XML that a hand-made reader used to refuse reaches the format check.
TEST(CommandLine, CommentsAndSingleQuotesAreFine) {
  test::TempDir dir;
  test::WriteCp1251(dir / "r.xml", "<?xml version='1.0' encoding='windows-1251'?>\n<!-- выгрузка -->\n"
                                   "<Файл ВерсФорм='4.00'  ИдФайл = 'x'><Документ/></Файл>\n");
  const CliResult r = RunOn(dir / "r.xml");
  EXPECT_EQ(r.err, "Неизвестный формат файла.\n");
}

TEST(CommandLine, HugeAndDeepInputs) {
  test::TempDir dir;
  test::WriteCp1251(dir / "big.xml", "<Файл ВерсФорм=\"5.03\" ИдФайл=\"" + std::string(50u << 20, 'x') +
                                        "\"><Документ/></Файл>");
  EXPECT_EQ(RunOn(dir / "big.xml").err, "Неизвестный формат файла.\n");

  std::string deep = "<Файл ВерсФорм=\"5.02\">";
  for (int i = 0; i < 100000; ++i) deep += "<Документ>";
  for (int i = 0; i < 100000; ++i) deep += "</Документ>";
  deep += "</Файл>";
  test::WriteCp1251(dir / "deep.xml", deep);
  const CliResult r = RunOn(dir / "deep.xml");
  EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << r.exitCode;
}

TEST(CommandLine, Usage) {
  CliResult r = RunCli("");
  EXPECT_EQ(r.exitCode, 2);
  EXPECT_NE(r.err.find("Использование: orsvelt-cli"), std::string::npos);
  r = RunCli("--help");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_NE(r.out.find("--run-stamp"), std::string::npos);
  EXPECT_EQ(RunCli("--format pdf a.xml").exitCode, 2);
  EXPECT_EQ(RunCli("--bogus a.xml").exitCode, 2);
  EXPECT_EQ(RunCli("a.xml b.xml").exitCode, 2);
  EXPECT_EQ(RunCli("--output").exitCode, 2);
}

TEST(CommandLine, FilesWrittenByOthers) {
  ORSVELT_REQUIRE_REFERENCE();
  const fs::path samples = test::ReferenceDir() / "samples";
  EXPECT_EQ(RunOn(samples / "5.01" / "stub_Valid.xml").err, "Файл не является отчётом в ФНС.\n");
  // Mislabelled UTF-8 decodes to nonsense and is refused, never read as a report.
  EXPECT_EQ(RunOn(samples / "5.01" / "stub_utf8_bytes_under_cp1251_declaration.xml").exitCode, 1);
  int later = 0;
  for (const auto& entry : fs::directory_iterator(samples / "later")) {
    EXPECT_EQ(RunOn(entry.path()).err, "Неизвестный формат файла.\n") << entry.path();
    ++later;
  }
  EXPECT_GE(later, 6);
}

}  // namespace
}  // namespace orsvelt
