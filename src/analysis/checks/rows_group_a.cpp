// Group A: the grounds on which the calculation is deemed not submitted (п. 7 ст. 431 НК РФ):
// section 1 against the sums of section 3, per month of the quarter, per tariff group and
// in total. A correction is compared as merged with the earlier submissions of its period.

#include <cstdlib>
#include <limits>
#include <map>
#include <unordered_set>

#include "analysis/checks/check_table.h"
#include "analysis/common/saturating_sum.h"
#include "analysis/checks/person_totals.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/checks/tariff_grouping.h"
#include "reference/contribution_rates.h"
#include "xml/stringfuncs.h"

namespace orsvelt::checks {

namespace {

enum class Sum { Payments, Base, Contributions, ExtraBase, ExtraContributions };

bool IsExtra(Sum sum) { return sum == Sum::ExtraBase || sum == Sum::ExtraContributions; }

// Column 0: the three months together; 1..3: the months of the quarter.
using Columns = std::array<Amount, 4>;

Amount Section1Value(const view::Section1& s1, Sum sum, view::Column column, std::span<const std::string_view> tariffs) {
  const auto get = [&](std::string_view block, std::string_view line) {
    return SumOverTariffs(s1, block, line, column, tariffs).value_or(0);
  };
  // Figures near the type's limit stop there instead of wrapping round.
  const auto plus = [](Amount a, Amount b) {
    AddSaturating(a, b);
    return a;
  };
  const auto minus = [&](Amount a, Amount b) { return b == std::numeric_limits<Amount>::min() ? plus(a, std::numeric_limits<Amount>::max()) : plus(a, -b); };
  switch (sum) {
    case Sum::Payments: return get("РасчСВ_ОПС", "ВыплНачислФЛ");
    case Sum::Base: return minus(get("РасчСВ_ОПС", "БазНачислСВ"), get("РасчСВ_ОПС", "БазПревышОПС"));
    case Sum::Contributions: return get("РасчСВ_ОПС", "НачислСВНеПрев");
    case Sum::ExtraBase: return plus(get("РасчСВ_428.1-2", "БазНачислСВДоп"), get("РасчСВ_428.3", "БазНачислСВДоп"));
    case Sum::ExtraContributions: return plus(get("РасчСВ_428.1-2", "НачислСВДоп"), get("РасчСВ_428.3", "НачислСВДоп"));
  }
  return 0;
}

Amount RowValue(const view::MonthRow& row, Sum sum) {
  switch (sum) {
    case Sum::Payments: return row.payments;
    case Sum::Base: return row.base;
    default: return row.contributions;
  }
}

Amount ExtraValue(const view::ExtraTariffRow& row, Sum sum) {
  return sum == Sum::ExtraBase ? row.base : row.contributions;
}

// Section 3 summed by tariff group ("" is the total) and column.
std::map<std::string, Columns, std::less<>> Section3Sums(const CheckContext& c, Sum sum) {
  std::map<std::string, Columns, std::less<>> sums;
  Columns& total = sums[""];
  std::string_view lastCategory;
  Columns* lastGroup = nullptr;
  c.ForEachPerson([&](const PersonRows& p) {
    if (IsExtra(sum)) {
      for (const view::ExtraTariffRow& row : p.extraRows)
        if (const int m = c.MonthInPeriod(row.month)) {
          AddSaturating(total[m], ExtraValue(row, sum));
          AddSaturating(total[0], ExtraValue(row, sum));
        }
      return;
    }
    for (const view::MonthRow& row : p.rows) {
      const int m = c.MonthInPeriod(row.month);
      if (!m) continue;
      const Amount v = RowValue(row, sum);
      AddSaturating(total[m], v);
      AddSaturating(total[0], v);
      if (row.category != lastCategory || !lastGroup) {
        lastCategory = row.category;
        const std::string_view group = GroupOfCategory(row.category);
        lastGroup = group.empty() ? nullptr : &sums[std::string(group)];
        if (!lastGroup) lastCategory = {};
      }
      if (lastGroup) {
        AddSaturating((*lastGroup)[m], v);
        AddSaturating((*lastGroup)[0], v);
      }
    }
  });
  return sums;
}

// A row whose contributions differ from its base at the category's pension rate by more than
// a kopeck; a row of an unknown rate is not judged.
bool OffRate(const CheckContext& c, const view::MonthRow& row) {
  const auto rate = FindContributionRate(c.year, row.category, ratePension);
  if (!rate) return false;
  // base x rate % to the kopeck: Amount is x10000 and the rate a percent as an Amount.
  const __int128 product = static_cast<__int128>(row.base) * rate->value;
  constexpr __int128 kKopeck = 100000000;  // product units per kopeck
  const __int128 kopecks = (product + (product >= 0 ? kKopeck / 2 : -kKopeck / 2)) / kKopeck;
  const __int128 gap = static_cast<__int128>(row.contributions) - kopecks * 100;
  return gap > 100 || gap < -100;
}

view::PersonTotals::Field TotalOf(Sum sum) {
  using T = view::PersonTotals;
  switch (sum) {
    case Sum::Payments: return T::Payments;
    case Sum::Base: return T::Base;
    case Sum::Contributions: return T::Contributions;
    case Sum::ExtraBase: return T::ExtraBase;
    case Sum::ExtraContributions: return T::ExtraContributions;
  }
  return T::Payments;
}

// SNILS (as digits) that section 3 names more than once: each is counted twice in its sums.
std::unordered_set<std::string> RepeatedSnils(const CheckContext& c) {
  std::unordered_set<std::string> seen, repeated;
  c.ForEachPerson([&](const PersonRows& p) {
    std::string digits = SnilsDigits(p.snils);
    if (!digits.empty() && !seen.insert(digits).second) repeated.insert(std::move(digits));
  });
  return repeated;
}

// Persons of the tariff group ("" every person) whose own rows explain a difference in the
// month (0: the three months): a declared three-month total of the sum that their rows do not
// add up to, a SNILS named twice, and for the contributions rows off the category's rate.
std::vector<std::string> PersonsBehind(const CheckContext& c, Sum sum, std::string_view group, int month,
                                       const std::unordered_set<std::string>& repeated) {
  PersonList persons;
  c.ForEachPerson([&](const PersonRows& p) {
    bool inGroup = group.empty(), offRate = false;
    for (const view::MonthRow& row : p.rows) {
      const int m = c.MonthInPeriod(row.month);
      if (m == 0 || (!group.empty() && GroupOfCategory(row.category) != group)) continue;
      inGroup = true;
      if (sum == Sum::Contributions && (month == 0 || m == month) && OffRate(c, row)) offRate = true;
    }
    if (!inGroup) return;
    const auto total = p.person ? DeclaredTotalOf(c, *p.person, TotalOf(sum)) : std::nullopt;
    const bool totalOff = total && total->declared != total->summed;
    if (totalOff || offRate || (!repeated.empty() && repeated.count(SnilsDigits(p.snils))))
      persons.Add(ShownName(p.snils, p.surname, p.givenName));
  });
  return persons.Take();
}

// Payments, the base and the additional-tariff base became grounds with 335-ФЗ from 2018.
bool GroundInYear(const CheckContext& c, Sum sum) {
  if (sum == Sum::Contributions || sum == Sum::ExtraContributions) return true;
  return c.year.empty() || c.year >= "2018";
}

void CompareSums(const CheckRow& row, const CheckContext& c, Sum sum, std::vector<Finding>& out) {
  if (c.quarter == 0 || !GroundInYear(c, sum)) return;
  const view::Section1& s1 = c.report.section1;
  if (!s1.present) return;
  const auto s3 = Section3Sums(c, sum);
  const auto repeated = RepeatedSnils(c);

  // Groups: every tariff group of section 1 and every one section 3 holds; the total first.
  std::map<std::string, bool, std::less<>> groups{{"", true}};
  if (!IsExtra(sum)) {
    for (const view::TariffBlock& t : s1.tariffs) groups[std::string(GroupOfTariff(t.tariff))] = true;
    for (const auto& [group, columns] : s3) groups[group] = true;
  }
  const int lastColumn = c.Is501() ? 0 : 1;  // 5.02 has no three-month total
  for (const auto& [group, unused] : groups) {
    std::vector<std::string_view> tariffs;
    if (!group.empty())
      for (const view::TariffBlock& t : s1.tariffs)
        if (GroupOfTariff(t.tariff) == group) tariffs.push_back(t.tariff);
    // A group section 1 lacks sums to zero: a code no tariff block has selects none.
    if (!group.empty() && tariffs.empty()) tariffs.push_back("\x01");
    const auto found = s3.find(group);
    for (const int m : {1, 2, 3, 0}) {
      if (m < lastColumn) break;
      const view::Column column = MonthColumn(m);
      const Amount left = Section1Value(s1, sum, column, tariffs);
      const Amount right = found == s3.end() ? 0 : found->second[m];
      if (left == right) continue;
      Finding f = FindingOf(row);
      f.tariff = group.empty() ? std::string() : GroupTariffsText(group);
      if (m != 0) f.month = c.months[m - 1];
      f.left = left;
      f.right = right;
      if (c.correctionAlone) f.text += kCorrectionAloneNote;
      f.persons = PersonsBehind(c, sum, group, m, repeated);
      if (!s1.tariffs.empty()) f.path = s1.tariffs.front().path;
      out.push_back(std::move(f));
    }
  }
}

template <Sum sum>
void Compare(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  CompareSums(row, c, sum, out);
}

const CheckRow kRows[] = {
    {.id = "0.1", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat501,
     .wording = "Сумма взносов на ОПС с базы, не превышающей предельную величину (стр. 061 подраздела 1.1), не равна "
                "сумме взносов по застрахованным лицам (стр. 240 подраздела 3.2.1)",
     .source = "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 0.1; п. 7 ст. 431 НК РФ; каталог КС §2 A1",
     .run = Compare<Sum::Contributions>},
    {.id = "A2", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat501,
     .wording = "Сумма взносов на ОПС по дополнительному тарифу (подразделы 1.3.1, 1.3.2) не равна сумме взносов по "
                "дополнительному тарифу по застрахованным лицам (подраздел 3.2.2)",
     .source = "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 0.1; п. 7 ст. 431 НК РФ (с 2018 г.); каталог КС §2 A2",
     .run = Compare<Sum::ExtraContributions>},
    {.id = "A3", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat501,
     .wording = "Сумма выплат в пользу физических лиц (стр. 030 подраздела 1.1) не равна сумме выплат по "
                "застрахованным лицам (стр. 210 подраздела 3.2.1)",
     .source = "п. 7 ст. 431 НК РФ (с 2018 г.), код 0400400017; каталог КС §2 A3",
     .run = Compare<Sum::Payments>},
    {.id = "A4", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat501,
     .wording = "База для исчисления взносов на ОПС в пределах предельной величины (стр. 050 - 051 подраздела 1.1) не "
                "равна сумме базы по застрахованным лицам (стр. 220 подраздела 3.2.1)",
     .source = "п. 7 ст. 431 НК РФ (с 2018 г.); письмо ФНС БС-4-11/4371@, КС 1.295-1.297; каталог КС §2 A4",
     .run = Compare<Sum::Base>},
    {.id = "A5", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat501,
     .wording = "База для исчисления взносов по дополнительному тарифу (подразделы 1.3.1, 1.3.2) не равна сумме базы "
                "по застрахованным лицам (подраздел 3.2.2)",
     .source = "п. 7 ст. 431 НК РФ (с 2018 г.); каталог КС §2 A5",
     .run = Compare<Sum::ExtraBase>},
    {.id = "A1-502", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat502,
     .wording = "Сумма выплат в пользу физических лиц (подраздел 1.1) не равна сумме выплат по застрахованным лицам "
                "(раздел 3)",
     .source = "п. 7 ст. 431 НК РФ; каталог КС §3 A1",
     .run = Compare<Sum::Payments>},
    {.id = "A2-502", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat502,
     .wording = "База для исчисления взносов на ОПС в пределах предельной величины (подраздел 1.1) не равна сумме "
                "базы по застрахованным лицам (раздел 3)",
     .source = "п. 7 ст. 431 НК РФ; каталог КС §3 A2",
     .run = Compare<Sum::Base>},
    {.id = "A3-502", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat502,
     .wording = "Сумма взносов на ОПС с базы, не превышающей предельную величину (подраздел 1.1), не равна сумме "
                "взносов по застрахованным лицам (раздел 3)",
     .source = "п. 7 ст. 431 НК РФ, код 0400400011; каталог КС §3 A3",
     .run = Compare<Sum::Contributions>},
    {.id = "A4-502", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat502,
     .wording = "База для исчисления взносов по дополнительному тарифу (подразделы 1.3.1, 1.3.2) не равна сумме базы "
                "по застрахованным лицам (раздел 3)",
     .source = "п. 7 ст. 431 НК РФ; каталог КС §3 A4",
     .run = Compare<Sum::ExtraBase>},
    {.id = "A5-502", .group = Group::A, .severity = Severity::Rejection, .formats = kFormat502,
     .wording = "Сумма взносов на ОПС по дополнительному тарифу (подразделы 1.3.1, 1.3.2) не равна сумме взносов по "
                "застрахованным лицам (раздел 3)",
     .source = "п. 7 ст. 431 НК РФ; каталог КС §3 A5",
     .run = Compare<Sum::ExtraContributions>},
};

}  // namespace

std::span<const CheckRow> GroupARows() { return kRows; }

}  // namespace orsvelt::checks
