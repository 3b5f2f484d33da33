#pragma once
// The summary of a batch in its three forms: a page to read, a CSV file that Excel opens
// with Russian settings (UTF-8 with a byte-order mark, ";" between fields), and JSON.

#include <filesystem>
#include <string>

#include "analysis/batch/summary_table.h"
#include "markup/protocol_writer.h"

namespace orsvelt {

inline constexpr std::string_view kSummaryHtmlName = "summary.html";
inline constexpr std::string_view kSummaryCsvName = "summary.csv";
inline constexpr std::string_view kSummaryJsonName = "summary.json";

// The page, through the protocols' page frame and tables.
void WriteSummaryPage(ProtocolWriter& out, const BatchSummary& summary);

// The bytes of the CSV and the JSON form.
std::string SummaryCsv(const BatchSummary& summary);
std::string SummaryJson(const BatchSummary& summary);

// Writes the three files into folder, each appearing only when complete. False, with the
// first failure in error, when one of them could not be written.
bool WriteSummaryFiles(const std::filesystem::path& folder, const BatchSummary& summary, std::string& error);

}  // namespace orsvelt
