// Format control in the run: its findings (group F) in the protocols and the export.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "analysis/common/report_folder.h"
#include "analysis/format_control/schema_locator.h"
#include "model/rsvnalog.h"
#include "support/test_support.h"
#include "xml/codepage.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

const fs::path kSchemas = fs::path(ORSVELT_SHARED_REFERENCE) / "schemas";

fs::path Latest501() {
  fs::path latest;
  for (const auto& e : fs::directory_iterator(test::ExamplesDir() / "5.01"))
    if (e.path().extension() == ".xml" && (latest.empty() || e.path().filename() > latest.filename()))
      latest = e.path();
  return latest;
}

// $ORSVELT_SCHEMAS of the machine is put aside, so that only the folders a test names count.
class FormatRun : public ::testing::Test {
 protected:
  void SetUp() override {
    if (const char* env = std::getenv("ORSVELT_SCHEMAS")) saved_ = env;
    unsetenv("ORSVELT_SCHEMAS");
    if (!LocateSchema(SchemaSearch{}, "5.01").file.empty()) GTEST_SKIP() << "a schema is installed on this machine";
  }
  void TearDown() override {
    if (saved_) setenv("ORSVELT_SCHEMAS", saved_->c_str(), 1);
  }

  CheckOutcome Run(const fs::path& report, const fs::path& schemas, ProtocolFormat format, const fs::path& out) {
    CheckRequest request;
    request.report = report;
    request.format = format;
    request.outputPath = out;
    request.runStamp = "01.02.2020 3:04:05";
    request.schemasFolder = schemas;
    return RunCheck(request);
  }

  std::vector<checks::Finding> FormatFindingsOf(const CheckOutcome& outcome) {
    std::vector<checks::Finding> out;
    if (outcome.checks)
      for (const checks::Finding& f : outcome.checks->findings)
        if (f.group == checks::Group::F) out.push_back(f);
    return out;
  }

  test::TempDir dir;

 private:
  std::optional<std::string> saved_;
};

// The protocol as the analysis writes it alone, without format control.
std::string WithoutFormatControl(const fs::path& report, ProtocolFormat format, const fs::path& out) {
  TRSVFile file;
  std::string error;
  EXPECT_EQ(ReadReport(report, file, error), ReportReading::Read);
  auto analysis = MakeAnalysis(file.FormatVersion);
  analysis->FixRunStamp("01.02.2020 3:04:05");
  EXPECT_TRUE(analysis->Analyse(file, report.parent_path()));
  EXPECT_TRUE(format == ProtocolFormat::Html ? analysis->WriteHtml(out) : analysis->WriteSpreadsheet(out));
  return test::ReadBytes(out);
}

// Cuts the lines from the one holding the heading through the next, which is the one-line note.
std::string WithoutFormatLines(std::string text) {
  const std::string heading = Utf8ToCp1251("Форматный контроль");
  const std::size_t at = text.find(heading);
  if (at == std::string::npos) return text;
  const std::size_t start = text.rfind('\n', at) + 1;
  const std::size_t end = text.find('\n', text.find('\n', at) + 1) + 1;
  return text.erase(start, end - start);
}

TEST_F(FormatRun, WithoutASchemaOneNoteAndTheRestOfTheProtocolUnchanged) {
  const fs::path empty = dir / "schemas";
  fs::create_directory(empty);
  for (const ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
    const CheckOutcome outcome = Run(Latest501(), empty, format, dir / "p");
    ASSERT_TRUE(outcome.ok) << outcome.message;
    const auto found = FormatFindingsOf(outcome);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].severity, checks::Severity::Info);
    EXPECT_EQ(found[0].text.rfind("Контроль формата по схеме не выполнен: схема для версии формата 5.01 не найдена "
                                  "(искали: " + PathToUtf8(empty),
                                  0),
              0u)
        << found[0].text;
    const std::string protocol = test::ReadBytes(dir / "p");
    EXPECT_NE(protocol.find(Utf8ToCp1251(found[0].text)), std::string::npos);
    EXPECT_EQ(WithoutFormatLines(protocol), WithoutFormatControl(Latest501(), format, dir / "alone"));
  }
}

TEST_F(FormatRun, TheExampleReportMeetsTheSchema) {
  if (!fs::is_directory(kSchemas)) GTEST_SKIP() << "no reference schemas";
  const CheckOutcome outcome = Run(Latest501(), kSchemas, ProtocolFormat::Html, dir / "p.html");
  ASSERT_TRUE(outcome.ok) << outcome.message;
  EXPECT_TRUE(FormatFindingsOf(outcome).empty());
  EXPECT_EQ(test::ReadBytes(dir / "p.html").find(Utf8ToCp1251("Форматный контроль")), std::string::npos);
}

// A report put right in its text (a wrong КНД) and one renamed (ИдФайл against the name): a
// schema violation and a broken rule of the schema, both grounds for refusal.
TEST_F(FormatRun, ViolationsAreRejectionsWithLineAndPath) {
  if (!fs::is_directory(kSchemas)) GTEST_SKIP() << "no reference schemas";
  const std::string bytes = test::ReadBytes(Latest501());
  const std::string kndRight = Utf8ToCp1251("КНД=\"1151111\""), kndWrong = Utf8ToCp1251("КНД=\"1151112\"");
  std::string broken = bytes;
  broken.replace(broken.find(kndRight), kndRight.size(), kndWrong);
  fs::create_directory(dir / "a");
  test::WriteBytes(dir / "a" / Latest501().filename(), broken);
  fs::create_directory(dir / "b");
  const fs::path renamed = dir / "b" / "NO_RASCHSV_7728_7728_7728123459772801001_20181022_other.xml";
  test::WriteBytes(renamed, bytes);

  CheckOutcome outcome = Run(dir / "a" / Latest501().filename(), kSchemas, ProtocolFormat::Workbook, dir / "a.xml");
  ASSERT_TRUE(outcome.ok) << outcome.message;
  auto found = FormatFindingsOf(outcome);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].check, "F");
  EXPECT_EQ(found[0].severity, checks::Severity::Rejection);
  EXPECT_EQ(found[0].path, "Файл/Документ/@КНД");
  EXPECT_EQ(found[0].text.rfind("Нарушение схемы: недопустимое значение (строка 3): ", 0), 0u) << found[0].text;
  EXPECT_EQ(outcome.checks->Count(checks::Severity::Rejection), 9);  // the ratios' eight and this one
  const std::string book = test::ReadBytes(dir / "a.xml");
  EXPECT_NE(book.find(Utf8ToCp1251("Оснований считать расчёт непредставленным: 9;")), std::string::npos);
  EXPECT_LT(book.find(Utf8ToCp1251("Форматный контроль")), book.find(Utf8ToCp1251("Файл/Документ/@КНД")));

  outcome = Run(renamed, kSchemas, ProtocolFormat::Html, dir / "b.html");
  ASSERT_TRUE(outcome.ok) << outcome.message;
  found = FormatFindingsOf(outcome);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].check, "0400400007");
  EXPECT_EQ(found[0].severity, checks::Severity::Rejection);
  EXPECT_EQ(found[0].path, "Файл/@ИдФайл");
  EXPECT_EQ(found[0].text.rfind("Нарушение правила схемы (строка 2): Имя файла обмена", 0), 0u) << found[0].text;
  const std::string page = test::ReadBytes(dir / "b.html");
  EXPECT_NE(page.find("<td class=\"tdnorm\">0400400007</td>"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt
