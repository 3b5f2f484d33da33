#include "section3_writer.h"

namespace orsvelt::bench {

void WritePerson502On(TXmlOut& out, const TGeneratedReport& content, const TPayroll& payroll, std::uint64_t index) {
  const bool singleLimit = payroll.Rules().SingleLimit();
  const bool contractPaid = content.format >= "5.08";
  const TPersonTerms terms = payroll.Pool().Terms(index);
  const bool annulled = content.correctsQ2 && payroll.AnnulledInCorrection(index);
  const int first = content.LastMonth() - 2;
  const TPersonYear pay = payroll.Year(index, content.correctedQ2);
  bool rows = false, add = false;
  for (int m = first; m < first + 3; ++m) {
    rows = rows || pay[m - 1].present;
    add = add || pay[m - 1].addBase > 0;
  }
  if (singleLimit && !rows && !annulled) return;

  const TPersonIdentity id = payroll.Pool().Identity(index);
  out.Open("ПерсСвСтрахЛиц");
  if (annulled) out.Attr("ПрАннулир", "1");
  out.Body();
  out.Open("ДанФЛПолуч")
      .Attr("ИННФЛ", id.ИННФЛ)
      .Attr("СНИЛС", id.СНИЛС)
      .Attr("ДатаРожд", id.ДатаРожд)
      .Attr("Гражд", id.Гражд)
      .Attr("Пол", id.Пол)
      .Attr("КодВидДок", id.КодВидДок)
      .Attr("СерНомДок", id.СерНомДок)
      .Body();
  out.Open("ФИО").Attr("Фамилия", id.Фамилия).Attr("Имя", id.Имя).Attr("Отчество", id.Отчество).Leaf();
  out.Close("ДанФЛПолуч");

  if (!annulled && rows) {
    out.Open("СвВыплСВОПС").Body();
    out.Open("СвВыпл").Body();
    for (int m = first; m < first + 3; ++m) {
      const TMonthPay& p = pay[m - 1];
      if (!p.present) continue;
      out.Open("СвВыплМК").Int("Месяц", m - first + 1).Attr("КодКатЛиц", CategoryCode(terms.category)).Money("СумВыпл", p.paid);
      if (contractPaid) out.Money("СумВыплДог", terms.contract ? p.paid : 0);
      out.Money("ВыплОПС", p.opsBase).Money("ВыплОПСДог", p.contractBase).Money("НачислСВ", p.opsCharged).Leaf();
    }
    out.Close("СвВыпл");
    if (add) {
      out.Open("ВыплСВДоп").Body();
      for (int m = first; m < first + 3; ++m) {
        const TMonthPay& p = pay[m - 1];
        if (p.addBase <= 0) continue;
        // From 2023 the code names the worker's list: 110 is list 1 at 9 %.
        out.Open("ВыплСВДопМТ")
            .Int("Месяц", m - first + 1)
            .Attr("КодСтрахЛиц", singleLimit ? "110" : "21")
            .Money("ВыплСВ", p.addBase)
            .Money("НачислСВ", p.addCharged)
            .Leaf();
      }
      out.Close("ВыплСВДоп");
    }
    out.Close("СвВыплСВОПС");
  }
  out.Close("ПерсСвСтрахЛиц");
}

}  // namespace orsvelt::bench
