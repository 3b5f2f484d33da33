// A folder checked in one run: one row per report, each protocol as the single run writes
// it, the titles read once, a stop that leaves only whole files.

#include "analysis/batch/batch_run.h"

#include <atomic>
#include <set>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "analysis/batch/batch_command.h"
#include "support/batch_folder.h"
#include "analysis/batch/summary_files.h"
#include "analysis/checks/findings_json.h"
#include "analysis/common/report_folder.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

constexpr const char* kStamp = "08.12.2026 10:00:00";

std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(entry.path().lexically_relative(folder).generic_string());
  return names;
}

class BatchRunTest : public ::testing::Test {
 protected:
  void SetUp() override { test::MakeBatchFolder(in_.path()); }

  BatchRequest Request(ProtocolFormat format = ProtocolFormat::Html) const {
    BatchRequest request;
    request.folder = in_.path();
    request.outputFolder = out_.path();
    request.format = format;
    request.runStamp = kStamp;
    request.threads = 2;
    return request;
  }

  test::TempDir in_, out_;
};

TEST_F(BatchRunTest, EveryReportAsTheSingleRunChecksIt) {
  for (const ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
    BatchRequest batch = Request(format);
    batch.findings = true;
    const BatchResult result = RunBatch(batch);
    const auto& expected = test::BatchFolderReports();
    ASSERT_EQ(result.rows.size(), expected.size());
    EXPECT_FALSE(result.stopped);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const BatchRow& row = result.rows[i];
      SCOPED_TRACE(expected[i].name);
      EXPECT_EQ(row.relative, fs::path(expected[i].name));
      EXPECT_TRUE(row.started);

      test::TempDir single;
      CheckRequest request;
      request.report = row.report;
      request.format = format;
      request.outputFolder = single.path();
      request.runStamp = kStamp;
      const CheckOutcome alone = RunCheck(request);
      EXPECT_EQ(row.outcome.ok, expected[i].message.empty());
      EXPECT_EQ(row.outcome.ok, alone.ok);
      EXPECT_EQ(row.outcome.message, expected[i].message);
      EXPECT_EQ(row.outcome.detail, alone.detail);
      if (!alone.ok) continue;
      EXPECT_EQ(row.outcome.protocol.parent_path(), out_.path());
      EXPECT_EQ(row.outcome.protocol.filename(), alone.protocol.filename());
      const std::string bytes = test::ReadBytes(row.outcome.protocol);
      EXPECT_FALSE(bytes.empty());
      EXPECT_TRUE(bytes == test::ReadBytes(alone.protocol)) << "the protocol differs from the single run's";
      ASSERT_TRUE(row.outcome.checks && alone.checks);
      EXPECT_EQ(row.findings, FindingsFileName(row.outcome.protocol));
      EXPECT_EQ(test::ReadBytes(row.findings), checks::FindingsJson(*alone.checks));
    }
  }
}

TEST_F(BatchRunTest, RowsDescribeTheReports) {
  const BatchResult result = RunBatch(Request());
  const auto rowOf = [&](std::string_view prefix) -> const ReportDescription& {
    for (const BatchRow& row : result.rows)
      if (row.relative.string().starts_with(prefix)) return row.outcome.report;
    ADD_FAILURE() << prefix;
    return result.rows.front().outcome.report;
  };
  const ReportDescription& division = rowOf("NO_RASCHSV_7707_7707_7707123458770702002");
  EXPECT_EQ(division.inn, "7707123458");
  EXPECT_EQ(division.kpp, "770702002");
  EXPECT_EQ(division.formatVersion, "5.02");
  EXPECT_EQ(division.year, 2020);
  EXPECT_EQ(division.periodCode, "21");
  const ReportDescription& correction = rowOf("NO_RASCHSV_7728_7728_7728123459772801001_20180514");
  EXPECT_EQ(correction.formatVersion, "5.01");
  EXPECT_EQ(correction.correction, 1);
  EXPECT_EQ(correction.kpp, "772801001");
  EXPECT_EQ(correction.persons, 4);
  EXPECT_FALSE(correction.payerName.empty());
  const ReportDescription& other = rowOf("NO_RASCHSV_v509");
  EXPECT_EQ(other.formatVersion, "5.09");
  EXPECT_EQ(other.persons, -1);
}

