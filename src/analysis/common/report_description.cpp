#include "analysis/common/report_description.h"

#include "analysis/common/report_texts.h"
#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "model/rsv502/raschet.h"
#include "model/rsv505/document.h"
#include "model/rsvnalog.h"

namespace orsvelt {

namespace {

// The payer and the title figures, named alike in both formats.
template <typename Document>
void DescribeTitle(const Document& doc, ReportDescription& out) {
  out.year = doc.ОтчетГод;
  out.periodCode = doc.Период;
  out.correction = doc.НомКорр;
  if (doc.НПЮЛ) {
    out.payerName = doc.НПЮЛ->НаимОрг;
    out.inn = doc.НПЮЛ->ИННЮЛ;
    out.kpp = doc.НПЮЛ->КПП;
  } else if (doc.НПФЛ) {
    if (doc.НПФЛ->ФИО) out.payerName = FullNameOf(*doc.НПФЛ->ФИО);
    out.inn = doc.НПФЛ->ИННФЛ;
  }
  if (doc.РасчетСВ) out.persons = static_cast<int>(doc.РасчетСВ->ПерсСвСтрахЛиц.size());
}

}  // namespace

ReportDescription DescribeReport(const TRSVFile& file) {
  ReportDescription out;
  out.formatVersion = file.FormatVersion;
  if (file.Document502) {
    DescribeTitle(*file.Document502, out);
  } else if (file.Document503) {
    DescribeTitle(*file.Document503, out);
  } else if (file.Document505) {
    // The payer moved under "СвНП" in 2023.
    const TRSV505Document& doc = *file.Document505;
    out.year = doc.ОтчетГод;
    out.periodCode = doc.Период;
    out.correction = doc.НомКорр;
    if (doc.СвНП && doc.СвНП->НПЮЛ) {
      out.payerName = doc.СвНП->НПЮЛ->НаимОрг;
      out.inn = doc.СвНП->НПЮЛ->ИННЮЛ;
      out.kpp = doc.СвНП->НПЮЛ->КПП;
    } else if (doc.СвНП && doc.СвНП->НПФЛ) {
      if (doc.СвНП->НПФЛ->ФИО) out.payerName = FullNameOf(*doc.СвНП->НПФЛ->ФИО);
      out.inn = doc.СвНП->НПФЛ->ИННФЛ;
    }
    if (doc.РасчетСВ) out.persons = static_cast<int>(doc.РасчетСВ->ПерсСвСтрахЛиц.size());
  } else if (file.Document501) {
    const TRSV501Document& doc = *file.Document501;
    DescribeTitle(doc, out);
    if (doc.НПИП) {
      if (doc.НПИП->ФИОИП) out.payerName = FullNameOf(*doc.НПИП->ФИОИП);
      out.inn = doc.НПИП->ИННФЛ;
    }
  }
  return out;
}

}  // namespace orsvelt
