// The run shared by the window and the command line: what it refuses before writing.

#include "analysis/check_run.h"

#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMain =
    "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
constexpr std::string_view kFirstQuarter =
    "NO_RASCHSV_7707_7707_7707123458770701001_20200424_3f2a7c1e-5b8d-4e6a-9c0f-1d2e3f4a5b6c.xml";

std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::directory_iterator(folder))
    out[PathToUtf8(entry.path().filename())] = entry.is_regular_file() ? test::ReadBytes(entry.path()) : "<other>";
  return out;
}

// The example folder copied, so that a fault overwrites a copy.
struct ExampleCopy {
  test::TempDir dir;
  fs::path reports = dir / "reports";
  ExampleCopy() { fs::copy(test::ExamplesDir() / "5.02", reports); }
};

TEST(CheckRun, NeverWritesOverTheReportOrTheReportsOfItsFolder) {
  ExampleCopy copy;
  const fs::path main = copy.reports / std::string(kMain);
  fs::create_symlink(main, copy.dir / "link.xml");
  fs::create_hard_link(copy.reports / std::string(kFirstQuarter), copy.dir / "hard.xml");
  const auto before = Contents(copy.reports);

  struct Case {
    fs::path output;
    std::string message;
  } cases[] = {
      {main, "Протокол не записан: указанный файл - это проверяемый расчёт."},
      {copy.reports / "." / std::string(kMain), "Протокол не записан: указанный файл - это проверяемый расчёт."},
      {copy.reports / ".." / "reports" / std::string(kMain),
       "Протокол не записан: указанный файл - это проверяемый расчёт."},
      {copy.dir / "link.xml", "Протокол не записан: указанный файл - это проверяемый расчёт."},
      {copy.reports / std::string(kFirstQuarter),
       "Протокол не записан: указанный файл - это расчёт из папки проверяемого."},
      {copy.dir / "hard.xml", "Протокол не записан: указанный файл - это расчёт из папки проверяемого."},
      // Another payer's report is listed as a candidate too, though not taken.
      {copy.reports / "NO_RASCHSV_7714_7714_7714987650771401001_20200428_0a1b2c3d-4e5f-4a6b-8c7d-9e0f1a2b3c4d.xml",
       "Протокол не записан: указанный файл - это расчёт из папки проверяемого."},
  };
  for (const auto& c : cases) {
    for (const auto format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
      CheckRequest request;
      request.report = main;
      request.format = format;
      request.outputPath = c.output;
      const CheckOutcome outcome = RunCheck(request);
      EXPECT_FALSE(outcome.ok) << c.output;
      EXPECT_EQ(outcome.message, c.message) << c.output;
      EXPECT_EQ(outcome.detail, PathToUtf8(c.output));
    }
  }
  EXPECT_EQ(Contents(copy.reports), before);
  EXPECT_TRUE(fs::is_symlink(copy.dir / "link.xml"));
}

// A report named by a relative path is compared as the system resolves it as well.
TEST(CheckRun, RelativeSpellingsOfTheReportAreRefused) {
  ExampleCopy copy;
  const fs::path previous = fs::current_path();
  fs::current_path(copy.reports);
  CheckRequest request;
  request.report = std::string(kMain);
  request.outputPath = fs::path(".") / std::string(kMain);
  const CheckOutcome outcome = RunCheck(request);
  fs::current_path(previous);
  EXPECT_FALSE(outcome.ok);
  EXPECT_EQ(test::ReadBytes(copy.reports / std::string(kMain)),
            test::ReadBytes(test::ExamplesDir() / "5.02" / std::string(kMain)));
}

// Only what the run reads is protected: other files of the folder, and new names, are the user's to choose.
TEST(CheckRun, OtherFilesOfTheFolderMayTakeTheProtocol) {
  ExampleCopy copy;
  test::WriteBytes(copy.reports / "notes.html", "old notes");
  for (const char* name : {"notes.html", "NO_RASCHSV_protocol.xml"}) {
    CheckRequest request;
    request.report = copy.reports / std::string(kMain);
    request.format = ProtocolFormat::Html;
    request.outputPath = copy.reports / name;
    const CheckOutcome outcome = RunCheck(request);
    EXPECT_TRUE(outcome.ok) << name << ": " << outcome.message;
    EXPECT_NE(test::ReadBytes(outcome.protocol).find("</html>"), std::string::npos) << name;
  }
}

TEST(CheckRun, UnknownFormatNamesTheVersionFoundAndTheVersionsRead) {
  EXPECT_EQ(ReadableFormatVersions(), "5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08");
  for (const char* version : {"5.01", "5.02", "5.03", "5.08"}) EXPECT_NE(MakeAnalysis(version), nullptr) << version;

  // A long version is cut after twenty characters, never inside one.
  std::string twentyYa;
  for (int i = 0; i < 20; ++i) twentyYa += "Я";
  test::TempDir dir;
  struct Case {
    std::string root, detail;
  } cases[] = {
      {"<Файл ВерсФорм=\"5.09\">", "В файле указана версия формата \"5.09\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08."},
      {"<Файл ВерсФорм=\"5.02 \">", "В файле указана версия формата \"5.02 \"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08."},
      {"<Файл>", "Версия формата в файле не указана; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08."},
      {"<Файл ВерсФорм=\"" + twentyYa + twentyYa + "\">",
       "В файле указана версия формата \"" + twentyYa + "...\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08."},
      {"<Файл ВерсФорм=\"5.\x01" "03\">",
       "В файле указана версия формата \"5. 03\"; программа читает версии 5.01, 5.02, 5.03, 5.04, 5.05, 5.06, 5.07, 5.08."},
  };
  for (const auto& c : cases) {
    test::WriteCp1251(dir / "r.xml",
                      "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n" + c.root + "<Документ/></Файл>");
    CheckRequest request;
    request.report = dir / "r.xml";
    request.outputFolder = dir.path();
    const CheckOutcome outcome = RunCheck(request);
    EXPECT_FALSE(outcome.ok);
    EXPECT_EQ(outcome.message, "Неизвестный формат файла.");
    EXPECT_EQ(outcome.detail, c.detail);
  }
}

}  // namespace
}  // namespace orsvelt
