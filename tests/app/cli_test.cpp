// The command line as a user meets it: messages, exit codes, files left behind.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "markup/file_size_text.h"
#include "markup/program_constants.h"
#include "support/test_support.h"
#include "xml/codepage.h"

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

// A protocol written to the default place lands in the call's own temporary folder.
CliResult RunCli(const std::string& args) {
  test::TempDir io;
  const std::string cmd = "TMPDIR=" + Quote(io.path().string()) + " " + Quote(ORSVELT_CLI) + " " + args + " >" + Quote((io / "out").string()) + " 2>" +
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
  test::WriteCp1251(dir / "v509.xml", std::string(kDecl) + "<Файл ВерсФорм=\"5.09\"><Документ/></Файл>");
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
      {dir / "v509.xml", "Неизвестный формат файла."},
      {dir / "v502blank.xml", "Неизвестный формат файла."},
  };
  for (const auto& c : cases) {
    const CliResult r = RunOn(c.path);
    EXPECT_EQ(r.exitCode, 1) << c.path;
    EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.message) << c.path;
    EXPECT_TRUE(r.out.empty()) << c.path;
  }
  EXPECT_EQ(RunOn(dir / "absent.xml").err, "Выбранный файл отсутствует на диске.\n" + (dir / "absent.xml").string() + "\n");
  EXPECT_EQ(RunOn(dir / "v509.xml").err,
            "Неизвестный формат файла.\nВ файле указана версия формата \"5.09\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08.\n");
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
  EXPECT_EQ(r.err, "Неизвестный формат файла.\n"
                   "В файле указана версия формата \"4.00\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08.\n");
}

TEST(CommandLine, HugeAndDeepInputs) {
  test::TempDir dir;
  test::WriteCp1251(dir / "big.xml", "<Файл ВерсФорм=\"5.09\" ИдФайл=\"" + std::string(50u << 20, 'x') +
                                        "\"><Документ/></Файл>");
  EXPECT_EQ(RunOn(dir / "big.xml").err,
            "Неизвестный формат файла.\n"
            "В файле указана версия формата \"5.09\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08.\n");

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
  EXPECT_NE(r.out.find("--version"), std::string::npos);
  EXPECT_NE(r.out.find("--format=html"), std::string::npos);
  EXPECT_EQ(RunCli("--format pdf a.xml").exitCode, 2);
  EXPECT_EQ(RunCli("--bogus a.xml").exitCode, 2);
  EXPECT_EQ(RunCli("a.xml b.xml").exitCode, 2);
  EXPECT_EQ(RunCli("--output").exitCode, 2);
}

fs::path Example502() {
  return test::ExamplesDir() / "5.02" /
         "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
}
const std::string kStamp = "--run-stamp '21.07.2020 10:15:00' ";

TEST(CommandLine, NeverWritesOverTheCheckedReports) {
  test::TempDir dir;
  fs::copy(test::ExamplesDir() / "5.02", dir / "r");
  const fs::path report = dir / "r" / Example502().filename();
  const fs::path earlier =
      dir / "r" / "NO_RASCHSV_7707_7707_7707123458770701001_20200424_3f2a7c1e-5b8d-4e6a-9c0f-1d2e3f4a5b6c.xml";
  const std::string reportBytes = test::ReadBytes(report), earlierBytes = test::ReadBytes(earlier);
  for (const fs::path& output : {report, dir / "r" / "." / report.filename(), earlier}) {
    const CliResult r = RunOn(report, "--format html --output " + Quote(output.string()));
    EXPECT_EQ(r.exitCode, 1) << output;
    EXPECT_TRUE(r.out.empty()) << output;
    EXPECT_EQ(r.err.rfind("Протокол не записан: указанный файл - это ", 0), 0u) << r.err;
    EXPECT_TRUE(r.err.ends_with("\n" + output.string() + "\n")) << r.err;
  }
  EXPECT_EQ(test::ReadBytes(report), reportBytes);
  EXPECT_EQ(test::ReadBytes(earlier), earlierBytes);
}

