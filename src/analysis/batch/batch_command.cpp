#include "analysis/batch/batch_command.h"

#include <algorithm>
#include <system_error>

#include "analysis/batch/summary_files.h"
#include "xml/path_text.h"

namespace orsvelt {

int BatchExitCode(const BatchResult& result, bool strict) {
  bool rejected = false;
  for (const BatchRow& row : result.rows) {
    if (!row.outcome.ok) return kBatchSomeNotChecked;
    rejected = rejected || (row.outcome.checks && row.outcome.checks->Count(checks::Severity::Rejection) > 0);
  }
  return strict && rejected ? kBatchRejections : kBatchAllChecked;
}

int RunBatchCommand(const BatchCommand& command, std::ostream& out, std::ostream& err) {
  const BatchRequest& request = command.request;
  std::error_code ec;
  std::filesystem::create_directories(request.outputFolder, ec);
  if (ec) {
    err << "Не удалось создать папку протоколов: " << PathToUtf8(request.outputFolder) << "\n";
    return kBatchSomeNotChecked;
  }
  const BatchResult result = RunBatch(request);
  for (const BatchRow& row : result.rows) {
    if (row.outcome.ok || !row.started) continue;
    err << PathToUtf8(row.relative) << ": " << row.outcome.message;
    if (!row.outcome.detail.empty()) err << " " << row.outcome.detail;
    err << "\n";
  }
  if (result.stopped) err << "Проверка прервана; расчётов не проверено: "
                          << std::count_if(result.rows.begin(), result.rows.end(),
                                           [](const BatchRow& row) { return !row.started; })
                          << "\n";
  std::string error;
  if (!WriteSummaryFiles(request.outputFolder, SummariseBatch(result, request.outputFolder), error)) {
    err << "Сводка не записана: " << error << "\n";
    return kBatchSomeNotChecked;
  }
  out << PathToUtf8(request.outputFolder / std::string(kSummaryHtmlName)) << "\n";
  return BatchExitCode(result, command.strict);
}

}  // namespace orsvelt
