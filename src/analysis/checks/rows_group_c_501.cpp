// Group C of format 5.01: since-start figures against the previous period of the year (the
// latest correction of the immediately preceding quarter; zeros in the first quarter). Tariff
// blocks are matched by "ТарифПлат", additional payable lines by КБК; a block or line the
// previous report lacks counts as zeros. Without the previous report of a later quarter the
// ratios are not evaluated (E-period says what is missing).

#include <algorithm>
#include <deque>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "analysis/checks/check_table.h"
#include "analysis/checks/line_ratio.h"
#include "analysis/checks/previous_period.h"
#include "analysis/common/saturating_sum.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/checks/year_person_sums.h"
#include "reference/base_limits.h"

namespace orsvelt::checks {

namespace {

using view::Column;

constexpr std::string_view kLetter = "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС ";

void NamePrevious(const CheckContext& c, Finding& f) {
  if (c.quarter == 1) return;
  f.text += "; предыдущий расчёт: " + c.previous->fileName;
}

const view::Block* BlockOf(const view::TariffBlock* t, std::string_view name) { return t ? t->Find(name) : nullptr; }

const view::Block* Appendix2Of(const view::Section1& s1) {
  for (const view::Block& b : s1.appendix2)
    if (b.name == "РасчСВ_ОСС.ВНМ") return &b;
  return nullptr;
}

// A since-start line of the blocks of one tariff (or of appendix 2), or a head count.
struct LineAcross {
  std::string id, wording, source;
  std::string_view block, line;
  bool count = false;  // since-start count not below the previous one; else sum = previous + three months
  Severity severity = Severity::Error;
};

void CompareLine(const CheckRow& row, const CheckContext& c, const LineAcross& r, const view::Block* cur,
                 const view::Block* prev, std::string_view tariff, std::vector<Finding>& out) {
  const auto now = ValueOf(cur, r.line, Column::Year);
  const auto before = ValueOf(prev, r.line, Column::Year);
  const auto three = ValueOf(cur, r.line, Column::LastThreeMonths);
  if (!now && !before && !three) return;
  const std::int64_t left = now.value_or(0);
  const std::int64_t right = r.count ? before.value_or(0) : before.value_or(0) + three.value_or(0);
  if (r.count ? left >= right : left == right) return;
  Finding f = FindingOf(row);
  f.tariff = std::string(tariff);
  const view::Line* line = cur ? cur->Find(r.line) : nullptr;
  f.path = line ? line->PathOf(Column::Year) : cur ? cur->path : c.report.section1.path;
  SetSides(f, left, right, r.count);
  NamePrevious(c, f);
  out.push_back(std::move(f));
}

std::deque<LineAcross> MakeLinesAcross() {
  std::deque<LineAcross> lines;
  const auto add = [&](int number, std::string_view block, std::string_view line, std::string_view caption,
                       std::string_view claim) -> LineAcross& {
    LineAcross& r = lines.emplace_back();
    r.id = "1." + std::to_string(number);
    r.block = block;
    r.line = line;
    r.wording = std::string(caption) + " (" + std::string(line) + ") с начала года " + std::string(claim);
    r.source = std::string(kLetter) + r.id + "; каталог КС §2 C";
    return r;
  };
  const auto sum = [&](int number, std::string_view block, std::string_view line, std::string_view caption,
                       Severity severity = Severity::Error) {
    add(number, block, line, caption, "не равна сумме за предыдущий отчётный период и за последние три месяца")
        .severity = severity;
  };
  const auto count = [&](int number, std::string_view block, std::string_view line, std::string_view caption) {
    add(number, block, line, caption, "меньше, чем в расчёте за предыдущий отчётный период").count = true;
  };
  constexpr std::string_view ops = "РасчСВ_ОПС", oms = "РасчСВ_ОМС", oss = "РасчСВ_ОСС.ВНМ";
  count(35, ops, "КолСтрахЛицВс", "Подраздел 1.1: количество застрахованных лиц, стр. 010");
  count(45, ops, "КолЛицНачСВВс", "Подраздел 1.1: количество лиц с выплатами, стр. 020");
  count(51, ops, "ПревБазОПС", "Подраздел 1.1: количество лиц с выплатами сверх предельной величины, стр. 021");
  sum(56, ops, "ВыплНачислФЛ", "Подраздел 1.1: сумма выплат, стр. 030");
  sum(63, ops, "НеОбложенСВ", "Подраздел 1.1: сумма, не подлежащая обложению, стр. 040");
  sum(80, ops, "БазНачислСВ", "Подраздел 1.1: база для исчисления взносов, стр. 050");
  sum(87, ops, "НачислСВ", "Подраздел 1.1: сумма исчисленных взносов, стр. 060");
  sum(89, ops, "НачислСВНеПрев", "Подраздел 1.1: сумма взносов с базы, не превышающей предельную величину, стр. 061");
  sum(91, ops, "НачислСВПрев", "Подраздел 1.1: сумма взносов с базы, превышающей предельную величину, стр. 062");
  count(98, oms, "КолСтрахЛицВс", "Подраздел 1.2: количество застрахованных лиц, стр. 010");
  count(103, oms, "КолЛицНачСВВс", "Подраздел 1.2: количество лиц с выплатами, стр. 020");
  sum(109, oms, "ВыплНачислФЛ", "Подраздел 1.2: сумма выплат, стр. 030");
  sum(116, oms, "НеОбложенСВ", "Подраздел 1.2: сумма, не подлежащая обложению, стр. 040");
  sum(123, oms, "НачислСВ", "Подраздел 1.2: сумма исчисленных взносов, стр. 060");
  count(194, oss, "КолСтрахЛицВс", "Приложение 2: количество застрахованных лиц, стр. 010");
  sum(204, oss, "ВыплНачислФЛ", "Приложение 2: сумма выплат, стр. 020");
  sum(217, oss, "НеОбложенСВ", "Приложение 2: сумма, не подлежащая обложению, стр. 030");
  sum(221, oss, "БазНачислСВ", "Приложение 2: база для исчисления взносов, стр. 050");
  sum(233, oss, "БазНачСВФарм", "Приложение 2: база, стр. 051");
  sum(235, oss, "БазНачСВЧлЭС", "Приложение 2: база, стр. 052");
  sum(237, oss, "БазНачСВПат", "Приложение 2: база, стр. 053");
  sum(239, oss, "БазНачСВИнЛиц", "Приложение 2: база, стр. 054");
  sum(241, oss, "НачислСВ", "Приложение 2: сумма исчисленных взносов, стр. 060");
  sum(243, oss, "ПроизвРасхСО", "Приложение 2: расходы на выплату страхового обеспечения, стр. 070");
  sum(245, oss, "ВозмРасхСО", "Приложение 2: возмещённые расходы, стр. 080");
  // The letter's 1.219 repeats 1.217; the form's next line is the base above the limit.
  sum(219, oss, "БазПревышСВ", "Приложение 2: сумма, превышающая предельную величину базы, стр. 040", Severity::Warning);
  lines.back().wording += " (следует из формы расчёта, а не из письма ФНС)";
  lines.back().source = "Каталог КС §2 C, 1.219 (строка выведена из формы)";
  return lines;
}

const std::deque<LineAcross>& LinesAcross() {
  static const std::deque<LineAcross> lines = MakeLinesAcross();
  return lines;
}

void RunLineAcross(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* prev = PreviousSection1(c);
  const view::Section1& s1 = c.report.section1;
  if (!prev || !s1.present) return;
  const LineAcross* r = nullptr;
  for (const LineAcross& l : LinesAcross())
    if (l.id == row.id) r = &l;
  if (!r) return;
  if (r->block == "РасчСВ_ОСС.ВНМ") {
    CompareLine(row, c, *r, Appendix2Of(s1), Appendix2Of(*prev), {}, out);
    return;
  }
  for (const view::TariffBlock& t : s1.tariffs)
    CompareLine(row, c, *r, t.Find(r->block), BlockOf(prev->FindTariff(t.tariff), r->block), t.tariff, out);
  // A tariff the previous period had and this report dropped: its since-start figures vanished.
  for (const view::TariffBlock& t : prev->tariffs)
    if (!s1.FindTariff(t.tariff)) CompareLine(row, c, *r, nullptr, t.Find(r->block), t.tariff, out);
}

// 1.1-1.4: a payable line since the start = the previous one + its three months.
void ComparePayable(const CheckRow& row, const CheckContext& c, const view::Line* cur, const view::Line* prev,
                    std::vector<Finding>& out) {
  if (!cur && !prev) return;
  const Amount left = cur ? cur->Value(Column::Year).value_or(0) : 0;
  Amount right = prev ? prev->Value(Column::Year).value_or(0) : 0;
  if (cur)
    for (const Column m : kMonthColumns) right += cur->Value(m).value_or(0);
  if (left == right) return;
  Finding f = FindingOf(row);
  f.path = cur ? cur->PathOf(Column::Year) : c.report.section1.path;
  const view::Line* any = cur ? cur : prev;
  if (!any->code.empty()) f.text += ": КБК " + std::string(any->code);
  SetSides(f, left, right, false);
  NamePrevious(c, f);
  out.push_back(std::move(f));
}

template <int kNumber>
void PayableAcross(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  static constexpr std::string_view kNames[] = {"УплПерОПС", "УплПерОМС", "УплПерОПСДоп", "УплПерДСО"};
  const std::string_view name = kNames[kNumber - 1];
  const view::Section1* prev = PreviousSection1(c);
  const view::Section1& s1 = c.report.section1;
  if (!prev || !s1.present) return;
  if (kNumber <= 2) {
    // Required by the format: a report without it is reported by the reading.
    if (const view::Line* line = s1.FindPayable(name)) ComparePayable(row, c, line, prev->FindPayable(name), out);
    return;
  }
  std::set<std::string_view> seen;
  for (const view::Line& l : s1.payable)
    if (l.name == name && seen.insert(l.code).second) ComparePayable(row, c, &l, prev->FindPayable(name, l.code), out);
  for (const view::Line& l : prev->payable)
    if (l.name == name && seen.insert(l.code).second) ComparePayable(row, c, nullptr, &l, out);
}

// 1.5: social insurance to pay less the excess of expenses, since the start, against the
// previous period and the three months.
void SocialInsuranceAcross(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* prev = PreviousSection1(c);
  const view::Section1& s1 = c.report.section1;
  if (!prev || !s1.present) return;
  const auto value = [](const view::Section1& s, std::string_view name, Column column) -> std::optional<Amount> {
    const view::Line* l = s.FindPayable(name);
    return l ? l->Value(column) : std::nullopt;
  };
  const auto net = [&](const view::Section1& s, Column column) {
    return value(s, "УплПерОСС", column).value_or(0) - value(s, "ПревРасхОСС", column).value_or(0);
  };
  const bool any = s1.FindPayable("УплПерОСС") || s1.FindPayable("ПревРасхОСС") || prev->FindPayable("УплПерОСС") ||
                   prev->FindPayable("ПревРасхОСС");
  if (!any) return;
  const Amount left = net(s1, Column::Year);
  Amount right = net(*prev, Column::Year);
  for (const Column m : kMonthColumns) right += net(s1, m);
  if (left == right) return;
  Finding f = FindingOf(row);
  const view::Line* line = s1.FindPayable("УплПерОСС");
  if (!line) line = s1.FindPayable("ПревРасхОСС");
  f.path = line ? line->PathOf(Column::Year) : s1.path;
  SetSides(f, left, right, false);
  NamePrevious(c, f);
  out.push_back(std::move(f));
}

// N7-N16: since-start lines of section 1 against the persons of every report of the year up
// to this one, as the analysis merged them (the latest submission of each person's quarter).
enum class YearSum { Payments, Contributions, ExtraContributions, Base, ExtraBase };

template <YearSum kSum>
void SinceStartOfPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  // The set of ratios applies from 2018; a correction alone may hold only the corrected persons.
  if (!s1.present || c.correctionAlone || (!c.year.empty() && c.year < "2018")) return;
  const auto persons = PersonsSinceStart(c);
  if (!persons) return;
  const auto year = [&](std::string_view block, std::string_view line) {
    return SumOverTariffs(s1, block, line, Column::Year);
  };
  const auto extra = [&](std::string_view line) {
    const auto a = year("РасчСВ_428.1-2", line), b = year("РасчСВ_428.3", line);
    if (!a && !b) return std::optional<Amount>();
    Amount sum = a.value_or(0);
    AddSaturating(sum, b.value_or(0));  // figures near the type's limit stop there
    return std::optional<Amount>(sum);
  };
  const bool atExtraTariff = kSum == YearSum::ExtraContributions || kSum == YearSum::ExtraBase;
  const std::string_view block = atExtraTariff ? "РасчСВ_428.1-2" : "РасчСВ_ОПС";
  std::string_view line;
  std::optional<Amount> left;
  Amount right = 0;
  switch (kSum) {
    case YearSum::Payments:
      line = "ВыплНачислФЛ";
      left = year(block, line);
      right = persons->payments;
      break;
    case YearSum::Contributions:
      line = "НачислСВНеПрев";
      left = year(block, line);
      right = persons->contributions;
      break;
    case YearSum::Base:
      line = "БазНачислСВ";
      if (const auto base = year(block, line)) {
        left = *base;
        // Less the base above the limit; the negation of the type's smallest value would overflow.
        AddSaturating(*left, -std::max(year(block, "БазПревышОПС").value_or(0), -std::numeric_limits<Amount>::max()));
      }
      right = persons->base;
      break;
    case YearSum::ExtraContributions:
      line = "НачислСВДоп";
      left = extra(line);
      right = persons->extraContributions;
      break;
    case YearSum::ExtraBase:
      line = "БазНачислСВДоп";
      left = extra(line);
      right = persons->extraBase;
      break;
  }
  // A line the report lacks counts as zero: persons paid at a tariff section 1 does not show.
  if (left.value_or(0) == right) return;
  Finding f = FindingOf(row);
  const view::Line* first = nullptr;
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks)
      if (!first && (b.name == block || (atExtraTariff && b.name == "РасчСВ_428.3"))) first = b.Find(line);
  f.path = first ? first->PathOf(Column::Year) : s1.path;
  SetSides(f, left.value_or(0), right, false);
  out.push_back(std::move(f));
}

