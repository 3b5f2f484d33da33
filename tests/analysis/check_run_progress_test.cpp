// The run's progress and its stop: what a caller hears, and that a stopped run leaves the
// output folder as it found it.

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/check_run.h"
#include "support/test_support.h"
#include "xml/codepage.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMain502 =
    "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
constexpr std::string_view kMain501 =
    "NO_RASCHSV_7728_7728_7728123459772801001_20181022_9a8b7c6d-5e4f-4a3b-8c2d-1e0f9a8b7c6d.xml";

struct Event {
  ProgressStage stage;
  std::int64_t done, total;
};

std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> out;
  for (const auto& entry : fs::directory_iterator(folder))
    out[PathToUtf8(entry.path().filename())] = test::ReadBytes(entry.path());
  return out;
}

// An example folder copied with each report's persons repeated, so that the persons of one
// file pass the reporting rate several times and a protocol takes several chunks.
fs::path GrownCopy(const fs::path& into, std::string_view version, int repeat) {
  const fs::path folder = into / "reports";
  fs::create_directories(folder);
  const std::string open = "<ПерсСвСтрахЛиц", close = "</ПерсСвСтрахЛиц>";
  for (const auto& entry : fs::directory_iterator(test::ExamplesDir() / std::string(version))) {
    if (entry.path().extension() != ".xml") continue;
    std::string text = Cp1251ToUtf8(test::ReadBytes(entry.path()));
    const auto first = text.find(open);
    const auto last = text.rfind(close);
    if (first != std::string::npos && last != std::string::npos) {
      const std::string persons = text.substr(first, last + close.size() - first);
      std::string grown;
      for (int i = 0; i < repeat; ++i) grown += persons;
      text.replace(first, persons.size(), grown);
    }
    test::WriteCp1251(folder / entry.path().filename(), text);
  }
  return folder;
}

// A run into its own output folder, with every report it makes recorded; stopAt decides,
// from each report, whether to ask for a stop.
struct RecordedRun {
  test::TempDir out;
  std::vector<Event> events;
  CheckOutcome outcome;

  template <class StopAt>
  void Run(const fs::path& report, ProtocolFormat format, StopAt stopAt, const fs::path& outputPath = {}) {
    ProgressSink sink;
    sink.report = [&](ProgressStage stage, std::int64_t done, std::int64_t total) {
      events.push_back({stage, done, total});
      if (stopAt(events.back())) sink.stop = true;
    };
    CheckRequest request;
    request.report = report;
    request.format = format;
    request.outputFolder = out.path();
    request.outputPath = outputPath;
    request.runStamp = "08.12.2026 10:00:00";
    request.progress = &sink;
    outcome = RunCheck(request);
  }
};

const auto kNever = [](const Event&) { return false; };

// Stages in their order; within one, done never falls and the counted ones end at their total.
void ExpectOrderly(const std::vector<Event>& events) {
  ASSERT_FALSE(events.empty());
  for (std::size_t i = 1; i < events.size(); ++i) {
    const Event& a = events[i - 1];
    const Event& b = events[i];
    ASSERT_LE(a.stage, b.stage) << i;
    if (a.stage == b.stage) {
      EXPECT_LE(a.done, b.done) << i;
      EXPECT_EQ(a.total, b.total) << i;
    }
    if (b.total > 0) {
      EXPECT_LE(b.done, b.total) << i;
    }
  }
  for (std::size_t i = 0; i < events.size(); ++i) {
    const bool lastOfStage = i + 1 == events.size() || events[i + 1].stage != events[i].stage;
    if (lastOfStage && events[i].stage != ProgressStage::Writing) {
      EXPECT_EQ(events[i].done, events[i].total) << i;
    }
  }
}

std::vector<ProgressStage> Stages(const std::vector<Event>& events) {
  std::vector<ProgressStage> stages;
  for (const Event& e : events)
    if (stages.empty() || stages.back() != e.stage) stages.push_back(e.stage);
  return stages;
}

std::int64_t LastTotal(const std::vector<Event>& events, ProgressStage stage) {
  std::int64_t total = -1;
  for (const Event& e : events)
    if (e.stage == stage) total = e.total;
  return total;
}

TEST(CheckProgress, ExampleFoldersReportEveryStageInOrderEndingAtTheirTotals) {
  const std::vector<ProgressStage> all = {ProgressStage::Report, ProgressStage::EarlierFiles,
                                          ProgressStage::Persons, ProgressStage::Writing};
  struct Case {
    std::string_view version, main;
    std::int64_t earlier, persons;
  };
  for (const Case c : {Case{"5.02", kMain502, 2, 4}, Case{"5.01", kMain501, 3, 5}}) {
    for (const ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
      RecordedRun run;
      run.Run(test::ExamplesDir() / std::string(c.version) / std::string(c.main), format, kNever);
      ASSERT_TRUE(run.outcome.ok) << run.outcome.message;
      EXPECT_FALSE(run.outcome.stopped);
      ExpectOrderly(run.events);
      EXPECT_EQ(Stages(run.events), all) << c.version;
      EXPECT_EQ(LastTotal(run.events, ProgressStage::EarlierFiles), c.earlier) << c.version;
      EXPECT_EQ(LastTotal(run.events, ProgressStage::Persons), c.persons) << c.version;
    }
  }
}

