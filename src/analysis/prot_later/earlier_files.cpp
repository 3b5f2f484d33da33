#include "analysis/prot_later/earlier_files.h"

#include <algorithm>
#include <map>
#include <utility>

#include "analysis/prot502/earlier_files.h"
#include "model/rsv502/document.h"
#include "model/rsv505/document.h"
#include "model/rsvnalog.h"
#include "xml/path_text.h"

namespace orsvelt {
namespace {

template <class Document>
ReportKey TitleKey(const TRSVFile& file, const Document& doc) {
  ReportKey key;
  key.Year = doc.ОтчетГод;
  key.PeriodCode = doc.Период;
  key.CorrectionNumber = doc.НомКорр;
  key.DocumentDate = doc.ДатаДок;
  key.FormatVersion = file.FormatVersion;
  key.PlaceCode = doc.ПоМесту;
  return key;
}

std::string FileNameOf(const EarlierReport& report) { return PathToUtf8(report.path.filename()); }

// Whether a is used rather than b of the same period and correction.
bool Wins(const EarlierReport& a, const EarlierReport& b) {
  const int dateA = DateValue(a.key.DocumentDate);
  const int dateB = DateValue(b.key.DocumentDate);
  if (dateA != dateB) return dateA > dateB;
  return FileNameOf(a) > FileNameOf(b);
}

}  // namespace

std::optional<ReportKey> ReportKeyLater(const TRSVFile& file) {
  if (file.Document503) {
    const TRSV502Document& doc = *file.Document503;
    ReportKey key = TitleKey(file, doc);
    SetPayerOfKey(key, doc.НПЮЛ.get(), doc.НПФЛ.get());
    return key;
  }
  if (file.Document505) {
    const TRSV505Document& doc = *file.Document505;
    ReportKey key = TitleKey(file, doc);
    if (doc.СвНП) SetPayerOfKey(key, doc.СвНП->НПЮЛ.get(), doc.СвНП->НПФЛ.get());
    return key;
  }
  return std::nullopt;
}

int DateValue(std::string_view d) {
  if (d.size() != 10 || d[2] != '.' || d[5] != '.') return -1;
  int value = 0;
  for (std::size_t i : {6u, 7u, 8u, 9u, 3u, 4u, 0u, 1u}) {
    if (d[i] < '0' || d[i] > '9') return -1;
    value = value * 10 + (d[i] - '0');
  }
  return value;
}

void SettleDuplicates(std::vector<EarlierReport>& reports, std::vector<PassedOverReport>& passedOver) {
  // Winner of each period and correction, found in one pass.
  std::map<std::pair<std::string, std::int32_t>, std::size_t> winner;
  for (std::size_t i = 0; i < reports.size(); ++i) {
    const auto [at, added] = winner.emplace(std::make_pair(reports[i].key.PeriodCode, reports[i].key.CorrectionNumber), i);
    if (!added && Wins(reports[i], reports[at->second])) at->second = i;
  }
  // The reasons name the used file, so they are written before anything moves.
  std::vector<bool> used(reports.size(), false);
  for (std::size_t i = 0; i < reports.size(); ++i) {
    const std::size_t w = winner.at({reports[i].key.PeriodCode, reports[i].key.CorrectionNumber});
    if (w == i) {
      used[i] = true;
      continue;
    }
    const bool laterDate = DateValue(reports[w].key.DocumentDate) != DateValue(reports[i].key.DocumentDate);
    std::string reason = "не используется: тот же период и номер корректировки, ";
    reason += laterDate ? "более поздний ДатаДок у файла " : "тот же ДатаДок, используется файл ";
    reason += FileNameOf(reports[w]);
    passedOver.push_back({reports[i], std::move(reason)});
  }
  std::vector<EarlierReport> kept;
  kept.reserve(winner.size());
  for (std::size_t i = 0; i < reports.size(); ++i)
    if (used[i]) kept.push_back(std::move(reports[i]));
  reports = std::move(kept);
}

}  // namespace orsvelt
