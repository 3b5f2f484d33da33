#include "analysis/common/report_description.h"

#include "analysis/common/report_texts.h"
#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "model/rsv502/raschet.h"
#include "model/rsv505/document.h"
#include "model/rsvnalog.h"

namespace orsvelt {

namespace {

// The title figures, named alike in every format.
template <typename Document>
void DescribeFigures(const Document& doc, ReportDescription& out) {
  out.year = doc.ОтчетГод;
  out.periodCode = doc.Период;
  out.correction = doc.НомКорр;
  if (doc.РасчетСВ) out.persons = static_cast<int>(doc.РасчетСВ->ПерсСвСтрахЛиц.size());
}

// An organisation ("НПЮЛ") or a natural person ("НПФЛ"), named alike in both formats.
template <typename Individual>
void DescribePayer(const TOrgUL* organisation, const Individual* individual, ReportDescription& out) {
  if (organisation) {
    out.payerName = organisation->НаимОрг;
    out.inn = organisation->ИННЮЛ;
    out.kpp = organisation->КПП;
  } else if (individual) {
    if (individual->ФИО) out.payerName = FullNameOf(*individual->ФИО);
    out.inn = individual->ИННФЛ;
  }
}

}  // namespace

ReportDescription DescribeReport(const TRSVFile& file) {
  ReportDescription out;
  out.formatVersion = file.FormatVersion;
  if (file.Document502 || file.Document503) {
    const TRSV502Document& doc = file.Document502 ? *file.Document502 : *file.Document503;
    DescribeFigures(doc, out);
    DescribePayer(doc.НПЮЛ.get(), doc.НПФЛ.get(), out);
  } else if (file.Document505) {
    // The payer moved under "СвНП" in 2023.
    const TRSV505Document& doc = *file.Document505;
    DescribeFigures(doc, out);
    if (doc.СвНП) DescribePayer(doc.СвНП->НПЮЛ.get(), doc.СвНП->НПФЛ.get(), out);
  } else if (file.Document501) {
    const TRSV501Document& doc = *file.Document501;
    DescribeFigures(doc, out);
    DescribePayer(doc.НПЮЛ.get(), doc.НПФЛ.get(), out);
    if (doc.НПИП) {
      if (doc.НПИП->ФИОИП) out.payerName = FullNameOf(*doc.НПИП->ФИОИП);
      out.inn = doc.НПИП->ИННФЛ;
    }
  }
  return out;
}

}  // namespace orsvelt
