// Section 3 rows of the later formats on their own: the base within the payments, the
// contract base within the base, and contributions at the category's rate of the year
// (2021-2022 the pension rate, from 2023 the single tariff), a rate not known said once.

#include <gtest/gtest.h>

#include "hand_views.h"
#include "later_checks.h"

namespace orsvelt::test {
namespace {

using Strings = std::vector<std::string>;

constexpr const char* kSnils = "112-233-445 95";
constexpr const char* kDigits = "11223344595";

TEST(PersonRowChecks, BaseWithinPaymentsAndContractBaseWithinBase) {
  HandView h("5.06", "2024", "21");
  h.AddPerson(kSnils, kDigits,
              {Row(1, "НР", Rub(1000), Rub(1000), Rub(300), Rub(1000)),
               Row(2, "НР", Rub(1000), Rub(1000, 1), Rub(300)),
               Row(3, "НР", Rub(1000), Rub(500), Rub(150), Rub(500, 1))});
  const auto found = RunRow("L-C3", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), (Strings{"L-C3 m2 01 112-233-445 95 1000.01/1000.00",
                                    "L-C3 m3 01 112-233-445 95 500.01/500.00"}));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NE(found[0].text.find("ВыплОПС > СумВыпл"), std::string::npos);
  EXPECT_NE(found[1].text.find("ВыплОПСДог > ВыплОПС"), std::string::npos);
}

TEST(PersonRowChecks, ContributionsWithinAKopeckOfTheRate) {
  HandView h("5.06", "2024", "21");
  // 30 % of 55 599.25 is 16 679.775: either kopeck is right.
  h.AddPerson(kSnils, kDigits,
              {Row(1, "НР", Rub(55599, 25), Rub(55599, 25), Rub(16679, 78)),
               Row(2, "НР", Rub(55599, 25), Rub(55599, 25), Rub(16679, 77)),
               Row(3, "НР", Rub(55599, 25), Rub(55599, 25), Rub(16679, 76)),
               Row(3, "ОДИТ", Rub(10000), Rub(10000), Rub(760))});
  const auto found = RunRow("L-C4", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), Strings{"L-C4 m3 01 112-233-445 95 16679.76/16679.78"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("НачислСВ = ВыплОПС × 30 %"), std::string::npos) << found[0].text;
}

TEST(PersonRowChecks, TwentyTwentyTwoContributionsArePensionContributions) {
  HandView h("5.04", "2022", "21");
  h.AddPerson(kSnils, kDigits,
              {Row(1, "НР", Rub(10000), Rub(10000), Rub(2200)), Row(1, "МС", Rub(5000), Rub(5000), Rub(500)),
               Row(2, "ОДИТ", Rub(10000), Rub(10000), Rub(600)), Row(3, "НР", Rub(10000), Rub(10000), Rub(3000))});
  EXPECT_EQ(Briefs(RunRow("L-C4", ContextOf(h.view))), Strings{"L-C4 m3 01 112-233-445 95 3000.00/2200.00"});
}

TEST(PersonRowChecks, ACategoryOfUnknownRateIsNotCheckedOnce) {
  HandView h("5.06", "2024", "21");
  h.AddPerson(kSnils, kDigits,
              {Row(1, "КРС", Rub(1000), Rub(1000), Rub(1)), Row(2, "КРС", Rub(1000), Rub(1000), Rub(999)),
               Row(3, "АСБ", Rub(1000), Rub(0), Rub(0))});
  const auto found = RunRow("L-C4", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), Strings{"L-C4 info"});
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].text.find("категории КРС"), std::string::npos) << found[0].text;
  EXPECT_EQ(found[0].severity, checks::Severity::Info);
}

// Rows of months outside the checked quarter belong to another report.
TEST(PersonRowChecks, OnlyTheQuartersMonthsAreChecked) {
  HandView h("5.06", "2024", "31");
  h.AddPerson(kSnils, kDigits, {Row(1, "НР", Rub(1), Rub(1000), Rub(1), Rub(2000))});
  const auto c = ContextOf(h.view);
  EXPECT_EQ(Briefs(RunRow("L-C3", c)), Strings{});
  EXPECT_EQ(Briefs(RunRow("L-C4", c)), Strings{});
}

// Persons of art. 431 p. 6.2 listed in section 1 with their own base since the start.
view::Block PaidPerson(std::string_view snils, view::Line paid, view::Line base) {
  view::Block b;
  b.name = "СвФЛВыпл6.2.431";
  b.codes = {{"СНИЛС", snils}};
  b.lines = {std::move(paid), std::move(base)};
  return b;
}

TEST(PersonRowChecks, PaidPersonsOfArticle431BaseWithinLimitAndPayments) {
  HandView h("5.07", "2025", "34");
  auto& blocks = h.view.section1.blocks;
  blocks.push_back(PaidPerson(kSnils, AmountLine("СумВыплат", Rub(3000000), Rub(100), Rub(100), Rub(100)),
                              AmountLine("БазаИсч", Rub(2759000), Rub(100), Rub(100), Rub(100))));
  const auto c = ContextOf(h.view);
  EXPECT_EQ(Briefs(RunRow("L-C8", c)), Strings{});

  blocks[0].lines[1] = AmountLine("БазаИсч", Rub(2759000, 1), Rub(100), Rub(100, 1), Rub(100));
  const auto found = RunRow("L-C8", ContextOf(h.view));
  EXPECT_EQ(Briefs(found), (Strings{"L-C8 112-233-445 95 2759000.01/2759000.00",
                                    "L-C8 m11 112-233-445 95 100.01/100.00"}));
  ASSERT_EQ(found.size(), 2u);
  EXPECT_NE(found[1].text.find("БазаИсч > СумВыплат"), std::string::npos);

  // A year of unknown limit checks the payments only.
  HandView unknownYear("5.08", "2027", "21");
  unknownYear.view.section1.blocks = blocks;
  EXPECT_EQ(Briefs(RunRow("L-C8", ContextOf(unknownYear.view))),
            (Strings{"L-C8 m2 112-233-445 95 100.01/100.00", "L-C8 info"}));

  // Since the start against the previous quarter's report, person by person (L-R6).
  checks::EarlierReport before;
  before.period = "33";
  before.section1.section1.present = true;
  before.section1.section1.blocks.push_back(PaidPerson(kSnils, AmountLine("СумВыплат", Rub(2999700), 0, 0, 0),
                                                       AmountLine("БазаИсч", Rub(2758700), 0, 0, 0)));
  auto later = ContextOf(h.view);
  later.previous = &before;
  EXPECT_EQ(Briefs(RunRow("L-R6", later)), Strings{});
  before.section1.section1.blocks[0].lines[1] = AmountLine("БазаИсч", Rub(2758700, 2), 0, 0, 0);
  const auto carried = RunRow("L-R6", later);
  EXPECT_EQ(Briefs(carried), Strings{"L-R6 2759000.01/2759000.03"});
  ASSERT_EQ(carried.size(), 1u);
  EXPECT_NE(carried[0].text.find("СвФЛВыпл6.2.431/БазаИсч"), std::string::npos);
}

}  // namespace
}  // namespace orsvelt::test
