#include "analysis/prot502/report_file.h"

#include "analysis/common/report_folder.h"
#include "model/rsv502/document.h"
#include "reference/rsv502_sprav.h"
#include "xml/xmlwork.h"

namespace orsvelt {

TRSV502ReportTitle TRSV502ReportTitle::Of(const TRSV502Document& doc) {
  TRSV502ReportTitle title;
  if (doc.НПЮЛ) {
    title.Inn = doc.НПЮЛ->ИННЮЛ;
    title.Kpp = doc.НПЮЛ->КПП;
  } else if (doc.НПФЛ) {
    title.Inn = doc.НПФЛ->ИННФЛ;
  }
  title.ReportYear = doc.ОтчетГод;
  title.PeriodCode = doc.Период;
  title.CorrectionNumber = doc.НомКорр;
  return title;
}

std::string PlaceName502(std::string_view code) {
  TRSV502Sprav places;
  places.Fill(sprPlace);
  const std::string_view text = places.Lookup(code);
  return text.empty() ? std::string("Не удалось определить") : std::string(text);
}

bool TRSV502ReportFile::Load(const std::filesystem::path& path, bool titleOnly) {
  // The model copies what it needs; the text and the tree go before the analysis.
  if (!ReadFolderReport(path, file_, titleOnly)) return false;
  return file_.Document502 != nullptr;
}

}  // namespace orsvelt