TEST(CommandLine, OptionSpellings) {
  test::TempDir dir;
  const CliResult plain = RunOn(Example502(), kStamp + "--format html --output " + Quote((dir / "a.html").string()));
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const std::string html = test::ReadBytes(dir / "a.html");
  for (const std::string& call : {"--format=html --output=" + Quote((dir / "b.html").string()),
                                  "--format HTML --output " + Quote((dir / "b.html").string()),
                                  "--format=Html --output " + Quote((dir / "b.html").string())}) {
    const CliResult r = RunOn(Example502(), kStamp + call);
    EXPECT_EQ(r.exitCode, 0) << call << r.err;
    EXPECT_EQ(r.err, "Размер протокола: " + FileSizeText(html.size()) + "\n") << call;
    EXPECT_EQ(test::ReadBytes(dir / "b.html"), html) << call;
  }
  const CliResult xml = RunOn(Example502(), "--run-stamp='21.07.2020 10:15:00' --format=XML --output=" +
                                                Quote((dir / "c.xml").string()));
  EXPECT_EQ(xml.exitCode, 0) << xml.err;
  EXPECT_NE(test::ReadBytes(dir / "c.xml").find("<Workbook"), std::string::npos);
  EXPECT_EQ(RunCli("--help=yes").exitCode, 2);
  EXPECT_EQ(RunCli("--output= a.xml").exitCode, 2);
  EXPECT_EQ(RunCli("--format=pdf a.xml").exitCode, 2);
}

TEST(CommandLine, ProgressGoesOnlyToATerminalAndQuietSilencesIt) {
  EXPECT_NE(RunCli("--help").out.find("--quiet"), std::string::npos);
  EXPECT_EQ(RunCli("--quiet=yes a.xml").exitCode, 2);
  test::TempDir dir;
  // Standard error is a file here: no progress text, only the protocol's size, which --quiet
  // silences too.
  for (const std::string quiet : {"", "--quiet "}) {
    const CliResult r = RunOn(Example502(), kStamp + quiet + "--output " + Quote((dir / "a.xml").string()));
    EXPECT_EQ(r.exitCode, 0) << quiet << r.err;
    if (quiet.empty())
      EXPECT_TRUE(r.err.starts_with("Размер протокола: ") && r.err.find('\r') == std::string::npos) << r.err;
    else
      EXPECT_EQ(r.err, "");
    EXPECT_TRUE(fs::is_regular_file(dir / "a.xml"));
  }
  if (std::system("command -v script >/dev/null 2>&1") != 0) GTEST_SKIP() << "no script(1) to lend a terminal";
  // Under a terminal: one line rewritten with CR and cleared at the end; --quiet prints none.
  const auto onTerminal = [&](const std::string& extra) {
    const std::string inner = Quote(ORSVELT_CLI) + " " + kStamp + extra + "--output " +
                              Quote((dir / "t.xml").string()) + " " + Quote(Example502().string()) + " >/dev/null";
    const std::string cmd = "script -qec " + Quote(inner) + " /dev/null >" + Quote((dir / "tty").string()) +
                            " 2>&1 </dev/null";
    EXPECT_EQ(std::system(cmd.c_str()), 0) << cmd;
    return test::ReadBytes(dir / "tty");
  };
  const std::string shown = onTerminal("");
  EXPECT_NE(shown.find("\r\033[KЧтение расчёта"), std::string::npos) << shown;
  EXPECT_NE(shown.find("Обработка застрахованных лиц: 4 из 4"), std::string::npos) << shown;
  // The line is cleared before the protocol's size is printed.
  EXPECT_NE(shown.find("\r\033[KРазмер протокола: "), std::string::npos) << shown;
  EXPECT_EQ(onTerminal("--quiet "), "");
}

TEST(CommandLine, OutputFolderTakesTheProtocolUnderItsUsualName) {
  test::TempDir dir;
  const CliResult r = RunOn(Example502(), kStamp + "--format html --output " + Quote(dir.path().string()));
  ASSERT_EQ(r.exitCode, 0) << r.err;
  const fs::path expected =
      dir / "prot_21.07.2020_10-15-00_NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.html";
  // Standard output is the path alone, for scripts; the size goes to standard error.
  EXPECT_EQ(r.out, expected.string() + "\n");
  EXPECT_TRUE(fs::is_regular_file(expected));
  EXPECT_EQ(r.err, "Размер протокола: " + FileSizeText(fs::file_size(expected)) + "\n");
}

