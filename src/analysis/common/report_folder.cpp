#include "analysis/common/report_folder.h"

#include <algorithm>
#include <system_error>

#include "xml/path_text.h"

namespace orsvelt {

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
    if (!it->is_regular_file(statusError) || statusError) continue;
    files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return a.filename().native() < b.filename().native(); });
  return files;
}

bool ReadReportTitle(TXMLFile& xml, const std::filesystem::path& path) {
  if (!xml.OpenFile(path) || !xml.ParseWithoutContentsOf("РасчетСВ")) return false;
  // Where the cut could not be made the whole text was parsed; the tree is emptied alike.
  for (pugi::xml_node doc : xml.Root().Node().children("Документ"))
    for (pugi::xml_node calc : doc.children("РасчетСВ"))
      while (calc.first_child()) calc.remove_child(calc.first_child());
  return true;
}

ReportReading ReadReport(const std::filesystem::path& path, TRSVFile& file, std::string& error) {
  TXMLFile xml;
  if (!xml.OpenFile(path)) {
    error = xml.ErrorText();
    return ReportReading::NotLoaded;
  }
  if (!xml.ParseInPieces("РасчетСВ")) {
    error = xml.ErrorText();
    return ReportReading::NotParsed;
  }
  const auto isReport = [&] { return xml.Root().Name() == "Файл"; };
  if (isReport()) file.Load(xml.Root(), "");
  if (!xml.PiecesParsed()) {
    file.Clear();
    if (!xml.Parse()) {
      error = xml.ErrorText();
      return ReportReading::NotParsed;
    }
    if (isReport()) file.Load(xml.Root(), "");
  }
  return isReport() ? ReportReading::Read : ReportReading::NotReport;
}

bool ReadFolderReport(const std::filesystem::path& path, TRSVFile& file, bool titleOnly) {
  if (!titleOnly) {
    std::string error;
    return ReadReport(path, file, error) == ReportReading::Read;
  }
  TXMLFile xml;
  if (!ReadReportTitle(xml, path) || xml.Root().Name() != "Файл") return false;
  file.Load(xml.Root(), "");
  return true;
}

}  // namespace orsvelt
