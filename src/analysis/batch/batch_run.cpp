#include "analysis/batch/batch_run.h"

#include <algorithm>
#include <exception>
#include <new>
#include <set>
#include <system_error>
#include <thread>

#include "analysis/checks/findings_json.h"
#include "analysis/common/report_folder.h"
#include "analysis/format_control/format_control.h"
#include "markup/file_sink.h"
#include "xml/path_text.h"

namespace orsvelt {

namespace {

// A worker's check: whatever goes wrong inside stays this report's row.
CheckOutcome GuardedCheck(const CheckRequest& request) {
  try {
    std::error_code ec;  // a folder that cannot be made shows as the protocol not written
    std::filesystem::create_directories(request.outputFolder, ec);
    return RunCheck(request);
  } catch (const std::bad_alloc&) {
    CheckOutcome out;
    out.message = "Недостаточно памяти для проверки расчёта.";
    return out;
  } catch (const std::exception& e) {
    CheckOutcome out;
    out.message = "Проверка расчёта прервана ошибкой программы.";
    out.detail = e.what();
    return out;
  } catch (...) {
    CheckOutcome out;
    out.message = "Проверка расчёта прервана ошибкой программы.";
    return out;
  }
}

// The findings beside the protocol; a file that cannot be written makes the report unchecked.
void WriteFindingsOf(BatchRow& row) {
  const checks::CheckResult none;
  const std::filesystem::path path = FindingsFileName(row.outcome.protocol);
  std::string error;
  if (WriteFileWhole(path, checks::FindingsJson(row.outcome.checks ? *row.outcome.checks : none), error)) {
    row.findings = path;
    return;
  }
  row.outcome.ok = false;
  row.outcome.message = "Не удалось записать файл нарушений: " + PathToUtf8(path);
  row.outcome.detail = error;
}

bool Stopped(const BatchRequest& request) { return request.stop && request.stop->load(); }

}  // namespace

std::filesystem::path FindingsFileName(const std::filesystem::path& protocol) {
  std::filesystem::path path = protocol;
  return path.replace_extension(".findings.json");
}

std::vector<std::filesystem::path> ListBatchReports(const std::filesystem::path& folder, bool recursive) {
  std::vector<std::filesystem::path> reports = ListReportFiles(folder);
  if (recursive) {
    std::error_code ec;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    std::filesystem::recursive_directory_iterator it(folder, options, ec);
    for (; !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      std::error_code dirError;
      if (!it->is_directory(dirError) || dirError) continue;
      // A linked folder could lead back up: only real sub-folders are walked.
      if (it->is_symlink(dirError)) {
        it.disable_recursion_pending();
        continue;
      }
      for (std::filesystem::path& report : ListReportFiles(it->path())) reports.push_back(std::move(report));
    }
  }
  std::sort(reports.begin(), reports.end(), [&](const auto& a, const auto& b) {
    return a.lexically_relative(folder).native() < b.lexically_relative(folder).native();
  });
  return reports;
}

BatchResult RunBatch(const BatchRequest& request) {
  BatchResult result;
  result.runStamp = request.runStamp.empty() ? CurrentRunStamp() : request.runStamp;
  for (std::filesystem::path& report : ListBatchReports(request.folder, request.recursive)) {
    BatchRow& row = result.rows.emplace_back();
    row.relative = report.lexically_relative(request.folder);
    row.report = std::move(report);
  }

  // Names that differ only in the case of ".xml" give one protocol name: the second
  // protocol would replace the first, so that report is not checked.
  std::set<std::filesystem::path> protocolNames;
  for (BatchRow& row : result.rows) {
    if (protocolNames.insert(row.relative.parent_path() / Utf8ToPath(ProtocolFileName(result.runStamp, row.report))).second)
      continue;
    row.started = true;
    row.outcome.message = std::string(kBatchSameProtocolMessage);
    row.outcome.detail = PathToUtf8(row.relative);
  }

  const auto titles = std::make_shared<ReportTitleCache>();
  const auto formatControl =
      std::make_shared<FormatControl>(SchemaSearch{request.schemasFolder, request.executableFolder});
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> finished{0};
  const auto work = [&] {
    for (;;) {
      if (Stopped(request)) return;
      const std::size_t index = next.fetch_add(1);
      if (index >= result.rows.size()) return;
      BatchRow& row = result.rows[index];
      if (row.started) continue;  // refused before the start
      row.started = true;
      CheckRequest check;
      check.report = row.report;
      check.format = request.format;
      check.persons = request.persons;
      check.outputFolder = request.outputFolder / row.relative.parent_path();
      check.runStamp = result.runStamp;
      check.titles = titles;
      check.schemasFolder = request.schemasFolder;
      check.executableFolder = request.executableFolder;
      check.formatControl = formatControl;
      row.outcome = GuardedCheck(check);
      if (request.findings && row.outcome.ok) WriteFindingsOf(row);
      const std::size_t done = finished.fetch_add(1) + 1;
      if (request.afterReport) request.afterReport(done);
    }
  };

  unsigned threads = request.threads ? request.threads : std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<std::size_t>(threads, std::max<std::size_t>(1, result.rows.size())));
  std::vector<std::thread> workers;
  for (unsigned i = 1; i < threads; ++i) {
    try {
      workers.emplace_back(work);
    } catch (const std::system_error&) {
      break;  // fewer threads than asked for still check every report
    }
  }
  work();
  for (std::thread& worker : workers) worker.join();

  for (BatchRow& row : result.rows)
    if (!row.started) {
      row.outcome.message = std::string(kBatchStoppedMessage);
      result.stopped = true;
    }
  result.titleReads = titles->Reads();
  return result;
}

}  // namespace orsvelt