TEST(CheckProgress, LargeReportsAreReportedEveryThousandPersonsNotEachOne) {
  test::TempDir dir;
  const fs::path folder = GrownCopy(dir.path(), "5.02", 1000);  // 4000 persons in the main file
  RecordedRun run;
  run.Run(folder / std::string(kMain502), ProtocolFormat::Html, kNever);
  ASSERT_TRUE(run.outcome.ok) << run.outcome.message;
  ExpectOrderly(run.events);
  std::vector<std::int64_t> persons;
  for (const Event& e : run.events)
    if (e.stage == ProgressStage::Persons) persons.push_back(e.done);
  EXPECT_EQ(persons, (std::vector<std::int64_t>{0, 1000, 2000, 3000, 4000, 4000}));

  // A 5.01 protocol of these persons takes several chunks, each told with the bytes before it.
  const fs::path folder501 = GrownCopy(dir / "501", "5.01", 1000);
  RecordedRun written501;
  written501.Run(folder501 / std::string(kMain501), ProtocolFormat::Html, kNever);
  ASSERT_TRUE(written501.outcome.ok) << written501.outcome.message;
  std::vector<std::int64_t> written;
  for (const Event& e : written501.events)
    if (e.stage == ProgressStage::Writing) written.push_back(e.done);
  EXPECT_GT(written.size(), 1u);
  EXPECT_TRUE(std::is_sorted(written.begin(), written.end()));
}

TEST(CheckProgress, StopAtEachStageLeavesNoFileAndKeepsAnOlderProtocol) {
  test::TempDir dir;
  struct Case {
    const char* name;
    std::string_view version, main;
    bool (*stopAt)(const Event&);
  };
  const Case cases[] = {
      {"reading the report", "5.02", kMain502, [](const Event& e) { return e.stage == ProgressStage::Report; }},
      // Stopped at the first file's start: obeyed inside its persons, before the second.
      {"earlier files 5.02", "5.02", kMain502,
       [](const Event& e) { return e.stage == ProgressStage::EarlierFiles; }},
      {"earlier files 5.01", "5.01", kMain501,
       [](const Event& e) { return e.stage == ProgressStage::EarlierFiles; }},
      {"persons 5.02", "5.02", kMain502,
       [](const Event& e) { return e.stage == ProgressStage::Persons && e.done >= 1000; }},
      {"persons 5.01", "5.01", kMain501,
       [](const Event& e) { return e.stage == ProgressStage::Persons && e.done >= 1000; }},
      {"writing 5.02", "5.02", kMain502, [](const Event& e) { return e.stage == ProgressStage::Writing; }},
      {"writing 5.01", "5.01", kMain501, [](const Event& e) { return e.stage == ProgressStage::Writing; }},
      {"a later chunk", "5.01", kMain501,
       [](const Event& e) { return e.stage == ProgressStage::Writing && e.done > 0; }},
  };
  const fs::path grown502 = GrownCopy(dir / "502", "5.02", 1000);
  const fs::path grown501 = GrownCopy(dir / "501", "5.01", 1000);
  for (const Case& c : cases) {
    const fs::path report = (c.version == "5.02" ? grown502 : grown501) / std::string(c.main);
    for (const ProtocolFormat format : {ProtocolFormat::Html, ProtocolFormat::Workbook}) {
      RecordedRun named;
      named.Run(report, format, c.stopAt);
      EXPECT_TRUE(named.outcome.stopped) << c.name;
      EXPECT_FALSE(named.outcome.ok) << c.name;
      EXPECT_EQ(named.outcome.message, "Проверка остановлена.") << c.name;
      EXPECT_TRUE(named.outcome.protocol.empty()) << c.name;
      EXPECT_TRUE(Contents(named.out.path()).empty()) << c.name;

      RecordedRun over;
      const fs::path older = over.out / "protocol.xml";
      test::WriteBytes(older, "older protocol");
      over.Run(report, format, c.stopAt, older);
      EXPECT_TRUE(over.outcome.stopped) << c.name;
      EXPECT_EQ(Contents(over.out.path()), (std::map<std::string, std::string>{{"protocol.xml", "older protocol"}}))
          << c.name;
    }
  }
}

TEST(CheckProgress, ARunWithoutProgressIsUnchanged) {
  test::TempDir out;
  CheckRequest request;
  request.report = test::ExamplesDir() / "5.02" / std::string(kMain502);
  request.outputFolder = out.path();
  request.runStamp = "08.12.2026 10:00:00";
  const CheckOutcome plain = RunCheck(request);
  ASSERT_TRUE(plain.ok) << plain.message;

  RecordedRun withProgress;
  withProgress.Run(request.report, request.format, kNever);
  ASSERT_TRUE(withProgress.outcome.ok);
  EXPECT_EQ(test::ReadBytes(plain.protocol), test::ReadBytes(withProgress.outcome.protocol));
}

TEST(CheckProgress, TextsSayTheStageAndTheCount) {
  EXPECT_EQ(ProgressText(ProgressStage::Report, 0, 1), "Чтение расчёта");
  EXPECT_EQ(ProgressText(ProgressStage::EarlierFiles, 1, 3), "Чтение расчётов предыдущих периодов: 1 из 3");
  EXPECT_EQ(ProgressText(ProgressStage::Persons, 2000, 100000), "Обработка застрахованных лиц: 2000 из 100000");
  EXPECT_EQ(ProgressText(ProgressStage::Writing, 0, 0), "Запись протокола: 0 МБ");
  EXPECT_EQ(ProgressText(ProgressStage::Writing, (std::int64_t{5} << 20) + 1, 0), "Запись протокола: 5 МБ");
}

}  // namespace
}  // namespace orsvelt
