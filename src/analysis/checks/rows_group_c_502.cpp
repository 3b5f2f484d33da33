// Group C of format 5.02: this period's since-start figures against the previous period's
// report of the year (CheckContext::previous; zeros for the first quarter). Tariff blocks are
// matched by "ТарифПлат" and their codes, payable lines by КБК, appendix 2 lines by
// ("ТарифПлат", "ПризВыпл"); a block the previous report lacks counts as zeros.

#include <algorithm>

#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/checks/year_person_sums.h"
#include "reference/base_limits.h"
#include "reference/period_codes.h"

namespace orsvelt::checks {

namespace {

// The previous period's section 1: an empty one for the first quarter, null when the
// preceding quarter's report is missing (the E rows say so) or the quarter is unknown.
const view::Section1* PreviousSection1(const CheckContext& c) {
  static const view::Section1 kNothingBefore{};
  if (c.quarter == 1) return &kNothingBefore;
  if (c.quarter < 2 || !c.previous || QuarterOfPeriod(c.previous->period) != c.quarter - 1) return nullptr;
  return &c.previous->section1.section1;
}

bool SameCodes(const view::Block& a, const view::Block& b) {
  return a.name == b.name && std::equal(a.codes.begin(), a.codes.end(), b.codes.begin(), b.codes.end(),
                                        [](const view::Code& x, const view::Code& y) {
                                          return x.name == y.name && x.value == y.value;
                                        });
}

// The previous report's block matching this one: in the tariff block of the same code, or in
// appendix 2 by the block's own codes.
const view::Block* MatchingBlock(const view::Section1& previous, std::string_view tariff, const view::Block& block,
                                 bool inTariffBlock) {
  if (inTariffBlock) {
    const view::TariffBlock* t = previous.FindTariff(tariff);
    if (!t) return nullptr;
    for (const view::Block& b : t->blocks)
      if (SameCodes(b, block)) return &b;
    return nullptr;
  }
  for (const view::Block& b : previous.appendix2)
    if (SameCodes(b, block)) return &b;
  return nullptr;
}

bool HasMonths(const view::Line& line) {
  return line.attributes && !(*line.attributes)[static_cast<std::size_t>(view::Column::Month1)].empty();
}

Amount MonthsOf(const view::Line* line) {
  return ValueOf(line, view::Column::Month1).value_or(0) + ValueOf(line, view::Column::Month2).value_or(0) +
         ValueOf(line, view::Column::Month3).value_or(0);
}

// Calls visit(tariff, block, previous block or null) for every block of this report.
template <class Visit>
void ForEachMatchedBlock(const view::Section1& s1, const view::Section1& previous, Visit&& visit) {
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks) visit(t.tariff, b, MatchingBlock(previous, t.tariff, b, true));
  for (const view::Block& b : s1.appendix2)
    visit(b.CodeOf("ТарифПлат"), b, MatchingBlock(previous, {}, b, false));
}

void SinceStartOfLines(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* previous = PreviousSection1(c);
  if (!previous || !c.report.section1.present) return;
  ForEachMatchedBlock(c.report.section1, *previous,
                      [&](std::string_view tariff, const view::Block& b, const view::Block* before) {
                        for (const view::Line& line : b.lines) {
                          if (line.count || !HasMonths(line)) continue;
                          const auto year = line.Value(view::Column::Year);
                          if (!year) continue;
                          const Amount prior = ValueOf(before ? before->Find(line.name) : nullptr, view::Column::Year)
                                                   .value_or(0);
                          const Amount expected = prior + MonthsOf(&line);
                          if (*year == expected) continue;
                          Finding f = Breach(row, c, view::Column::Year, *year, expected,
                                             line.PathOf(view::Column::Year), tariff);
                          f.text += ": " + std::string(b.name) + "/" + std::string(line.name);
                          out.push_back(std::move(f));
                        }
                      });
}

const view::Line* PayableOf(const view::Section1& s1, std::string_view name, std::string_view kbk) {
  for (const view::Line& l : s1.payable)
    if (l.name == name && l.code == kbk) return &l;
  return nullptr;
}

void SinceStartOfPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* previous = PreviousSection1(c);
  const view::Section1& s1 = c.report.section1;
  if (!previous || !s1.present) return;
  for (const view::Line& line : s1.payable) {
    if (line.name == "УплПерОСС" || line.name == "ПревРасхОСС") continue;
    const auto year = line.Value(view::Column::Year);
    if (!year) continue;
    const Amount expected =
        ValueOf(PayableOf(*previous, line.name, line.code), view::Column::Year).value_or(0) + MonthsOf(&line);
    if (*year == expected) continue;
    Finding f = Breach(row, c, view::Column::Year, *year, expected, line.PathOf(view::Column::Year));
    f.text += ": " + std::string(line.name) + ", КБК " + std::string(line.code);
    out.push_back(std::move(f));
  }
  // Social insurance as one net figure: to pay less the excess of expenses.
  const view::Line* toPay = s1.FindPayable("УплПерОСС");
  const view::Line* excess = s1.FindPayable("ПревРасхОСС");
  if (!toPay && !excess) return;
  const auto net = [](const view::Line* pay, const view::Line* over) {
    return ValueOf(pay, view::Column::Year).value_or(0) - ValueOf(over, view::Column::Year).value_or(0);
  };
  const Amount left = net(toPay, excess);
  const Amount right = net(previous->FindPayable("УплПерОСС"), previous->FindPayable("ПревРасхОСС")) +
                       MonthsOf(toPay) - MonthsOf(excess);
  if (left == right) return;
  Finding f = Breach(row, c, view::Column::Year, left, right, (toPay ? toPay : excess)->PathOf(view::Column::Year));
  f.text += ": УплПерОСС − ПревРасхОСС";
  out.push_back(std::move(f));
}