TEST_F(BatchRunTest, SummaryCountsTheFindingsOfCheckedReportsOnly) {
  const BatchResult result = RunBatch(Request());
  const BatchSummary summary = SummariseBatch(result, out_.path());
  ASSERT_EQ(summary.rows.size(), result.rows.size());
  bool anyRejection = false;
  for (std::size_t i = 0; i < result.rows.size(); ++i) {
    const CheckOutcome& outcome = result.rows[i].outcome;
    const auto& cells = summary.rows[i];
    SCOPED_TRACE(cells[0]);
    if (!outcome.ok) {
      EXPECT_EQ(cells[9], "");
      EXPECT_EQ(cells[kSummaryProtocolColumn], "");
      EXPECT_EQ(cells[kSummaryResultColumn], outcome.message);
      continue;
    }
    EXPECT_EQ(cells[9], std::to_string(outcome.checks->Count(checks::Severity::Rejection)));
    EXPECT_EQ(cells[12], std::to_string(outcome.checks->Count(checks::Severity::Info)));
    EXPECT_EQ(cells[kSummaryProtocolColumn], outcome.protocol.filename().string());
    anyRejection = anyRejection || cells[9] != "0";
  }
  EXPECT_TRUE(anyRejection);
}

// Every report looks at every title of the folder; each file is still read once.
TEST_F(BatchRunTest, EachTitleIsReadOnce) {
  const BatchResult result = RunBatch(Request());
  EXPECT_EQ(result.titleReads, ListReportFiles(in_.path()).size());
}

TEST(ReportTitleCache, OneReadPerFileAcrossThreads) {
  test::TempDir dir;
  test::MakeBatchFolder(dir.path());
  const std::vector<fs::path> files = ListReportFiles(dir.path());
  ReportTitleCache cache;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t)
    threads.emplace_back([&] {
      for (int round = 0; round < 3; ++round)
        for (const fs::path& file : files) cache.Title(file);
    });
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(cache.Reads(), files.size());
  EXPECT_EQ(cache.Title(dir / "NO_RASCHSV_broken.xml"), nullptr);
  EXPECT_EQ(cache.Title(dir / "NO_RASCHSV_not_a_report.xml"), nullptr);
  const auto v509 = cache.Title(dir / "NO_RASCHSV_v509.xml");
  ASSERT_NE(v509, nullptr);
  EXPECT_EQ(v509->FormatVersion, "5.09");
  EXPECT_EQ(cache.Reads(), files.size());
}

// After the first report the stop comes: no further report starts, and the folder holds
// the finished protocol and the summary, nothing half-written.
TEST_F(BatchRunTest, StopLeavesOnlyWholeFiles) {
  std::atomic<bool> stop{false};
  BatchCommand command;
  command.request = Request();
  command.request.threads = 1;
  command.request.stop = &stop;
  command.request.afterReport = [&](std::size_t finished) {
    if (finished == 1) stop = true;
  };
  std::ostringstream out, err;
  EXPECT_EQ(RunBatchCommand(command, out, err), kBatchSomeNotChecked);
  EXPECT_NE(err.str().find("Проверка прервана"), std::string::npos) << err.str();

  const BatchResult again = [&] {
    stop = false;
    test::TempDir other;
    BatchRequest request = command.request;
    request.outputFolder = other.path();
    return RunBatch(request);
  }();
  EXPECT_TRUE(again.stopped);
  ASSERT_TRUE(again.rows[0].started);
  EXPECT_FALSE(again.rows[1].started);
  EXPECT_EQ(again.rows[1].outcome.message, kBatchStoppedMessage);

  const std::set<std::string> expected = {
      ProtocolFileName(kStamp, test::BatchFolderReports()[0].name) + ".html",
      "summary.csv", "summary.html", "summary.json"};
  EXPECT_EQ(FilesIn(out_.path()), expected);
  const std::string csv = test::ReadBytes(out_ / "summary.csv");
  EXPECT_NE(csv.find(std::string(kBatchStoppedMessage)), std::string::npos);
}

