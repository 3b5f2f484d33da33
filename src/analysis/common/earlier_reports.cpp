#include "analysis/common/earlier_reports.h"

#include <algorithm>

#include "analysis/common/report_folder.h"
#include "analysis/common/report_title_cache.h"
#include "xml/path_text.h"
#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt {

bool IsEarlierReport(const ReportKey& candidate, const ReportKey& main) {
  if (candidate.Inn != main.Inn || candidate.Kpp != main.Kpp || candidate.Year != main.Year) return false;
  return candidate.PeriodCode < main.PeriodCode ||
         (candidate.PeriodCode == main.PeriodCode && candidate.CorrectionNumber < main.CorrectionNumber);
}

void OrderEarlierReports(std::vector<EarlierReport>& reports) {
  std::stable_sort(reports.begin(), reports.end(), [](const EarlierReport& a, const EarlierReport& b) {
    if (a.key.PeriodCode != b.key.PeriodCode) return a.key.PeriodCode < b.key.PeriodCode;
    return a.key.CorrectionNumber < b.key.CorrectionNumber;
  });
}

std::vector<EarlierReport> FindEarlierReports(const std::filesystem::path& folder, const ReportKey& main,
                                              const ReportKeyOf& keyOf, std::vector<std::string>* unreadable,
                                              ReportTitleCache* titles, ProgressSink* progress) {
  std::vector<EarlierReport> found;
  {
    // A title is all that stays of each file: the next one may take over its storage.
    const TXMLFile::SharedStorage titlesOneAfterAnother;
    for (const std::filesystem::path& path : ListReportFiles(folder)) {
      StopIfAsked(progress);
      std::shared_ptr<const TRSVFile> shared;
      TRSVFile own;
      const bool read = titles ? (shared = titles->Title(path)) != nullptr : ReadFolderReport(path, own, /*titleOnly=*/true);
      if (!read) {
        if (unreadable && own.FormatVersion.empty()) unreadable->push_back(PathToUtf8(path.filename()));
        continue;
      }
      std::optional<ReportKey> key = keyOf(shared ? *shared : own);
      if (key && IsEarlierReport(*key, main)) found.push_back({std::move(*key), path});
    }
  }
  OrderEarlierReports(found);
  return found;
}

void ReadEarlierReports(const std::vector<EarlierReport>& reports, const ReportKeyOf& keyOf,
                        const std::function<void(const EarlierReport&, const TRSVFile&, int number)>& take,
                        ProgressSink* progress, const std::function<void(const EarlierReport&)>& reading) {
  const auto total = static_cast<std::int64_t>(reports.size());
  std::int64_t done = 0;
  int number = 0;
  for (const EarlierReport& report : reports) {
    // Reported before each file: its reading is the long part.
    ReportProgress(progress, ProgressStage::EarlierFiles, done++, total);
    // Reading errors inside a report do not count: one unknown attribute must not take a
    // quarter out of every person's figures.
    if (reading) reading(report);
    TRSVFile file;
    if (!ReadFolderReport(report.path, file, /*titleOnly=*/false) || !keyOf(file)) continue;
    take(report, file, ++number);
  }
  ReportProgress(progress, ProgressStage::EarlierFiles, total, total);
}

}  // namespace orsvelt
