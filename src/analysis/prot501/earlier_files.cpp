#include "analysis/prot501/earlier_files.h"

#include <algorithm>
#include <system_error>

#include "analysis/common/report_folder.h"
#include "analysis/checks/year_checks.h"
#include "analysis/prot501/prot501.h"
#include "analysis/prot501/title_texts.h"
#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "xml/path_text.h"
#include "xml/xmlwork.h"

namespace orsvelt {

namespace {

// Reads a report and builds its file root; false when it cannot be read, parsed or is
// no report. Reading errors inside a report do not count: one unknown attribute must not
// take a quarter out of every person's cumulative base.
// With titleOnly the calculation bodies are left out: enough to choose the earlier files.
bool ReadReport501(const std::filesystem::path& path, TRSVFile& file, bool titleOnly) {
  if (!ReadFolderReport(path, file, titleOnly)) return false;
  return file.Document501 != nullptr;
}

// A separate division of an organisation files its own reports under the same INN with
// its own KPP; its persons are not the head office's.
std::string_view KppOf(const TRSV501Document& doc) { return doc.НПЮЛ ? std::string_view(doc.НПЮЛ->КПП) : ""; }

}  // namespace

bool IsEarlierFile(const TRSV501Document& candidate, const TRSV501Document& main, const std::string& payerInn) {
  std::string inn;
  if (!PayerInnOf(candidate, inn) || inn != payerInn) return false;
  if (KppOf(candidate) != KppOf(main)) return false;
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
  {
    // A title is all that stays of each file: the next one may take over its storage.
    const TXMLFile::SharedStorage titlesOneAfterAnother;
    for (const std::filesystem::path& path : ListReportFiles(folder)) {
      TRSVFile candidate;
      if (!ReadReport501(path, candidate, /*titleOnly=*/true)) {
        if (yearChecks_ && candidate.FormatVersion.empty()) yearChecks_->NoteUnreadable(PathToUtf8(path.filename()));
        continue;
      }
      const TRSV501Document& doc = *candidate.Document501;
      if (IsEarlierFile(doc, main, PayerINN)) taken.push_back({doc.Период, doc.НомКорр, path});
    }
  }
  OrderEarlierFiles(taken);

  for (const EarlierFileKey& key : taken) {
    TRSVFile file;
    if (!ReadReport501(key.path, file, /*titleOnly=*/false)) continue;  // changed since it was listed
    const TRSV501Document& doc = *file.Document501;
    TRSV501EarlierFileRec& rec = EarlierFiles.emplace_back();
    rec.FileName = file.FileId + ".xml";
    rec.FormatVersion = file.FormatVersion;
    rec.PeriodText = PeriodTextOf(doc.Период, doc.ОтчетГод);
    rec.CorrectionNumber = doc.НомКорр;
    rec.PlaceText = PlaceTextOf(doc.ПоМесту);
    if (yearChecks_) yearChecks_->AddEarlier(file);
    if (doc.РасчетСВ && !doc.РасчетСВ->ПерсСвСтрахЛиц.empty())
      AddToAccumulation(doc, static_cast<std::int32_t>(EarlierFiles.size()));
  }
}

}  // namespace orsvelt