// 1.308: a person's pension base within the limit since the start of the year does not
// exceed the year's limit.
void PersonsWithinLimit(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (const auto limit = LimitOfYear(PensionLimitRows501(), c.year)) PersonsAboveLimit(row, c, *limit, out);
}

std::vector<CheckRow> MakeRows() {
  std::vector<CheckRow> rows;
  const auto add = [&](std::string_view id, std::string_view wording, std::string_view source, CheckFunction run) {
    rows.push_back({.id = id, .group = Group::C, .severity = Severity::Error, .formats = kFormat501,
                    .wording = wording, .source = source, .run = run});
  };
  add("1.1",
      "Сумма взносов на ОПС к уплате с начала года (УплПерОПС) не равна сумме за предыдущий отчётный период и за "
      "последние три месяца",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.1; каталог КС §2 C", PayableAcross<1>);
  add("1.2",
      "Сумма взносов на ОМС к уплате с начала года (УплПерОМС) не равна сумме за предыдущий отчётный период и за "
      "последние три месяца",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.2; каталог КС §2 C", PayableAcross<2>);
  add("1.3",
      "Сумма взносов на ОПС по дополнительному тарифу к уплате с начала года (УплПерОПСДоп) по КБК не равна сумме за "
      "предыдущий отчётный период и за последние три месяца",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.3; каталог КС §2 C", PayableAcross<3>);
  add("1.4",
      "Сумма взносов на дополнительное социальное обеспечение к уплате с начала года (УплПерДСО) по КБК не равна "
      "сумме за предыдущий отчётный период и за последние три месяца",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.4; каталог КС §2 C", PayableAcross<4>);
  add("1.5",
      "Сумма взносов на ОСС к уплате за вычетом превышения расходов с начала года (УплПерОСС, ПревРасхОСС) не равна "
      "сумме за предыдущий отчётный период и за последние три месяца",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.5; каталог КС §2 C", SocialInsuranceAcross);
  for (const LineAcross& l : LinesAcross())
    rows.push_back({.id = l.id, .group = Group::C, .severity = l.severity, .formats = kFormat501,
                    .wording = l.wording, .source = l.source, .run = RunLineAcross});
  add("N7",
      "Сумма выплат в пользу физических лиц с начала года (стр. 030 подраздела 1.1) не равна сумме выплат по "
      "застрахованным лицам всех расчётов года (СумВыпл подраздела 3.2.1)",
      "Набор КС с 20.01.2018 (N7); каталог КС §2 C", SinceStartOfPersons<YearSum::Payments>);
  add("N8",
      "Сумма взносов на ОПС с базы, не превышающей предельную величину, с начала года (стр. 061 подраздела 1.1) не "
      "равна сумме взносов по застрахованным лицам всех расчётов года (НачислСВ подраздела 3.2.1)",
      "Набор КС с 20.01.2018 (N8); каталог КС §2 C", SinceStartOfPersons<YearSum::Contributions>);
  add("N9",
      "Сумма взносов на ОПС по дополнительному тарифу с начала года (подразделы 1.3.1, 1.3.2) не равна сумме взносов "
      "по застрахованным лицам всех расчётов года (НачислСВ подраздела 3.2.2)",
      "Набор КС с 20.01.2018 (N9); каталог КС §2 C", SinceStartOfPersons<YearSum::ExtraContributions>);
  add("N11",
      "База для исчисления взносов на ОПС в пределах предельной величины с начала года (стр. 050 - 051 подраздела "
      "1.1) не равна сумме базы по застрахованным лицам всех расчётов года (ВыплОПС подраздела 3.2.1)",
      "Набор КС с 20.01.2018 (N11); каталог КС §2 C", SinceStartOfPersons<YearSum::Base>);
  add("N16",
      "База для исчисления взносов по дополнительному тарифу с начала года (подразделы 1.3.1, 1.3.2) не равна сумме "
      "базы по застрахованным лицам всех расчётов года (ВыплСВ подраздела 3.2.2)",
      "Набор КС с 20.01.2018 (N16); каталог КС §2 C", SinceStartOfPersons<YearSum::ExtraBase>);
  add("1.308",
      "База для исчисления взносов на ОПС застрахованного лица с начала года (ВыплОПС подраздела 3.2.1 всех "
      "расчётов года) больше предельной величины базы года",
      "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС 1.308; каталог КС §2 C (предельная величина: 876 000 руб. в "
      "2017 г., 1 021 000 руб. в 2018 г., 1 150 000 руб. в 2019 г.)",
      PersonsWithinLimit);
  return rows;
}

}  // namespace

std::span<const CheckRow> GroupCRows501() {
  static const std::vector<CheckRow> rows = MakeRows();
  return rows;
}

}  // namespace orsvelt::checks
