// Section 1 against section 3 and within section 1 for the layout of 2021-2022 (5.03, 5.04:
// the pension and medical blocks per tariff, "БазНеПревышОПС" possibly absent) and for
// categories or tariffs whose tie is not known.

#include <gtest/gtest.h>

#include <limits>

#include "hand_views.h"
#include "later_checks.h"

namespace orsvelt::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kSnils = "112-233-445 95";

// Q1 2022: one person at 10 000.00 a month on tariff 01, pension 22 %, medical 5.1 %.
HandView Quarter2022() {
  HandView h("5.04", "2022", "21");
  h.AddPerson(kSnils, "11223344595",
              {Row(1, "НР", Rub(10000), Rub(10000), Rub(2200)), Row(2, "НР", Rub(10000), Rub(10000), Rub(2200)),
               Row(3, "НР", Rub(10000), Rub(10000), Rub(2200))});
  h.AddTariff("01", "РасчСВ_ОПС",
              {AmountLine("ВыплНачислФЛ", Rub(30000), Rub(10000), Rub(10000), Rub(10000)),
               AmountLine("НеОбложенСВ", 0, 0, 0, 0),
               AmountLine("БазНачислСВ", Rub(30000), Rub(10000), Rub(10000), Rub(10000)),
               AmountLine("БазПревышОПС", 0, 0, 0, 0),
               AmountLine("НачислСВ", Rub(6600), Rub(2200), Rub(2200), Rub(2200)),
               AmountLine("НачислСВНеПрев", Rub(6600), Rub(2200), Rub(2200), Rub(2200))});
  view::Block& oms = h.view.section1.tariffs[0].blocks.emplace_back();
  oms.name = "РасчСВ_ОМС";
  oms.lines = {AmountLine("ВыплНачислФЛ", Rub(30000), Rub(10000), Rub(10000), Rub(10000)),
               AmountLine("НеОбложенСВ", 0, 0, 0, 0),
               AmountLine("БазНачислСВ", Rub(30000), Rub(10000), Rub(10000), Rub(10000)),
               AmountLine("НачислСВ", Rub(1530), Rub(510), Rub(510), Rub(510))};
  h.view.section1.payable = {AmountLine("УплПерОПС", Rub(6600), Rub(2200), Rub(2200), Rub(2200)),
                             AmountLine("УплПерОМС", Rub(1530), Rub(510), Rub(510), Rub(510))};
  return h;
}

std::vector<std::string> AllLaterFindings(const HandView& h) {
  std::vector<std::string> out;
  for (const char* id : {"L-R1", "L-R2", "L-R3", "L-R4", "L-R5", "L-R6", "L-C1", "L-C2", "L-C3", "L-C4", "L-C8"})
    for (const std::string& b : Briefs(RunRow(id, ContextOf(h.view)))) out.push_back(b);
  return out;
}

TEST(SectionTieChecks, TheLayoutOf2022AgreesWithItsPersons) {
  EXPECT_EQ(AllLaterFindings(Quarter2022()), Strings{});
}

TEST(SectionTieChecks, TheBaseOf2022IsTheBaseLessTheBaseAboveTheLimit) {
  HandView h = Quarter2022();
  h.view.section1.tariffs[0].blocks[0].lines[3] = AmountLine("БазПревышОПС", Rub(1), 0, Rub(1), 0);
  EXPECT_EQ(Briefs(RunRow("L-R1", ContextOf(h.view))), Strings{"L-R1 m2 01 9999.00/10000.00"});
}

TEST(SectionTieChecks, PayableOfEachKindAgainstItsBlocks) {
  HandView h = Quarter2022();
  h.view.section1.payable[1] = AmountLine("УплПерОМС", Rub(1530), Rub(510), Rub(511), Rub(510));
  const auto found = RunRow("L-R4", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), Strings{"L-R4 m2 511.00/510.00"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("УплПерОМС и НачислСВ (РасчСВ_ОМС)"), std::string::npos) << found[0].text;
}

TEST(SectionTieChecks, BlockLinesOf2022) {
  HandView h = Quarter2022();
  // The medical block's base is payments less non-taxable amounts; deductions may be absent.
  h.view.section1.tariffs[0].blocks[1].lines[1] = AmountLine("НеОбложенСВ", Rub(3), Rub(1), Rub(1), Rub(1));
  EXPECT_EQ(Briefs(RunRow("L-R5", ContextOf(h.view))),
            (Strings{"L-R5 01 30000.00/29997.00", "L-R5 m1 01 10000.00/9999.00", "L-R5 m2 01 10000.00/9999.00",
                     "L-R5 m3 01 10000.00/9999.00"}));
}

TEST(SectionTieChecks, RowsOfAKnownTariffSection1LacksAreCompared) {
  HandView h = Quarter2022();
  h.AddPerson("123-456-789 64", "12345678964", {Row(2, "МС", Rub(500), Rub(500), Rub(50))});
  const auto found = RunRow("L-R1", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), Strings{"L-R1 m2 20 0.00/500.00"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("в разделе 1 нет тарифа 20"), std::string::npos);
}

TEST(SectionTieChecks, UnknownTiesAreNotComparedAndSaidOnce) {
  HandView h = Quarter2022();
  h.AddTariff("07", "РасчСВ_ОПС", {AmountLine("БазНеПревышОПС", Rub(9), Rub(3), Rub(3), Rub(3))});
  h.AddPerson("123-456-789 64", "12345678964",
              {Row(1, "КРС", Rub(500), Rub(500)), Row(2, "КРС", Rub(500), Rub(500))});
  const auto found = RunRow("L-R1", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), (Strings{"L-R1 info 07", "L-R1 info"}));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NE(found[0].text.find("тарифа 07"), std::string::npos);
  EXPECT_NE(found[1].text.find("категории КРС"), std::string::npos);
}

TEST(SectionTieChecks, ACorrectionAloneSaysSo) {
  HandView h = Quarter2022();
  h.view.section3.rows[0].base = Rub(9000);
  auto c = ContextOf(h.view);
  c.correctionAlone = true;
  const auto found = RunRow("L-R1", c);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("сверен сам по себе"), std::string::npos);
}

// Figures at the type's limits stop there instead of wrapping round to the other sign.
TEST(SectionTieChecks, FiguresAtTheLimitsOfTheTypeStopThere) {
  constexpr Amount kMax = std::numeric_limits<Amount>::max(), kMin = std::numeric_limits<Amount>::min();
  HandView h("5.04", "2022", "31");
  h.AddTariff("01", "РасчСВ_ОМС",
              {AmountLine("ВыплНачислФЛ", kMax, kMax, 0, 0), AmountLine("НеОбложенСВ", kMin, kMin, 0, 0),
               AmountLine("БазНачислСВ", kMax, kMax, 0, 0)});
  auto c = ContextOf(h.view);
  EXPECT_EQ(Briefs(RunRow("L-R5", c)), Strings{});
  checks::EarlierReport before;
  before.period = "21";
  before.section1 = checks::CopySection1(h.view.section1);
  c.previous = &before;
  // Since the start: kMax + kMax stops at kMax, kMin + kMin at kMin.
  EXPECT_EQ(Briefs(RunRow("L-R6", c)), Strings{});
}

}  // namespace
}  // namespace orsvelt::test
