// The rows of formats 5.03 to 5.08: each person's base since the start of the year against
// the year's limit, contributions against the category's rate, and section 1 against
// section 3 per tariff block and month. Every one of them is concluded from the form and the
// Tax Code rather than read in a letter, so none is more than a warning.

#include <set>

#include "analysis/checks/check_table.h"
#include "analysis/checks/later_year_rules.h"
#include "analysis/checks/previous_period.h"
#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/checks/tariff_ties.h"
#include "analysis/checks/year_to_date_base.h"
#include "analysis/common/saturating_sum.h"
#include "reference/contribution_rates.h"
#include "reference/tariff_categories.h"

namespace orsvelt::checks {

namespace {

Finding RowBreach(const CheckRow& row, const CheckContext& c, const PersonRows& p, const view::MonthRow& r,
                  view::RowField field, Amount left, Amount right, std::string_view what) {
  Finding f = FindingOf(row);
  if (const auto tariff = TariffOfCategoryInYear(c.year, r.category)) f.tariff = std::string(*tariff);
  f.month = r.month;
  f.snils = std::string(p.snils);
  f.persons = {ShownName(p)};
  if (p.person) f.path = c.report.section3.PathOf(*p.person, r, field);
  f.left = left;
  f.right = right;
  f.text += ": " + ShownName(p) + ", " + std::string(r.category) + ": " + std::string(what);
  return f;
}

void BasesWithinPayments(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  c.ForEachPerson([&](const PersonRows& p) {
    for (const view::MonthRow& r : p.rows) {
      if (!c.MonthInPeriod(r.month)) continue;
      if (r.base > r.payments)
        out.push_back(RowBreach(row, c, p, r, view::RowField::Base, r.base, r.payments, "ВыплОПС > СумВыпл"));
      if (r.contractBase > r.base)
        out.push_back(
            RowBreach(row, c, p, r, view::RowField::ContractBase, r.contractBase, r.base, "ВыплОПСДог > ВыплОПС"));
    }
  });
}

// A row without base and contributions holds at any rate; a category of unknown rate is
// said once as not checked.
void PersonContributions(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto kind = PersonRateKind(c.year);
  if (!kind) return;
  std::set<std::string, std::less<>> unknown;
  c.ForEachPerson([&](const PersonRows& p) {
    for (const view::MonthRow& r : p.rows) {
      if (!c.MonthInPeriod(r.month) || (r.base == 0 && r.contributions == 0)) continue;
      const auto rate = FindContributionRate(c.year, r.category, *kind);
      if (!rate) {
        if (!unknown.contains(r.category)) unknown.emplace(r.category);
        continue;
      }
      const Amount expected = ContributionOf(r.base, rate->value);
      if (WithinKopecks(r.contributions, expected)) continue;
      out.push_back(RowBreach(row, c, p, r, view::RowField::Contributions, r.contributions, expected,
                              "НачислСВ = ВыплОПС × " + RateText(rate->value)));
    }
  });
  for (const std::string& category : unknown)
    out.push_back(NotChecked(row, "Не проверено: ставка взносов категории " + category + " за " + c.year +
                                      " год не известна"));
}

// Contributions to pay per month and since the start: the charged contributions of every
// tariff block (2023 on the single block; 2021-2022 pension and medical each on its own line).
void PayableAgainstCharged(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (!s1.present) return;
  struct Pair {
    std::string_view block, payable;
  };
  constexpr Pair kPairs[] = {{"РасчСВ_ОПСОМС", "УплПерОПС"}, {"РасчСВ_ОПС", "УплПерОПС"}, {"РасчСВ_ОМС", "УплПерОМС"}};
  for (const Pair& pair : kPairs) {
    const view::Line* payable = s1.FindPayable(pair.payable);
    for (const view::Column column : kColumns502) {
      const auto charged = SumOverTariffs(s1, pair.block, "НачислСВ", column);
      if (!charged) continue;
      const Amount toPay = ValueOf(payable, column).value_or(0);
      if (toPay == *charged) continue;
      Finding f = Breach(row, c, column, toPay, *charged, payable ? payable->PathOf(column) : s1.path);
      f.text += ": " + std::string(pair.payable) + " и НачислСВ (" + std::string(pair.block) + ")";
      out.push_back(std::move(f));
    }
  }
}

struct Term {
  std::string_view line;
  int sign = 1;
  bool mayBeAbsent = false;  // counts as zero when the block lacks it
};

struct BlockIdentity {
  std::string_view left;
  Term right[3];
  std::string_view text;
};

constexpr BlockIdentity kIdentities[] = {
    {"БазНачислСВ",
     {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}, {"РасхПринВыч", -1, true}},
     "БазНачислСВ = ВыплНачислФЛ − НеОбложенСВ − РасхПринВыч"},
    {"БазНачислСВ", {{"БазНеПревышОПС"}, {"БазПревышОПС"}, {}}, "БазНачислСВ = БазНеПревышОПС + БазПревышОПС"},
    {"НачислСВ", {{"НачислСВНеПрев"}, {"НачислСВПрев"}, {}}, "НачислСВ = НачислСВНеПрев + НачислСВПрев"},
};

// An identity whose lines a block does not all hold (2021-2022 have no "НачислСВПрев") is skipped.
void BlockLinesAgree(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  for (const view::TariffBlock& t : c.report.section1.tariffs)
    for (const view::Block& b : t.blocks) {
      if (b.name != "РасчСВ_ОПСОМС" && b.name != "РасчСВ_ОПС" && b.name != "РасчСВ_ОМС") continue;
      for (const BlockIdentity& identity : kIdentities) {
        const view::Line* left = b.Find(identity.left);
        if (!left) continue;
        for (const view::Column column : kColumns502) {
          const auto value = left->Value(column);
          if (!value) continue;
          Amount sum = 0;
          bool complete = true;
          for (const Term& term : identity.right) {
            if (term.line.empty()) continue;
            const view::Line* line = b.Find(term.line);
            const Amount v = line ? line->Value(column).value_or(0) : 0;
            if (!line || !line->Value(column)) complete = complete && term.mayBeAbsent;
            if (term.sign > 0)
              AddSaturating(sum, v);
            else
              SubtractSaturating(sum, v);
          }
          if (!complete || sum == *value) continue;
          Finding f = Breach(row, c, column, *value, sum, left->PathOf(column), t.tariff);
          f.text += ": " + std::string(b.name) + ": " + std::string(identity.text);
          out.push_back(std::move(f));
        }
      }
    }
}

// Persons of art. 431 p. 6.2 carry their base since the start of the year in section 1 ("БазаИсч",
// from 2025); their since-start figures against the previous report are L-R6's.
void PaidPersonsBase(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto limit = YearToDateLimit(c.year);
  bool notChecked = false;
  for (const view::Block& b : c.report.section1.blocks) {
    const view::Line* base = b.name == "СвФЛВыпл6.2.431" ? b.Find("БазаИсч") : nullptr;
    if (!base) continue;
    const view::Line* paid = b.Find("СумВыплат");
    const std::string snils(b.CodeOf("СНИЛС"));
    const auto breach = [&](view::Column column, Amount left, Amount right, std::string_view what) {
      Finding f = Breach(row, c, column, left, right, base->PathOf(column));
      f.snils = snils;
      f.persons = {snils};
      f.text += ": " + snils + ", " + std::string(what);
      out.push_back(std::move(f));
    };
    const auto sinceStart = base->Value(view::Column::Year);
    if (sinceStart && !limit) notChecked = true;
    if (sinceStart && limit && *sinceStart > limit->value)
      breach(view::Column::Year, *sinceStart, limit->value, "БазаИсч с начала года > предельной величины");
    for (const view::Column column : kColumns502) {
      const auto v = base->Value(column), p = ValueOf(paid, column);
      if (v && p && *v > *p) breach(column, *v, *p, "БазаИсч > СумВыплат");
    }
  }
  if (notChecked) out.push_back(NotChecked(row, LimitNotKnownText(c.year)));
}

template <TiedSum sum>
void TiedToPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  CompareTariffsWithPersons(row, c, sum, out);
}

