#include "analysis/prot502/earlier_files.h"

#include <algorithm>

#include "analysis/common/report_folder.h"
#include "model/rsv502/document.h"
#include "xml/path_text.h"
#include "xml/xmlwork.h"

namespace orsvelt::prot502 {

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

std::vector<TRSV502ProtFileRec> FindEarlierFiles(const std::filesystem::path& folder, const TRSV502ReportTitle& main,
                                                 std::vector<std::string>* unreadable) {
  std::vector<TRSV502ProtFileRec> found;
  // A title is all that stays of each file: the next one may take over its storage.
  const TXMLFile::SharedStorage titlesOneAfterAnother;
  for (const std::filesystem::path& path : ListReportFiles(folder)) {
    TRSV502ReportFile report;
    if (!report.Load(path, true)) {
      if (unreadable && report.File().FormatVersion.empty()) unreadable->push_back(PathToUtf8(path.filename()));
      continue;
    }
    const TRSV502Document& doc = report.Document();
    if (!IsEarlierReport(TRSV502ReportTitle::Of(doc), main)) continue;
    found.push_back({PathToUtf8(path.filename()), report.File().FormatVersion, doc.ОтчетГод, doc.Период, doc.НомКорр,
                     PlaceName502(doc.ПоМесту)});
  }
  SortEarlierFiles(found);
  return found;
}

}  // namespace orsvelt::prot502
