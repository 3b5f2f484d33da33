#include "analysis/check_run.h"

#include <system_error>

#include "analysis/common/report_folder.h"
#include "analysis/prot501/prot501.h"
#include "analysis/prot502/prot502.h"
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

}  // namespace

std::unique_ptr<TRSVProt> MakeAnalysis(std::string_view formatVersion) {
  if (formatVersion == "5.01") return std::make_unique<TRSV501Prot>();
  if (formatVersion == "5.02") return std::make_unique<TRSV502Prot>();
  return nullptr;
}

std::string ProtocolFileName(std::string_view runStamp, const std::filesystem::path& report) {
  std::string stamp = ReplaceAll(runStamp, ":", "-").text;
  stamp = ReplaceAll(stamp, " ", "_").text;
  return "prot_" + stamp + "_" + DropLastChars(PathToUtf8(report.filename()), 4);
}

CheckOutcome RunCheck(const CheckRequest& request) {
  std::error_code ec;
  if (request.report.empty() || !std::filesystem::exists(request.report, ec))
    return Failure("Выбранный файл отсутствует на диске.");

  TRSVFile file;
  std::string error;
  switch (ReadReport(request.report, file, error)) {
    case ReportReading::Read: break;
    case ReportReading::NotLoaded: return Failure("Не удалось прочитать файл.", error);
    case ReportReading::NotParsed: return Failure("Не удалось разобрать XML-файл.", error);
    case ReportReading::NotReport: return Failure("Файл не является отчётом в ФНС.");
  }
  std::unique_ptr<TRSVProt> analysis = MakeAnalysis(file.FormatVersion);
  if (!analysis) return Failure("Неизвестный формат файла.");
  if (!request.runStamp.empty()) analysis->FixRunStamp(request.runStamp);

  std::filesystem::path folder = request.report.parent_path();
  if (folder.empty()) folder = ".";
  if (!analysis->Analyse(file, folder)) return Failure(analysis->ErrorText());

  const bool html = request.format == ProtocolFormat::Html;
  std::filesystem::path target = request.outputPath;
  if (target.empty()) {
    const std::string name = ProtocolFileName(analysis->RunStamp(), request.report) + (html ? ".html" : ".xml");
    target = request.outputFolder / Utf8ToPath(name);
  }
  const bool written = html ? analysis->WriteHtml(target) : analysis->WriteSpreadsheet(target);
  if (!written) return Failure(analysis->ErrorText());

  CheckOutcome out;
  out.ok = true;
  out.protocol = target;
  return out;
}

}  // namespace orsvelt