constexpr std::uint8_t kLater = kFormatLater;

const CheckRow kRows[] = {
    {.id = "L-R1", .group = Group::A, .severity = Severity::Warning, .formats = kLater,
     .wording = "База для исчисления взносов в пределах предельной величины за месяц (раздел 1, по коду тарифа) не "
                "равна сумме базы по застрахованным лицам категорий этого тарифа (раздел 3)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R1 (до 2023 г. — подраздел ОПС)", .run = TiedToPersons<TiedSum::Base>},
    {.id = "L-R2", .group = Group::A, .severity = Severity::Warning, .formats = kLater,
     .wording = "Исчисленные взносы с базы, не превышающей предельную величину, за месяц (раздел 1, по коду тарифа) не "
                "равны сумме взносов по застрахованным лицам категорий этого тарифа (раздел 3)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R2", .run = TiedToPersons<TiedSum::Contributions>},
    {.id = "L-R3", .group = Group::A, .severity = Severity::Warning, .formats = kLater,
     .wording = "Сумма выплат в пользу физических лиц за месяц (раздел 1, по коду тарифа) не равна сумме выплат по "
                "застрахованным лицам категорий этого тарифа (раздел 3)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R3", .run = TiedToPersons<TiedSum::Payments>},
    {.id = "L-R4", .group = Group::B, .severity = Severity::Warning, .formats = kLater,
     .wording = "Сумма взносов к уплате не равна сумме исчисленных взносов по всем кодам тарифа (раздел 1)"
         ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R4", .run = PayableAgainstCharged},
    {.id = "L-R5", .group = Group::B, .severity = Severity::Warning, .formats = kLater,
     .wording = "Строки расчёта по коду тарифа не сходятся между собой (раздел 1)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R5", .run = BlockLinesAgree},
    {.id = "L-R6", .group = Group::C, .severity = Severity::Warning, .formats = kLater,
     .wording = "Сумма с начала периода не равна сумме с начала предыдущего периода и сумм за последние три месяца "
                "(раздел 1)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.4 R6",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       SinceStartOfLines(row, c, out);
       SinceStartOfPayable(row, c, out);
     }},
    {.id = "L-C1", .group = Group::C, .severity = Severity::Warning, .formats = kLater,
     .wording = "База для исчисления взносов в пределах предельной величины по застрахованному лицу с начала года "
                "больше предельной величины года (до 2023 г. — для ОПС, с 2023 г. — единой)",
     .source = "later-formats.md §5.3 C1, C7, §4.1; ст. 421 НК РФ", .run = BaseAboveYearLimit},
    {.id = "L-C2", .group = Group::C, .severity = Severity::Warning, .formats = kLater,
     .wording = "База для исчисления взносов в пределах предельной величины указана за месяц, когда база "
                "застрахованного лица с начала года уже достигла предельной величины",
     .source = "later-formats.md §5.3 C2, C7; ст. 421 НК РФ", .run = BaseAfterLimitReached},
    {.id = "L-C3", .group = Group::E, .severity = Severity::Warning, .formats = kLater,
     .wording = "База в пределах предельной величины больше суммы выплат или база по гражданско-правовым договорам "
                "больше базы (раздел 3)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.3 C3", .run = BasesWithinPayments},
    {.id = "L-C4", .group = Group::E, .severity = Severity::Warning, .formats = kLater,
     .wording = "Исчисленные взносы по застрахованному лицу не равны базе в пределах предельной величины, умноженной "
                "на тариф категории (раздел 3)",
     .source = "later-formats.md §5.3 C4, §4.2; ст. 425-427 НК РФ", .run = PersonContributions},
    {.id = "L-C8", .group = Group::E, .severity = Severity::Warning, .formats = kLater,
     .wording = "База в пределах предельной величины по лицу, указанному в сведениях по п. 6.2 ст. 431 НК РФ, больше "
                "предельной величины года или больше суммы выплат (раздел 1)" ORSVELT_FORM_ONLY,
     .source = "later-formats.md §5.3 C8", .run = PaidPersonsBase},
};

}  // namespace

std::span<const CheckRow> LaterFormatRows() { return kRows; }

}  // namespace orsvelt::checks
