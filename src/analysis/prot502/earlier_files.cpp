#include "analysis/prot502/earlier_files.h"

#include <algorithm>
#include <system_error>

#include "model/rsv502/document.h"
#include "xml/path_text.h"

namespace orsvelt::prot502 {
namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view lower) {
  if (text.size() != lower.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (AsciiLower(text[i]) != lower[i]) return false;
  return true;
}

}  // namespace

bool IsReportFileName(std::string_view name) {
  constexpr std::string_view kPrefix = "no_raschsv_";
  constexpr std::string_view kSuffix = ".xml";
  return name.size() >= kPrefix.size() + kSuffix.size() &&
         EqualsIgnoringAsciiCase(name.substr(0, kPrefix.size()), kPrefix) &&
         EqualsIgnoringAsciiCase(name.substr(name.size() - kSuffix.size()), kSuffix);
}

std::vector<std::filesystem::path> ListReportFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (!IsReportFileName(PathToUtf8(it->path().filename()))) continue;
    std::error_code statusError;
    // Follows links: a link to a report counts, a broken one or one to a folder does not.
    if (!it->is_regular_file(statusError) || statusError) continue;
    files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.filename().native() < b.filename().native(); });
  return files;
}

bool IsEarlierReport(const TRSV502ReportTitle& candidate, const TRSV502ReportTitle& main) {
  if (candidate.Inn != main.Inn || candidate.Kpp != main.Kpp || candidate.ReportYear != main.ReportYear) return false;
  return candidate.PeriodCode < main.PeriodCode ||
         (candidate.PeriodCode == main.PeriodCode && candidate.CorrectionNumber < main.CorrectionNumber);
}

void SortEarlierFiles(std::vector<TRSV502ProtFileRec>& files) {
  std::stable_sort(files.begin(), files.end(), [](const TRSV502ProtFileRec& a, const TRSV502ProtFileRec& b) {
    return a.PeriodCode < b.PeriodCode || (a.PeriodCode == b.PeriodCode && a.CorrectionNumber < b.CorrectionNumber);
  });
}

std::vector<TRSV502ProtFileRec> FindEarlierFiles(const std::filesystem::path& folder, const TRSV502ReportTitle& main) {
  std::vector<TRSV502ProtFileRec> found;
  for (const std::filesystem::path& path : ListReportFiles(folder)) {
    TRSV502ReportFile report;
    if (!report.Load(path, true)) continue;
    const TRSV502Document& doc = report.Document();
    if (!IsEarlierReport(TRSV502ReportTitle::Of(doc), main)) continue;
    found.push_back({PathToUtf8(path.filename()), report.File().FormatVersion, doc.ОтчетГод, doc.Период, doc.НомКорр,
                     PlaceName502(doc.ПоМесту)});
  }
  SortEarlierFiles(found);
  return found;
}

}  // namespace orsvelt::prot502
