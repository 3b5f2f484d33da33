#include "analysis/prot502/earlier_files.h"

#include "model/rsv502/document.h"
#include "model/rsvnalog.h"

namespace orsvelt {

std::optional<ReportKey> ReportKey502(const TRSVFile& file) {
  if (!file.Document502) return std::nullopt;
  const TRSV502Document& doc = *file.Document502;
  ReportKey key;
  SetPayerOfKey(key, doc.НПЮЛ.get(), doc.НПФЛ.get());
  key.Year = doc.ОтчетГод;
  key.PeriodCode = doc.Период;
  key.CorrectionNumber = doc.НомКорр;
  return key;
}

}  // namespace orsvelt
