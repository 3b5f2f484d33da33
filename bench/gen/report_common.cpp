#include "report_common.h"

namespace orsvelt::bench {

TSection1Totals SumSection1(const TPayroll& payroll, int quarter, bool correctedQ2) {
  TSection1Totals totals(quarter * 3);
  const TStaffing& staff = payroll.Staffing();
  for (std::uint64_t i = 0; i < staff.End(quarter); ++i)
    totals.AddPerson(payroll.Year(i, correctedQ2), payroll.Pool().Terms(i));
  return totals;
}

void WriteTitle(TXmlOut& out, const TGeneratedReport& content, const TPayer& payer, std::string_view fileId, int year) {
  out.Open("Файл").Attr("ИдФайл", fileId).Attr("ВерсПрог", "Генератор нагрузки 1.0").Attr("ВерсФорм", content.format).Body();
  out.Open("Документ")
      .Attr("КНД", "1151111")
      .Attr("ДатаДок", content.date)
      .Int("НомКорр", content.correction)
      .Attr("Период", content.period)
      .Int("ОтчетГод", year)
      .Attr("КодНО", payer.codeNO)
      .Attr("ПоМесту", "214")
      .Body();
  out.Open("СвНП");
  if (content.HeadcountOnTitle())
    out.Int("СрЧисл", content.headcount);
  else
    out.Attr("ОКВЭД", payer.okved);
  out.Attr("Тлф", payer.phone).Body();
  out.Open("НПЮЛ").Attr("НаимОрг", payer.name).Attr("ИННЮЛ", payer.inn).Attr("КПП", payer.kpp).Leaf();
  out.Close("СвНП");
  out.Open("Подписант").Attr("ПрПодп", "1").Body();
  out.Open("ФИО")
      .Attr("Фамилия", payer.signerSurname)
      .Attr("Имя", payer.signerName)
      .Attr("Отчество", payer.signerPatronymic)
      .Leaf();
  out.Close("Подписант");
  out.Open("РасчетСВ").Body();
}

void WriteEnd(TXmlOut& out) {
  out.Close("РасчетСВ");
  out.Close("Документ");
  out.Close("Файл");
}

void SumGroup(TXmlOut& out, std::string_view name, const TGroupTotals& g, int lastMonth, SumField field,
              bool withLast3Total) {
  out.Open(name).Money("СумВсегоПер", field(g.period));
  if (withLast3Total) out.Money("СумВсегоПосл3М", field(g.last3));
  out.Money("Сум1Посл3М", field(g.month[lastMonth - 3]))
      .Money("Сум2Посл3М", field(g.month[lastMonth - 2]))
      .Money("Сум3Посл3М", field(g.month[lastMonth - 1]))
      .Leaf();
}

void CountGroup(TXmlOut& out, std::string_view name, const TGroupTotals& g, int lastMonth, SumField field,
                bool withLast3Total) {
  out.Open(name).Int("КолВсегоПер", field(g.period));
  if (withLast3Total) out.Int("КолВсегоПосл3М", field(g.last3));
  out.Int("Кол1Посл3М", field(g.month[lastMonth - 3]))
      .Int("Кол2Посл3М", field(g.month[lastMonth - 2]))
      .Int("Кол3Посл3М", field(g.month[lastMonth - 1]))
      .Leaf();
}

void PaymentGroup(TXmlOut& out, std::string_view name, std::string_view kbk, const TGroupTotals& g,
                  int lastMonth, SumField field) {
  out.Open(name)
      .Attr("КБК", kbk)
      .Money("СумСВУплПер", field(g.period))
      .Money("СумСВУпл1М", field(g.month[lastMonth - 3]))
      .Money("СумСВУпл2М", field(g.month[lastMonth - 2]))
      .Money("СумСВУпл3М", field(g.month[lastMonth - 1]))
      .Leaf();
}

std::string MonthCode(int month) {
  return std::string{static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10)};
}

}  // namespace orsvelt::bench