void CountsDoNotFall(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  // The first quarter has nothing to fall from.
  if (c.quarter < 2) return;
  const view::Section1* previous = PreviousSection1(c);
  if (!previous || !c.report.section1.present) return;
  ForEachMatchedBlock(c.report.section1, *previous,
                      [&](std::string_view tariff, const view::Block& b, const view::Block* before) {
                        if (!before) return;
                        for (const std::string_view name : {"КолСтрахЛицВс", "КолЛицНачСВВс", "ПревБазОПС"}) {
                          const view::Line* line = b.Find(name);
                          const auto now = ValueOf(line, view::Column::Year);
                          const auto then = ValueOf(before->Find(name), view::Column::Year);
                          if (!now || !then || *now >= *then) continue;
                          Finding f = Breach(row, c, view::Column::Year, *now, *then, line->PathOf(view::Column::Year),
                                             tariff);
                          f.text += ": " + std::string(b.name) + "/" + std::string(name);
                          out.push_back(std::move(f));
                        }
                      });
}

// Since-start lines of subsection 1.1 against the persons of every report of the year.
void SinceStartAgainstYearPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  const auto persons = PersonsSinceStart(c);
  if (!persons || !s1.present) return;
  const auto year = [&](std::string_view line) {
    return SumOverTariffs(s1, "РасчСВ_ОПС", line, view::Column::Year);
  };
  const auto compare = [&](std::optional<Amount> left, Amount right, std::string_view line, std::string_view what) {
    if (!left || *left == right) return;
    const view::Line* first = nullptr;
    for (const view::TariffBlock& t : s1.tariffs)
      if ((first = t.Find("РасчСВ_ОПС", line))) break;
    Finding f = Breach(row, c, view::Column::Year, *left, right, first ? first->PathOf(view::Column::Year) : s1.path);
    f.text += ": " + std::string(what);
    out.push_back(std::move(f));
  };
  compare(year("ВыплНачислФЛ"), persons->payments, "ВыплНачислФЛ", "ВыплНачислФЛ и СумВыпл");
  if (const auto base = year("БазНачислСВ"))
    compare(*base - year("БазПревышОПС").value_or(0), persons->base, "БазНачислСВ",
            "БазНачислСВ − БазПревышОПС и ВыплОПС");
  compare(year("НачислСВНеПрев"), persons->contributions, "НачислСВНеПрев", "НачислСВНеПрев и НачислСВ");
}

void PersonsAboveLimit502(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (const auto limit = LimitOfYear(PensionLimitRows502(), c.year)) PersonsAboveLimit(row, c, *limit, out);
}

const CheckRow kRows[] = {
    {.id = "C1-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма с начала периода не равна сумме с начала предыдущего периода и сумм за последние три месяца "
                "(раздел 1, приложение 2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C1", .run = SinceStartOfLines},
    {.id = "C2-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов к уплате с начала периода не равна сумме за предыдущий период и за последние три "
                "месяца" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C2", .run = SinceStartOfPayable},
    {.id = "C3-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Количество лиц с начала периода меньше, чем в расчёте за предыдущий период" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C3", .run = CountsDoNotFall},
    {.id = "C4-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма с начала периода в подразделе 1.1 не равна сумме по застрахованным лицам всех расчётов года "
                "(раздел 3)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C4", .run = SinceStartAgainstYearPersons},
    {.id = "C5-502", .group = Group::C, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "База для исчисления взносов на ОПС в пределах предельной величины по застрахованному лицу с начала "
                "года больше предельной величины года" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 C5 (предельная величина 2020 г. 1 292 000 руб.)", .run = PersonsAboveLimit502},
};

}  // namespace

std::span<const CheckRow> GroupCRows502() { return kRows; }

}  // namespace orsvelt::checks
