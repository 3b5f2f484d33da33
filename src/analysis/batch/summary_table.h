#pragma once
// The summary of a batch as a table: one row per report, the same columns in every form
// it is written in (page, CSV, JSON).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/batch/batch_run.h"

namespace orsvelt {

enum class SummaryValue { Text, Number };

struct SummaryColumn {
  std::string_view caption;  // the page's and the CSV's heading
  std::string_view key;      // the JSON name
  SummaryValue value;        // a number column's cell is digits (or "-" and digits) or empty
};

std::span<const SummaryColumn> SummaryColumns();

// The index of the protocol column: its cell is the protocol's path relative to the
// summary's folder, a link on the page.
inline constexpr std::size_t kSummaryProtocolColumn = 13;
// The index of the result column: kSummaryChecked, or the message of the failed check.
inline constexpr std::size_t kSummaryResultColumn = 14;

// What the summary says of a checked report in the result column.
inline constexpr std::string_view kSummaryChecked = "Проверен";

struct BatchSummary {
  std::string runStamp;
  std::vector<std::vector<std::string>> rows;  // one cell per column; empty: not known
};

// The rows of a batch; protocols are named relative to outputFolder, with "/" between parts.
BatchSummary SummariseBatch(const BatchResult& result, const std::filesystem::path& outputFolder);

}  // namespace orsvelt
