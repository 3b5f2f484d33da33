#include <string>

#include "report_writers.h"

namespace orsvelt::bench {

namespace {

constexpr std::string_view kKbkOps = "18210202010061010160";
constexpr std::string_view kKbkOms = "18210202101081013160";
constexpr std::string_view kKbkOss = "18210202090071010160";
constexpr std::string_view kKbkOpsAdd = "18210202131061010160";

void WriteOpsOms(TXmlOut& out, const TGroupTotals& g, int last, bool withAdd, std::string_view tariff) {
  out.Open("РасчСВ_ОПС_ОМС").Attr("ТарифПлат", tariff).Body();
  out.Open("РасчСВ_ОПС").Body();
  CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.persons; }, true);
  CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.persons; }, true);
  CountGroup(out, "ПревБазОПС", g, last, [](const TSums& s) { return s.personsOverOps; }, true);
  SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.paid; }, true);
  SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.nonTaxable; }, true);
  SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.OpsBaseAll(); }, true);
  SumGroup(out, "БазПревышОПС", g, last, [](const TSums& s) { return s.opsExcess; }, true);
  SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.OpsChargedAll(); }, true);
  SumGroup(out, "НачислСВНеПрев", g, last, [](const TSums& s) { return s.opsCharged; }, true);
  SumGroup(out, "НачислСВПрев", g, last, [](const TSums& s) { return s.opsChargedAbove; }, true);
  out.Close("РасчСВ_ОПС");
  out.Open("РасчСВ_ОМС").Body();
  CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.persons; }, true);
  CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.persons; }, true);
  SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.paid; }, true);
  SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.nonTaxable; }, true);
  SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.omsBase; }, true);
  SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.omsCharged; }, true);
  out.Close("РасчСВ_ОМС");
  if (withAdd) {
    out.Open("РасчСВ_ОПС428").Body();
    out.Open("РасчСВ_428.1-2").Attr("ПрОснСВДоп", "1").Body();
    CountGroup(out, "КолЛицНачСВ", g, last, [](const TSums& s) { return s.addPersons; }, true);
    SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.addPaid; }, true);
    SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.addNonTaxable; }, true);
    SumGroup(out, "БазНачислСВДоп", g, last, [](const TSums& s) { return s.addBase; }, true);
    SumGroup(out, "НачислСВДоп", g, last, [](const TSums& s) { return s.addCharged; }, true);
    out.Close("РасчСВ_428.1-2");
    out.Close("РасчСВ_ОПС428");
  }
  out.Close("РасчСВ_ОПС_ОМС");
}

std::int64_t OssDue(const TSums& s) { return s.ossCharged - s.sickLeave; }

void WriteOss(TXmlOut& out, const TGroupTotals& all, int last) {
  out.Open("РасчСВ_ОСС.ВНМ").Attr("ПризВыпл", "1").Body();
  CountGroup(out, "КолСтрахЛицВс", all, last, [](const TSums& s) { return s.personsOss; }, true);
  SumGroup(out, "ВыплНачислФЛ", all, last, [](const TSums& s) { return s.ossPaid; }, true);
  SumGroup(out, "НеОбложенСВ", all, last, [](const TSums& s) { return s.ossNonTaxable; }, true);
  SumGroup(out, "БазПревышСВ", all, last, [](const TSums& s) { return s.ossExcess; }, true);
  SumGroup(out, "БазНачислСВ", all, last, [](const TSums& s) { return s.OssBaseAll(); }, true);
  const SumField zero = [](const TSums&) -> std::int64_t { return 0; };
  SumGroup(out, "БазНачСВФарм", all, last, zero, true);
  SumGroup(out, "БазНачСВЧлЭС", all, last, zero, true);
  SumGroup(out, "БазНачСВПат", all, last, zero, true);
  SumGroup(out, "БазНачСВИнЛиц", all, last, zero, true);
  SumGroup(out, "НачислСВ", all, last, [](const TSums& s) { return s.ossCharged; }, true);
  SumGroup(out, "ПроизвРасхСО", all, last, [](const TSums& s) { return s.sickLeave; }, true);
  SumGroup(out, "ВозмРасхСО", all, last, zero, true);
  out.Open("УплСВПрев").Body();
  auto due = [&](std::string_view name, std::int64_t value) {
    out.Open(name).Attr("Признак", value >= 0 ? "1" : "2").Money("Сумма", value >= 0 ? value : -value).Leaf();
  };
  due("УплВсегоПер", OssDue(all.period));
  due("УплВсегоПосл3М", OssDue(all.last3));
  due("Упл1Посл3М", OssDue(all.month[last - 3]));
  due("Упл2Посл3М", OssDue(all.month[last - 2]));
  due("Упл3Посл3М", OssDue(all.month[last - 1]));
  out.Close("УплСВПрев");
  out.Close("РасчСВ_ОСС.ВНМ");
}