TEST_F(BatchRunTest, ExitCodes) {
  std::ostringstream out, err;
  BatchCommand command;
  command.request = Request();
  EXPECT_EQ(RunBatchCommand(command, out, err), kBatchSomeNotChecked);
  EXPECT_NE(err.str().find("NO_RASCHSV_v509.xml: Неизвестный формат файла."), std::string::npos) << err.str();
  EXPECT_EQ(out.str(), (out_ / "summary.html").string() + "\n");

  test::TempDir good, goodOut;
  for (const auto& entry : fs::directory_iterator(test::ExamplesDir() / "5.02"))
    if (entry.path().extension() == ".xml") fs::copy_file(entry.path(), good / entry.path().filename().string());
  command.request.folder = good.path();
  command.request.outputFolder = goodOut / "new" / "folder";
  EXPECT_EQ(RunBatchCommand(command, out, err), kBatchAllChecked);
  EXPECT_TRUE(fs::exists(goodOut / "new" / "folder" / "summary.json"));

  // The year report of 7707 has a rejection finding: strict says so once all are checked,
  // and a report that could not be checked still says that first.
  command.strict = true;
  EXPECT_EQ(RunBatchCommand(command, out, err), kBatchRejections);
  command.request.folder = in_.path();
  EXPECT_EQ(RunBatchCommand(command, out, err), kBatchSomeNotChecked);
}

// Two names that differ in the case of the extension would share one protocol.
TEST_F(BatchRunTest, AProtocolNameIsNeverTakenTwice) {
  const std::string name = test::BatchFolderReports()[0].name;
  const std::string upper = name.substr(0, name.size() - 4) + ".XML";
  fs::copy_file(in_ / name, in_ / upper);
  const BatchResult result = RunBatch(Request());
  ASSERT_EQ(result.rows.size(), test::BatchFolderReports().size() + 1);
  EXPECT_EQ(result.rows[0].relative, fs::path(upper));
  EXPECT_TRUE(result.rows[0].outcome.ok);
  EXPECT_EQ(result.rows[1].relative, fs::path(name));
  EXPECT_FALSE(result.rows[1].outcome.ok);
  EXPECT_EQ(result.rows[1].outcome.message, kBatchSameProtocolMessage);
  EXPECT_EQ(BatchExitCode(result, false), kBatchSomeNotChecked);
}

TEST_F(BatchRunTest, SubFoldersOnlyWhenRecursive) {
  fs::create_directory(in_ / "2018");
  const fs::path moved = in_ / "2018" / test::BatchFolderReports()[0].name;
  fs::rename(in_ / test::BatchFolderReports()[0].name, moved);

  BatchRequest request = Request();
  EXPECT_EQ(RunBatch(request).rows.size(), test::BatchFolderReports().size() - 1);

  request.recursive = true;
  const BatchResult result = RunBatch(request);
  ASSERT_EQ(result.rows.size(), test::BatchFolderReports().size());
  const BatchRow& row = result.rows[0];
  EXPECT_EQ(row.relative, fs::path("2018") / test::BatchFolderReports()[0].name);
  ASSERT_TRUE(row.outcome.ok) << row.outcome.message;
  EXPECT_EQ(row.outcome.protocol.parent_path(), out_ / "2018");
}

}  // namespace
}  // namespace orsvelt

namespace orsvelt {
namespace {

TEST(BatchRunPersons, EachReportListsThePersonsTheBatchAsksFor) {
  test::TempDir in, out;
  test::MakeBatchFolder(in.path());
  BatchRequest batch;
  batch.folder = in.path();
  batch.outputFolder = out.path();
  batch.format = ProtocolFormat::Html;
  batch.runStamp = kStamp;
  batch.threads = 2;
  batch.persons = PersonSelection::WithFindings;
  const BatchResult result = RunBatch(batch);
  int checked = 0;
  for (const BatchRow& row : result.rows) {
    if (!row.outcome.ok) continue;
    SCOPED_TRACE(row.relative.string());
    test::TempDir single;
    CheckRequest request;
    request.report = row.report;
    request.format = ProtocolFormat::Html;
    request.outputFolder = single.path();
    request.runStamp = kStamp;
    request.persons = PersonSelection::WithFindings;
    const CheckOutcome alone = RunCheck(request);
    ASSERT_TRUE(alone.ok) << alone.message;
    const std::string bytes = test::ReadBytes(row.outcome.protocol);
    EXPECT_TRUE(bytes == test::ReadBytes(alone.protocol)) << "the protocol differs from the single run's";
    ++checked;
  }
  EXPECT_GT(checked, 0);
}

}  // namespace
}  // namespace orsvelt
