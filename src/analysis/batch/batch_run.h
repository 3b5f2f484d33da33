#pragma once
// A check of every report of a folder in one run: each report checked as the single run
// checks it (RunCheck, with its own earlier reports from its folder), on several threads,
// the titles of the folder's files read once for all.

#include <atomic>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "analysis/check_run.h"

namespace orsvelt {

struct BatchRequest {
  std::filesystem::path folder;
  bool recursive = false;  // reports of the sub-folders too, each with its own folder's earlier reports
  std::filesystem::path outputFolder;  // protocols of a sub-folder go to the same sub-folder here
  ProtocolFormat format = ProtocolFormat::Workbook;
  PersonSelection persons = PersonSelection::All;  // who each protocol's per-person tables list
  std::string runStamp;  // one stamp for the whole batch; empty: the clock's at the start
  std::filesystem::path schemasFolder, executableFolder;  // where format control looks, as in a single run
  unsigned threads = 0;  // 0: the number of cores
  bool findings = false;  // each checked report's findings as JSON beside its protocol (FindingsFileName)
  // Set (by a signal handler, say) to start no further report; those running are finished.
  const std::atomic<bool>* stop = nullptr;
  // Called by the worker after each report, with the number finished so far (a test hook).
  std::function<void(std::size_t finished)> afterReport;
};

// How one report of the batch ended.
struct BatchRow {
  std::filesystem::path report;    // as found in the folder
  std::filesystem::path relative;  // to the batch folder: what the summary shows
  bool started = false;            // false when the batch was stopped before it
  CheckOutcome outcome;            // outcome.protocol is where the protocol went
  std::filesystem::path findings;  // where its findings went, when asked for and written
};

struct BatchResult {
  std::string runStamp;
  std::vector<BatchRow> rows;  // in the order of ListBatchReports
  bool stopped = false;        // some reports were never started
  std::size_t titleReads = 0;  // files whose titles were read for the earlier-report search
};

// The NO_RASCHSV files of the folder (and of its sub-folders, with recursive), in byte
// order of their paths relative to the folder.
std::vector<std::filesystem::path> ListBatchReports(const std::filesystem::path& folder, bool recursive);

// The findings file of a protocol: its name with ".findings.json" for its extension.
std::filesystem::path FindingsFileName(const std::filesystem::path& protocol);

// Checks every report; one that fails or throws is a row with its message, never the end
// of the others.
BatchResult RunBatch(const BatchRequest& request);

// The message of a report whose protocol would take the name of another's.
inline constexpr std::string_view kBatchSameProtocolMessage =
    "Расчёт не проверен: его протокол получил бы имя протокола другого расчёта этой папки.";

// The message of a report the batch did not start.
inline constexpr std::string_view kBatchStoppedMessage = "Проверка прервана до начала проверки этого расчёта.";

}  // namespace orsvelt