void WriteSection1(TXmlOut& out, const TPayer& payer, const TSection1Totals& totals) {
  const int last = totals.LastMonth();
  const TGroupTotals all = totals.All();
  out.Open("ОбязПлатСВ").Attr("ОКТМО", payer.oktmo).Body();
  PaymentGroup(out, "УплПерОПС", kKbkOps, all, last, [](const TSums& s) { return s.OpsChargedAll(); });
  PaymentGroup(out, "УплПерОМС", kKbkOms, all, last, [](const TSums& s) { return s.omsCharged; });
  if (totals.HasAddTariff())
    PaymentGroup(out, "УплПерОПСДоп", kKbkOpsAdd, all, last, [](const TSums& s) { return s.addCharged; });
  out.Open("УплПревОСС").Attr("КБК", kKbkOss).Body();
  auto positive = [](std::int64_t v) { return v > 0 ? v : 0; };
  out.Open("УплПерОСС")
      .Money("СумСВУплПер", positive(OssDue(all.period)))
      .Money("СумСВУпл1М", positive(OssDue(all.month[last - 3])))
      .Money("СумСВУпл2М", positive(OssDue(all.month[last - 2])))
      .Money("СумСВУпл3М", positive(OssDue(all.month[last - 1])))
      .Leaf();
  if (OssDue(all.period) < 0) {
    out.Open("ПревРасхОСС")
        .Money("ПревРасхСВПер", positive(-OssDue(all.period)))
        .Money("ПревРасхСВ1М", positive(-OssDue(all.month[last - 3])))
        .Money("ПревРасхСВ2М", positive(-OssDue(all.month[last - 2])))
        .Money("ПревРасхСВ3М", positive(-OssDue(all.month[last - 1])))
        .Leaf();
  }
  out.Close("УплПревОСС");
  for (int group = 0; group < kTariffGroupCount; ++group)
    if (totals.HasGroup(group))
      WriteOpsOms(out, totals.Group(group), last, group == 0 && totals.HasAddTariff(), TariffCodeOfGroup(group));
  WriteOss(out, all, last);
  out.Open("РасхОССЗак").Body();
  out.Open("ПосВрНетр")
      .Int("ЧислСлуч", all.period.sickCases)
      .Int("КолВыпл", all.period.sickCases)
      .Money("РасхВсего", all.period.sickLeave)
      .Money("РасхФинФБ", 0)
      .Leaf();
  out.Open("Итого").Money("РасхВсего", all.period.sickLeave).Money("РасхФинФБ", 0).Leaf();
  out.Close("РасхОССЗак");
  if (totals.HasGroup(1)) {
    const std::int64_t staff = totals.Group(1).period.persons;
    out.Open("ПравТариф3.1.427")
        .Int("СрЧисл_Пер", staff)
        .Int("Дох248_Пер", staff * 4000000)
        .Int("ДохКр5.427_Пер", staff * 3800000)
        .Money("ДолДох5.427_Пер", 9500)
        .Body();
    out.Open("СвРеестрАкОрг").Attr("ДатаЗапАкОрг", "15.03.2011").Attr("НомЗапАкОрг", "4321").Leaf();
    out.Close("ПравТариф3.1.427");
  }
  out.Close("ОбязПлатСВ");
}

