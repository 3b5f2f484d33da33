#include <string>

#include "report_writers.h"
#include "section3_writer.h"

namespace orsvelt::bench {

namespace {

// One КБК for pension, social and medical insurance at the single tariff.
constexpr std::string_view kKbkSingle = "18210201000011000160";
constexpr std::string_view kKbkOpsAdd = "18210203010011000160";

// The block of one tariff code: the 13 indicators, the base and contributions split at
// the single limit.
void WriteTariffBlock(TXmlOut& out, const TGroupTotals& g, int last, std::string_view tariff) {
  out.Open("РасчСВ_ОПС_ОМС").Attr("ТарифПлат", tariff).Body();
  out.Open("РасчСВ_ОПСОМС").Body();
  CountGroup(out, "КолСтрахЛицВс", g, last, [](const TSums& s) { return s.persons; }, false);
  CountGroup(out, "КолЛицНачСВВс", g, last, [](const TSums& s) { return s.persons; }, false);
  CountGroup(out, "НеПревБазОПС", g, last, [](const TSums& s) { return s.persons - s.personsOverOps; }, false);
  CountGroup(out, "ПревБазОПС", g, last, [](const TSums& s) { return s.personsOverOps; }, false);
  SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.paid; }, false);
  SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.nonTaxable; }, false);
  SumGroup(out, "РасхПринВыч", g, last, [](const TSums&) -> std::int64_t { return 0; }, false);
  SumGroup(out, "БазНачислСВ", g, last, [](const TSums& s) { return s.OpsBaseAll(); }, false);
  SumGroup(out, "БазНеПревышОПС", g, last, [](const TSums& s) { return s.opsBase; }, false);
  SumGroup(out, "БазПревышОПС", g, last, [](const TSums& s) { return s.opsExcess; }, false);
  SumGroup(out, "НачислСВ", g, last, [](const TSums& s) { return s.OpsChargedAll(); }, false);
  SumGroup(out, "НачислСВНеПрев", g, last, [](const TSums& s) { return s.opsCharged; }, false);
  SumGroup(out, "НачислСВПрев", g, last, [](const TSums& s) { return s.opsChargedAbove; }, false);
  out.Close("РасчСВ_ОПСОМС");
  out.Close("РасчСВ_ОПС_ОМС");
}

void WriteSection1(TXmlOut& out, const TPayer& payer, const TSection1Totals& totals) {
  const int last = totals.LastMonth();
  const TGroupTotals all = totals.All();
  out.Open("ОбязПлатСВ").Attr("ТипПлат", "1").Attr("ОКТМО", payer.oktmo).Body();
  PaymentGroup(out, "УплПерОПС", kKbkSingle, all, last, [](const TSums& s) { return s.OpsChargedAll(); });
  if (totals.HasAddTariff())
    PaymentGroup(out, "УплПерОПСДоп", kKbkOpsAdd, all, last, [](const TSums& s) { return s.addCharged; });
  for (int group = 0; group < kTariffGroupCount; ++group)
    if (totals.HasGroup(group)) WriteTariffBlock(out, totals.Group(group), last, TariffCodeOfGroup(group));
  if (totals.HasAddTariff()) {
    // Basis 1: list 1 of the pension law, 9 %.
    const TGroupTotals& g = totals.Group(0);
    out.Open("РасчСВ_ОПС428").Attr("КодОснов", "1").Body();
    CountGroup(out, "КолЛицНачСВ", g, last, [](const TSums& s) { return s.addPersons; }, false);
    SumGroup(out, "ВыплНачислФЛ", g, last, [](const TSums& s) { return s.addPaid; }, false);
    SumGroup(out, "НеОбложенСВ", g, last, [](const TSums& s) { return s.addNonTaxable; }, false);
    SumGroup(out, "БазНачислСВДоп", g, last, [](const TSums& s) { return s.addBase; }, false);
    SumGroup(out, "НачислСВДоп", g, last, [](const TSums& s) { return s.addCharged; }, false);
    out.Close("РасчСВ_ОПС428");
  }
  if (totals.HasGroup(1)) {
    const std::int64_t staff = totals.Group(1).period.persons;
    out.Open("ПравТариф3_18.1.427")
        .Attr("КодПлат", "1")
        .Int("Дох427_Пер", staff * 4000000)
        .Int("ДохКр5.427_Пер", staff * 3800000)
        .Money("ДолДох5.427_Пер", 9500)
        .Body();
    out.Open("СвРеестрОрг").Attr("ДатаЗапОрг", "15.03.2011").Attr("НомЗапОрг", "4321").Leaf();
    out.Close("ПравТариф3_18.1.427");
  }
  out.Close("ОбязПлатСВ");
}

}  // namespace

void WriteReport505(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId) {
  const TSection1Totals totals = SumSection1(payroll, content.quarter, content.correctedQ2);
  TXmlOut out(path);
  WriteTitle(out, content, payer, fileId, payroll.Rules().year);
  WriteSection1(out, payer, totals);
  const TStaffing& staff = payroll.Staffing();
  for (std::uint64_t i = staff.First(content.quarter); i < staff.End(content.quarter); ++i)
    WritePerson502On(out, content, payroll, i);
  WriteEnd(out);
  out.Finish();
}

}  // namespace orsvelt::bench
