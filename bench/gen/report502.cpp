#include <string>

#include "report_writers.h"
#include "section3_writer.h"

namespace orsvelt::bench {

namespace {

constexpr std::string_view kKbkOps = "18210202010061010160";
constexpr std::string_view kKbkOms = "18210202101081013160";
constexpr std::string_view kKbkOss = "18210202090071010160";
constexpr std::string_view kKbkOpsAdd = "18210202131061010160";

std::int64_t OssDue(const TSums& s) { return s.ossCharged - s.sickLeave; }

// From 2021 (5.03) the pension block also gives the base within the limit and the
// contributions on it.
void WriteOpsOms(TXmlOut& out, const TGroupTotals& g, int last, bool withAdd, std::string_view tariff,
                 bool withBaseWithinLimit) {
  out.Open("РасчСВ_ОПС_ОМС").Attr("ТарифПлат", tariff).Body();
  out.Open("РасчСВ_ОПС").Body();
  CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.persons; }, false);
  CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.persons; }, false);
  CountGroup(out, "ПревБазОПС", g, last, [](const TSums& s) { return s.personsOverOps; }, false);
  SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.paid; }, false);
  SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.nonTaxable; }, false);
  SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.OpsBaseAll(); }, false);
  if (withBaseWithinLimit) SumGroup(out, "БазНеПревышОПС", g, last, [](const TSums& s) { return s.opsBase; }, false);
  SumGroup(out, "БазПревышОПС", g, last, [](const TSums& s) { return s.opsExcess; }, false);
  SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.OpsChargedAll(); }, false);
  if (withBaseWithinLimit)
    SumGroup(out, "НачислСВНеПрев", g, last, [](const TSums& s) { return s.opsCharged; }, false);
  out.Close("РасчСВ_ОПС");
  out.Open("РасчСВ_ОМС").Body();
  CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.persons; }, false);
  CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.persons; }, false);
  SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.paid; }, false);
  SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.nonTaxable; }, false);
  SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.omsBase; }, false);
  SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.omsCharged; }, false);
  out.Close("РасчСВ_ОМС");
  if (withAdd) {
    out.Open("РасчСВ_ОПС428").Body();
    out.Open("РасчСВ_428.1-2").Attr("ПрОснСВДоп", "1").Body();
    CountGroup(out, "КолЛицНачСВ", g, last, [](const TSums& s) { return s.addPersons; }, false);
    SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.addPaid; }, false);
    SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.addNonTaxable; }, false);
    SumGroup(out, "БазНачислСВДоп", g, last, [](const TSums& s) { return s.addBase; }, false);
    SumGroup(out, "НачислСВДоп", g, last, [](const TSums& s) { return s.addCharged; }, false);
    out.Close("РасчСВ_428.1-2");
    out.Close("РасчСВ_ОПС428");
  }
  out.Close("РасчСВ_ОПС_ОМС");
}

void WriteOss(TXmlOut& out, const TSection1Totals& totals, int last) {
  const TGroupTotals all = totals.All();
  out.Open("РасчСВ_ОСС.ВНМ").Body();
  for (int group = 0; group < kTariffGroupCount; ++group) {
    if (!totals.HasGroup(group)) continue;
    const TGroupTotals& g = totals.Group(group);
    out.Open("РасчСВ_ОСС.ВНМКод").Attr("ТарифПлат", TariffCodeOfGroup(group)).Attr("ПризВыпл", "1").Body();
    CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.personsOss; }, false);
    CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.personsOss; }, false);
    SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.ossPaid; }, false);
    SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.ossNonTaxable; }, false);
    SumGroup(out, "БазПревышСВ", g, last, [](const TSums& s) { return s.ossExcess; }, false);
    SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.OssBaseAll(); }, false);
    SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.ossCharged; }, false);
    out.Close("РасчСВ_ОСС.ВНМКод");
  }
  SumGroup(out, "ПроизвРасхСО", all, last, [](const TSums& s) { return s.sickLeave; }, false);
  SumGroup(out, "ВозмРасхСО", all, last, [](const TSums&) -> std::int64_t { return 0; }, false);
  out.Open("УплСВПрев").Body();
  auto due = [&](std::string_view name, std::int64_t value) {
    out.Open(name).Attr("Признак", value >= 0 ? "1" : "2").Money("Сумма", value >= 0 ? value : -value).Leaf();
  };
  due("УплВсегоПер", OssDue(all.period));
  due("Упл1Посл3М", OssDue(all.month[last - 3]));
  due("Упл2Посл3М", OssDue(all.month[last - 2]));
  due("Упл3Посл3М", OssDue(all.month[last - 1]));
  out.Close("УплСВПрев");
  out.Close("РасчСВ_ОСС.ВНМ");
}

void WriteSection1(TXmlOut& out, const TPayer& payer, const TSection1Totals& totals, bool since503) {
  const int last = totals.LastMonth();
  const TGroupTotals all = totals.All();
  out.Open("ОбязПлатСВ").Attr("ТипПлат", "1").Attr("ОКТМО", payer.oktmo).Body();
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
      WriteOpsOms(out, totals.Group(group), last, group == 0 && totals.HasAddTariff(), TariffCodeOfGroup(group),
                  since503);
  WriteOss(out, totals, last);
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
        .Int("СрЧисл_9МПр", staff)
        .Int("СрЧисл_Пер", staff)
        .Int("Дох248_9МПр", staff * 5000000)
        .Int("Дох248_Пер", staff * 4000000)
        .Int("ДохКр5.427_9МПр", staff * 4700000)
        .Int("ДохКр5.427_Пер", staff * 3800000)
        .Money("ДолДох5.427_9МПр", 9400)
        .Money("ДолДох5.427_Пер", 9500)
        .Body();
    out.Open("СвРеестрОрг").Attr("ДатаЗапАкОрг", "15.03.2011").Attr("НомЗапАкОрг", "4321").Leaf();
    out.Close("ПравТариф3.1.427");
  }
  out.Close("ОбязПлатСВ");
}

}  // namespace

void WriteReport502(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId) {
  const TSection1Totals totals = SumSection1(payroll, content.quarter, content.correctedQ2);
  TXmlOut out(path);
  WriteTitle(out, content, payer, fileId, payroll.Rules().year);
  WriteSection1(out, payer, totals, content.format > "5.02");
  const TStaffing& staff = payroll.Staffing();
  for (std::uint64_t i = staff.First(content.quarter); i < staff.End(content.quarter); ++i)
    WritePerson502On(out, content, payroll, i);
  WriteEnd(out);
  out.Finish();
}

}  // namespace orsvelt::bench