void WritePerson(TXmlOut& out, const TGeneratedReport& content, const TPayroll& payroll, std::uint64_t index,
                 std::int64_t number, int year) {
  const TPersonTerms terms = payroll.Pool().Terms(index);
  const TPersonIdentity id = payroll.Pool().Identity(index);
  const TPersonYear pay = payroll.Year(index, content.correctedQ2);
  const bool annulled = content.correctsQ2 && payroll.AnnulledInCorrection(index);
  const bool marked = content.correctsQ2 && (annulled || payroll.ChangedInCorrection(index));
  const int first = content.LastMonth() - 2;

  out.Open("ПерсСвСтрахЛиц")
      .Int("НомКорр", marked ? content.correction : 0)
      .Attr("Период", content.period)
      .Int("ОтчетГод", year)
      .Int("Номер", number)
      .Attr("Дата", content.date)
      .Body();
  out.Open("ДанФЛПолуч")
      .Attr("ИННФЛ", id.ИННФЛ)
      .Attr("СНИЛС", id.СНИЛС)
      .Attr("ДатаРожд", id.ДатаРожд)
      .Attr("Гражд", id.Гражд)
      .Attr("Пол", id.Пол)
      .Attr("КодВидДок", id.КодВидДок)
      .Attr("СерНомДок", id.СерНомДок)
      .Attr("ПризОПС", "1")
      .Attr("ПризОМС", "1")
      .Attr("ПризОСС", terms.contract ? "2" : "1")
      .Body();
  out.Open("ФИО").Attr("Фамилия", id.Фамилия).Attr("Имя", id.Имя).Attr("Отчество", id.Отчество).Leaf();
  out.Close("ДанФЛПолуч");

  // An annulled person of a 5.01 correction is filed with zero amounts.
  bool rows = annulled;
  TMonthPay sum;
  bool add = false;
  for (int m = first; m < first + 3; ++m) {
    const TMonthPay& p = pay[m - 1];
    rows = rows || p.present;
    add = add || p.addBase > 0;
    sum.paid += p.paid;
    sum.opsBase += p.opsBase;
    sum.contractBase += p.contractBase;
    sum.opsCharged += p.opsCharged;
    sum.addBase += p.addBase;
    sum.addCharged += p.addCharged;
  }
  if (rows) {
    out.Open("СвВыплСВОПС").Body();
    out.Open("СвВыпл")
        .Money("СумВыплВс3", sum.paid)
        .Money("ВыплОПСВс3", sum.opsBase)
        .Money("ВыплОПСДогВс3", sum.contractBase)
        .Money("НачислСВВс3", sum.opsCharged)
        .Body();
    for (int m = first; m < first + 3; ++m) {
      const TMonthPay& p = pay[m - 1];
      if (!p.present && !annulled) continue;
      out.Open("СвВыплМК")
          .Attr("Месяц", MonthCode(m))
          .Attr("КодКатЛиц", CategoryCode(terms.category))
          .Money("СумВыпл", p.paid)
          .Money("ВыплОПС", p.opsBase)
          .Money("ВыплОПСДог", p.contractBase)
          .Money("НачислСВ", p.opsCharged)
          .Leaf();
    }
    out.Close("СвВыпл");
    if (add) {
      out.Open("ВыплСВДоп").Money("ВыплСВВс3", sum.addBase).Money("НачислСВВс3", sum.addCharged).Body();
      for (int m = first; m < first + 3; ++m) {
        const TMonthPay& p = pay[m - 1];
        if (p.addBase <= 0) continue;
        out.Open("ВыплСВДопМТ")
            .Attr("Месяц", MonthCode(m))
            .Attr("Тариф", "21")
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

}  // namespace

void WriteReport501(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId) {
  const int year = payroll.Rules().year;
  const TSection1Totals totals = SumSection1(payroll, content.quarter, content.correctedQ2);
  TXmlOut out(path);
  WriteTitle(out, content, payer, fileId, year);
  WriteSection1(out, payer, totals);
  const TStaffing& staff = payroll.Staffing();
  for (std::uint64_t i = staff.First(content.quarter); i < staff.End(content.quarter); ++i)
    WritePerson(out, content, payroll, i, static_cast<std::int64_t>(i - staff.First(content.quarter) + 1), year);
  WriteEnd(out);
  out.Finish();
}

}  // namespace orsvelt::bench
