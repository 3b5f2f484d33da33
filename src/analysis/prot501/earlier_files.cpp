#include "analysis/prot501/earlier_files.h"

#include <algorithm>
#include <system_error>

#include "analysis/prot501/prot501.h"
#include "analysis/prot501/title_texts.h"
#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "xml/path_text.h"
#include "xml/xmlwork.h"

namespace orsvelt {

namespace {

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// Reads a report and builds its file root; false when it cannot be read, parsed or is
// no report. Reading errors inside a report do not count: one unknown attribute must not
// take a quarter out of every person's cumulative base.
bool ReadReport(const std::filesystem::path& path, TRSVFile& file) {
  TXMLFile xml;
  if (!xml.LoadFromFile(path) || !xml.Parse() || xml.Root().Name() != "Файл") return false;
  file.Load(xml.Root(), "");
  return file.Document501 != nullptr;
}

}  // namespace

bool IsReportFileName(const std::string& name) {
  constexpr std::string_view prefix = "NO_RASCHSV_";
  constexpr std::string_view suffix = ".xml";
  if (name.size() < prefix.size() + suffix.size()) return false;
  return EqualsIgnoringAsciiCase(std::string_view(name).substr(0, prefix.size()), prefix) &&
         EqualsIgnoringAsciiCase(std::string_view(name).substr(name.size() - suffix.size()), suffix);
}

std::vector<std::filesystem::path> ListReportFiles(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, ec);
  if (ec) return files;
  for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::error_code entryError;
    if (!IsReportFileName(PathToUtf8(it->path().filename()))) continue;
    if (!it->is_regular_file(entryError) || entryError) continue;
    files.push_back(it->path());
  }
  std::sort(files.begin(), files.end(),
            [](const auto& a, const auto& b) { return PathToUtf8(a.filename()) < PathToUtf8(b.filename()); });
  return files;
}

bool IsEarlierFile(const TRSV501Document& candidate, const TRSV501Document& main, const std::string& payerInn) {
  std::string inn;
  if (!PayerInnOf(candidate, inn) || inn != payerInn) return false;
  if (candidate.ОтчетГод != main.ОтчетГод) return false;
  if (candidate.Период < main.Период) return true;
  return candidate.Период == main.Период && candidate.НомКорр < main.НомКорр;
}

void OrderEarlierFiles(std::vector<EarlierFileKey>& files) {
  std::stable_sort(files.begin(), files.end(), [](const EarlierFileKey& a, const EarlierFileKey& b) {
    if (a.period != b.period) return a.period < b.period;
    return a.correction < b.correction;
  });
}

void TRSV501Prot::ReadEarlierFiles(const std::filesystem::path& folder, const TRSVFile& mainFile) {
  const TRSV501Document& main = *mainFile.Document501;
  std::vector<EarlierFileKey> taken;
  for (const std::filesystem::path& path : ListReportFiles(folder)) {
    TRSVFile candidate;
    if (!ReadReport(path, candidate)) continue;
    const TRSV501Document& doc = *candidate.Document501;
    if (IsEarlierFile(doc, main, PayerINN)) taken.push_back({doc.Период, doc.НомКорр, path});
  }
  OrderEarlierFiles(taken);

  for (const EarlierFileKey& key : taken) {
    TRSVFile file;
    if (!ReadReport(key.path, file)) continue;  // changed since it was listed
    const TRSV501Document& doc = *file.Document501;
    TRSV501EarlierFileRec& rec = EarlierFiles.emplace_back();
    rec.FileName = file.FileId + ".xml";
    rec.FormatVersion = file.FormatVersion;
    rec.PeriodText = PeriodTextOf(doc.Период, doc.ОтчетГод);
    rec.CorrectionNumber = doc.НомКорр;
    rec.PlaceText = PlaceTextOf(doc.ПоМесту);
    if (doc.РасчетСВ && !doc.РасчетСВ->ПерсСвСтрахЛиц.empty())
      AddToAccumulation(doc, static_cast<std::int32_t>(EarlierFiles.size()));
  }
}

}  // namespace orsvelt
