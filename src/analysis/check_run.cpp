#include "analysis/check_run.h"

#include <optional>
#include <system_error>

#include "analysis/common/report_folder.h"
#include "analysis/format_control/format_control.h"
#include "analysis/format_findings.h"
#include "analysis/prot501/prot501.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot_later/prot_later.h"
#include "model/rsvnalog.h"
#include "xml/path_text.h"
#include "xml/stringfuncs.h"
#include "xml/xmlwork.h"

namespace orsvelt {

namespace {

// Cuts n characters (not bytes) off the end of UTF-8 text.
std::string DropLastChars(std::string_view text, std::size_t n) {
  std::size_t end = text.size();
  while (n > 0 && end > 0) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    --n;
  }
  return std::string(text.substr(0, end));
}

CheckOutcome Failure(std::string message, std::string detail = {}) {
  CheckOutcome out;
  out.message = std::move(message);
  out.detail = std::move(detail);
  return out;
}

struct AnalysisRow {
  std::string_view formatVersion;
  std::unique_ptr<TRSVProt> (*make)();
};

// The format versions the program reads, oldest first; a new format is one more row.
constexpr AnalysisRow kAnalyses[] = {
    {"5.01", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSV501Prot>(); }},
    {"5.02", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSV502Prot>(); }},
    {"5.03", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
    {"5.04", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
    {"5.05", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
    {"5.06", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
    {"5.07", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
    {"5.08", []() -> std::unique_ptr<TRSVProt> { return std::make_unique<TRSVLaterProt>(); }},
};

// A version as found in the file, shown within bounds: the attribute is anyone's text.
std::string ShownVersion(std::string_view version) {
  constexpr std::size_t kShown = 20;
  std::string shown;
  std::size_t chars = 0;
  for (std::size_t i = 0; i < version.size(); ++i) {
    const auto byte = static_cast<unsigned char>(version[i]);
    if ((byte & 0xC0) != 0x80 && ++chars > kShown) return "\"" + shown + "...\"";
    shown += byte < 0x20 ? ' ' : version[i];
  }
  return "\"" + shown + "\"";
}

std::string UnknownVersionDetail(std::string_view version) {
  std::string text = version.empty() ? "Версия формата в файле не указана"
                                     : "В файле указана версия формата " + ShownVersion(version);
  text += "; программа читает версии " + ReadableFormatVersions() + ".";
  return text;
}

// The run reads the checked report and the report files of its folder; a protocol put in
// place of one of them would lose it. An existing file is compared by what the system
// resolves (links, "./", other spellings and hard links name the same file); a path where
// no file is yet loses nothing.
std::optional<CheckOutcome> RefuseOverwrite(const std::filesystem::path& report, const std::filesystem::path& folder,
                                            const std::filesystem::path& target) {
  std::error_code ec;
  if (!std::filesystem::exists(target, ec)) return std::nullopt;
  const auto same = [&](const std::filesystem::path& file) {
    std::error_code sameError;
    return std::filesystem::equivalent(file, target, sameError) && !sameError;
  };
  if (same(report))
    return Failure("Протокол не записан: указанный файл - это проверяемый расчёт.", PathToUtf8(target));
  for (const std::filesystem::path& candidate : ListReportFiles(folder))
    if (same(candidate))
      return Failure("Протокол не записан: указанный файл - это расчёт из папки проверяемого.", PathToUtf8(target));
  return std::nullopt;
}

// The run; a stop asked through the request throws CheckStopped out of it.
CheckOutcome RunUntilStopped(const CheckRequest& request) {
  std::error_code ec;
  if (request.report.empty() || !std::filesystem::exists(request.report, ec))
    return Failure("Выбранный файл отсутствует на диске.", PathToUtf8(request.report));
  std::filesystem::path folder = request.report.parent_path();
  if (folder.empty()) folder = ".";
  // A path given in full is refused before the reading, which may take long.
  if (!request.outputPath.empty())
    if (auto refused = RefuseOverwrite(request.report, folder, request.outputPath)) return *std::move(refused);

  ReportProgress(request.progress, ProgressStage::Report, 0, 1);
  TRSVFile file;
  std::string error;
  const ReportReading reading = ReadReport(request.report, file, error);
  ReportProgress(request.progress, ProgressStage::Report, 1, 1);
  switch (reading) {
    case ReportReading::Read: break;
    case ReportReading::NotLoaded: return Failure("Не удалось прочитать файл.", error);
    case ReportReading::NotParsed: return Failure("Не удалось разобрать XML-файл.", error);
    case ReportReading::NotReport: return Failure("Файл не является отчётом в ФНС.");
  }
  std::unique_ptr<TRSVProt> analysis = MakeAnalysis(file.FormatVersion);
  const ReportDescription description = DescribeReport(file);
  const auto described = [&](CheckOutcome out) {
    out.report = description;
    return out;
  };
  if (!analysis) return described(Failure("Неизвестный формат файла.", UnknownVersionDetail(file.FormatVersion)));
  if (!request.runStamp.empty()) analysis->FixRunStamp(request.runStamp);
  analysis->ShareTitles(request.titles.get());
  analysis->SelectPersons(request.persons);
  analysis->SetProgress(request.progress);

  // Once per run, on the main report only: the earlier reports were accepted long ago. It
  // reads the report itself and needs nothing of the analysis, so it runs alongside it on
  // the second core.
  const std::shared_ptr<FormatControl> formatControl =
      request.formatControl ? request.formatControl
                            : std::make_shared<FormatControl>(SchemaSearch{request.schemasFolder, request.executableFolder});
  PendingFormatControl formatCheck = formatControl->Begin(request.report);
  if (!analysis->Analyse(file, folder)) return described(Failure(analysis->ErrorText()));
  // The analysis keeps what its protocol shows; the report's model would only add to the
  // memory the writer needs.
  file = TRSVFile();
  analysis->AppendFindings(FormatFindings(formatCheck.Finish()));

  const bool html = request.format == ProtocolFormat::Html;
  std::filesystem::path target = request.outputPath;
  if (target.empty()) {
    const std::string name = ProtocolFileName(analysis->RunStamp(), request.report) + (html ? ".html" : ".xml");
    target = request.outputFolder / Utf8ToPath(name);
  }
  if (auto refused = RefuseOverwrite(request.report, folder, target)) return described(*std::move(refused));
  const bool written = html ? analysis->WriteHtml(target) : analysis->WriteSpreadsheet(target);
  if (!written) return described(Failure(analysis->ErrorText()));

  CheckOutcome out = described({});
  out.ok = true;
  out.protocol = target;
  out.checks = analysis->Checks();
  return out;
}

}  // namespace

std::unique_ptr<TRSVProt> MakeAnalysis(std::string_view formatVersion) {
  for (const AnalysisRow& row : kAnalyses)
    if (row.formatVersion == formatVersion) return row.make();
  return nullptr;
}

std::string ReadableFormatVersions() {
  std::string list;
  for (const AnalysisRow& row : kAnalyses) {
    if (!list.empty()) list += ", ";
    list += row.formatVersion;
  }
  return list;
}

std::string ProtocolFileName(std::string_view runStamp, const std::filesystem::path& report) {
  std::string stamp = ReplaceAll(runStamp, ":", "-").text;
  stamp = ReplaceAll(stamp, " ", "_").text;
  return "prot_" + stamp + "_" + DropLastChars(PathToUtf8(report.filename()), 4);
}

CheckOutcome RunCheck(const CheckRequest& request) {
  try {
    return RunUntilStopped(request);
  } catch (const CheckStopped&) {
    CheckOutcome out = Failure(std::string(kCheckStoppedMessage));
    out.stopped = true;
    return out;
  }
}

}  // namespace orsvelt