TEST(CommandLine, ExtensionThatDoesNotFitTheFormatIsWrittenWithAWarning) {
  test::TempDir dir;
  struct Case {
    std::string call, name;
    bool warned;
  } cases[] = {
      {"--format html", "p.xml", true},  {"--format xml", "p.html", true}, {"--format html", "p", true},
      {"--format html", "p.HTM", false}, {"--format xml", "p.XML", false}, {"", "p.xml", false},
  };
  for (const auto& c : cases) {
    const CliResult r = RunOn(Example502(), kStamp + c.call + " --output " + Quote((dir / c.name).string()));
    EXPECT_EQ(r.exitCode, 0) << c.name << r.err;
    EXPECT_TRUE(fs::is_regular_file(dir / c.name)) << c.name;
    EXPECT_EQ(r.err.rfind("orsvelt-cli: предупреждение: протокол в формате ", 0) == 0, c.warned) << c.name << r.err;
  }
  const CliResult r = RunOn(Example502(), kStamp + "--format html --output " + Quote((dir / "q.xml").string()));
  EXPECT_EQ(r.err,
            "orsvelt-cli: предупреждение: протокол в формате HTML записан в файл с расширением \".xml\", "
            "ожидается \".html\"\nРазмер протокола: " +
                FileSizeText(fs::file_size(dir / "q.xml")) + "\n");
}

TEST(CommandLine, Version) {
  const CliResult r = RunCli("--version");
  EXPECT_EQ(r.exitCode, 0);
  EXPECT_EQ(r.out, "orsvelt-cli " + std::string(VersionText) + "\n");
}

TEST(CommandLine, FilesWrittenByOthers) {
  ORSVELT_REQUIRE_REFERENCE();
  const fs::path samples = test::ReferenceDir() / "samples";
  EXPECT_EQ(RunOn(samples / "5.01" / "stub_Valid.xml").err, "Файл не является отчётом в ФНС.\n");
  // Mislabelled UTF-8 decodes to nonsense and is refused, never read as a report.
  EXPECT_EQ(RunOn(samples / "5.01" / "stub_utf8_bytes_under_cp1251_declaration.xml").exitCode, 1);
  int later = 0;
  for (const auto& entry : fs::directory_iterator(samples / "later")) {
    // The later formats are analysed: each sample gets its protocol.
    const CliResult r = RunOn(entry.path());
    EXPECT_EQ(r.exitCode, 0) << entry.path() << r.err;
    EXPECT_EQ(r.err.rfind("Размер протокола: ", 0), 0u) << entry.path() << r.err;
    ++later;
  }
  EXPECT_GE(later, 6);
}

}  // namespace
}  // namespace orsvelt

namespace orsvelt {
namespace {

// The page's text, decoded for searches.
std::string PageText(const fs::path& page) { return Cp1251ToUtf8(test::ReadBytes(page)); }

TEST(CommandLine, PersonsOption) {
  test::TempDir dir;
  const CliResult plain = RunOn(Example502(), kStamp + "--format html --output " + Quote((dir / "plain.html").string()));
  ASSERT_EQ(plain.exitCode, 0) << plain.err;
  const CliResult all =
      RunOn(Example502(), kStamp + "--persons all --format html --output " + Quote((dir / "all.html").string()));
  ASSERT_EQ(all.exitCode, 0) << all.err;
  EXPECT_EQ(test::ReadBytes(dir / "all.html"), test::ReadBytes(dir / "plain.html"));
  for (const std::string spelling : {"--persons findings", "--persons=findings", "--persons=FINDINGS"}) {
    const CliResult only =
        RunOn(Example502(), kStamp + spelling + " --format html --output " + Quote((dir / "only.html").string()));
    ASSERT_EQ(only.exitCode, 0) << spelling << only.err;
    EXPECT_NE(PageText(dir / "only.html").find("Показаны только лица с замечаниями: 0 из 5."), std::string::npos)
        << spelling;
  }
  for (const std::string wrong : {"--persons", "--persons=", "--persons some", "--persons=все"}) {
    const CliResult r = RunOn(Example502(), wrong);
    EXPECT_EQ(r.exitCode, 2) << wrong;
    EXPECT_EQ(r.err.rfind("orsvelt-cli: ", 0), 0u) << wrong;
    EXPECT_NE(r.err.find("all"), std::string::npos) << wrong;
    EXPECT_NE(r.err.find("findings"), std::string::npos) << wrong;
  }
  EXPECT_NE(RunOn(Example502(), "--persons bad").err.find("неизвестное значение --persons: bad"), std::string::npos);
  EXPECT_NE(RunCli("--help").out.find("--persons all|findings"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt
