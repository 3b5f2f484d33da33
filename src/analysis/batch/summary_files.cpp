#include "analysis/batch/summary_files.h"

#include "analysis/common/protocol_file.h"
#include "markup/file_sink.h"

namespace orsvelt {

bool WriteSummaryFiles(const std::filesystem::path& folder, const BatchSummary& summary, std::string& error) {
  const auto named = [&](std::string_view name) { return folder / std::string(name); };
  return WriteProtocolFile(named(kSummaryHtmlName), [&](ProtocolWriter& out) { WriteSummaryPage(out, summary); },
                           error) &&
         WriteFileWhole(named(kSummaryCsvName), SummaryCsv(summary), error) &&
         WriteFileWhole(named(kSummaryJsonName), SummaryJson(summary), error);
}

}  // namespace orsvelt
