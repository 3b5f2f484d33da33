#include "analysis/batch/summary_files.h"

#include "analysis/common/protocol_file.h"
#include "markup/file_sink.h"

namespace orsvelt {

namespace {

bool WriteBytesFile(const std::filesystem::path& path, std::string_view bytes, std::string& error) {
  FileSink sink(path);
  if (sink.Write(bytes) && sink.Commit()) return true;
  error = sink.ErrorText();
  return false;
}

}  // namespace

bool WriteSummaryFiles(const std::filesystem::path& folder, const BatchSummary& summary, std::string& error) {
  const auto named = [&](std::string_view name) { return folder / std::string(name); };
  return WriteProtocolFile(named(kSummaryHtmlName), [&](ProtocolWriter& out) { WriteSummaryPage(out, summary); },
                           error) &&
         WriteBytesFile(named(kSummaryCsvName), SummaryCsv(summary), error) &&
         WriteBytesFile(named(kSummaryJsonName), SummaryJson(summary), error);
}

}  // namespace orsvelt
