// Group B of format 5.01: arithmetic within section 1 and its appendix 2, section 1 against
// the persons' payments (1.292-1.294) and each person's declared totals (1.302-1.307).
// The letter states most ratios once per column; every column is a row of its own number.

#include <algorithm>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "analysis/checks/check_table.h"
#include "analysis/checks/line_ratio.h"
#include "analysis/checks/person_totals.h"
#include "analysis/checks/section1_sums.h"

namespace orsvelt::checks {

namespace {

using view::Column;

constexpr std::string_view kSource = "Письмо ФНС БС-4-11/4371@ от 13.03.2017, КС ";

enum class Relation { Equal, AtLeast, Implies, AtLeastEach };
enum class Where { Tariffs, Appendix2 };

struct Term {
  Term(std::string_view l = {}, int s = 1, std::optional<Column> c = std::nullopt) : line(l), sign(s), column(c) {}
  std::string_view line;
  int sign = 1;
  std::optional<Column> column;  // fixed; else the ratio's column
};

// A ratio between lines of one block, evaluated in every block of that name.
struct LineRatio {
  std::string id, wording, source;
  Severity severity = Severity::Error;
  Where where = Where::Tariffs;
  std::string_view block;
  Term left;
  std::vector<Term> right;
  Relation relation = Relation::Equal;
  std::vector<Column> columns;
};

std::string_view SubsectionOf(std::string_view block) {
  if (block == "РасчСВ_ОПС") return "Подраздел 1.1";
  if (block == "РасчСВ_ОМС") return "Подраздел 1.2";
  return "Приложение 2";
}

// Form line numbers of the lines the ratios name.
std::string_view FormLine(std::string_view block, std::string_view line) {
  static const std::map<std::pair<std::string_view, std::string_view>, std::string_view> kLines = {
      {{"РасчСВ_ОПС", "КолСтрахЛицВс"}, "010"},  {{"РасчСВ_ОПС", "КолЛицНачСВВс"}, "020"},
      {{"РасчСВ_ОПС", "ПревБазОПС"}, "021"},     {{"РасчСВ_ОПС", "ВыплНачислФЛ"}, "030"},
      {{"РасчСВ_ОПС", "НеОбложенСВ"}, "040"},    {{"РасчСВ_ОПС", "БазНачислСВ"}, "050"},
      {{"РасчСВ_ОПС", "БазПревышОПС"}, "051"},   {{"РасчСВ_ОПС", "НачислСВ"}, "060"},
      {{"РасчСВ_ОПС", "НачислСВНеПрев"}, "061"}, {{"РасчСВ_ОПС", "НачислСВПрев"}, "062"},
      {{"РасчСВ_ОМС", "КолСтрахЛицВс"}, "010"},  {{"РасчСВ_ОМС", "КолЛицНачСВВс"}, "020"},
      {{"РасчСВ_ОМС", "ВыплНачислФЛ"}, "030"},   {{"РасчСВ_ОМС", "НеОбложенСВ"}, "040"},
      {{"РасчСВ_ОМС", "БазНачислСВ"}, "050"},    {{"РасчСВ_ОМС", "НачислСВ"}, "060"},
      {{"РасчСВ_ОСС.ВНМ", "КолСтрахЛицВс"}, "010"}, {{"РасчСВ_ОСС.ВНМ", "ВыплНачислФЛ"}, "020"},
      {{"РасчСВ_ОСС.ВНМ", "НеОбложенСВ"}, "030"},   {{"РасчСВ_ОСС.ВНМ", "БазПревышСВ"}, "040"},
      {{"РасчСВ_ОСС.ВНМ", "БазНачислСВ"}, "050"},   {{"РасчСВ_ОСС.ВНМ", "БазНачСВФарм"}, "051"},
      {{"РасчСВ_ОСС.ВНМ", "БазНачСВЧлЭС"}, "052"},  {{"РасчСВ_ОСС.ВНМ", "БазНачСВПат"}, "053"},
      {{"РасчСВ_ОСС.ВНМ", "БазНачСВИнЛиц"}, "054"}, {{"РасчСВ_ОСС.ВНМ", "НачислСВ"}, "060"},
      {{"РасчСВ_ОСС.ВНМ", "ПроизвРасхСО"}, "070"},  {{"РасчСВ_ОСС.ВНМ", "ВозмРасхСО"}, "080"}};
  const auto found = kLines.find({block, line});
  return found == kLines.end() ? std::string_view() : found->second;
}

std::string TermText(std::string_view block, const Term& t) {
  std::string text = "стр. " + std::string(FormLine(block, t.line)) + " (" + std::string(t.line) + ")";
  if (t.column) text += " " + std::string(ColumnCaption(*t.column));
  return text;
}

std::string SideText(std::string_view block, const std::vector<Term>& terms) {
  std::string text;
  for (const Term& t : terms) {
    if (!text.empty()) text += t.sign > 0 ? " + " : " − ";
    text += TermText(block, t);
  }
  return text;
}

// The breach as the protocol words it: "Подраздел 1.1, за 1-й месяц: стр. 010 (...) < стр. 020 (...)".
std::string Wording(const LineRatio& r) {
  std::string text(SubsectionOf(r.block));
  if (r.columns.size() == 1 && !(r.left.column && r.right.front().column))
    text += ", " + std::string(ColumnCaption(r.columns.front()));
  text += ": ";
  const std::string left = TermText(r.block, r.left), right = SideText(r.block, r.right);
  // Columns of one line against each other.
  if (std::all_of(r.right.begin(), r.right.end(), [&](const Term& t) { return t.line == r.left.line; })) {
    if (r.relation == Relation::Equal) return text + left + " не равна сумме за каждый из трёх месяцев";
    return text + left + " меньше, чем " + std::string(ColumnCaption(*r.right.front().column));
  }
  switch (r.relation) {
    case Relation::Equal: return text + left + " не равна " + right;
    case Relation::AtLeast: return text + left + " меньше " + right;
    case Relation::Implies: return text + left + " больше нуля, а " + right + " — нет";
    case Relation::AtLeastEach: {
      std::string each;
      for (const Term& t : r.right) each += (each.empty() ? "" : " или ") + TermText(r.block, t);
      return text + left + " меньше " + each;
    }
  }
  return text;
}

std::string Number(int n) { return "1." + std::to_string(n); }

class Ratios {
 public:
  // One ratio per column, numbered from first.
  void EveryColumn(int first, std::string_view block, Term left, std::vector<Term> right, Relation relation,
                   Where where = Where::Tariffs) {
    for (const Column column : kAllColumns) Add(Number(first++), block, left, right, relation, {column}, where);
  }
  // "Since start ≥ three months" and "three months ≥ each month" of a count line.
  void CountColumns(int first, std::string_view block, std::string_view line, Where where = Where::Tariffs) {
    Add(Number(first++), block, {line, 1, Column::Year}, {{line, 1, Column::LastThreeMonths}}, Relation::AtLeast,
        {Column::Year}, where);
    for (const Column month : kMonthColumns)
      Add(Number(first++), block, {line, 1, Column::LastThreeMonths}, {{line, 1, month}}, Relation::AtLeast, {month},
          where);
  }
  // The three-month total of a sum line is the sum of its months.
  void MonthsTotal(int number, std::string_view block, std::string_view line, Where where = Where::Tariffs,
                   Severity severity = Severity::Error) {
    Add(Number(number), block, {line, 1, Column::LastThreeMonths},
        {{line, 1, Column::Month1}, {line, 1, Column::Month2}, {line, 1, Column::Month3}}, Relation::Equal,
        {Column::LastThreeMonths}, where, severity);
  }
  void Add(std::string id, std::string_view block, Term left, std::vector<Term> right, Relation relation,
           std::vector<Column> columns, Where where, Severity severity = Severity::Error) {
    LineRatio& r = ratios_.emplace_back();
    r.id = std::move(id);
    r.block = block;
    r.left = left;
    r.right = std::move(right);
    r.relation = relation;
    r.columns = std::move(columns);
    r.where = where;
    r.severity = severity;
    r.wording = Wording(r);
    r.source = std::string(kSource) + r.id + "; каталог КС §2 B";
  }
  std::deque<LineRatio>& All() { return ratios_; }

 private:
  std::deque<LineRatio> ratios_;
};

std::deque<LineRatio> MakeLineRatios() {
  constexpr std::string_view ops = "РасчСВ_ОПС", oms = "РасчСВ_ОМС", oss = "РасчСВ_ОСС.ВНМ";
  constexpr Relation eq = Relation::Equal, ge = Relation::AtLeast, implies = Relation::Implies;
  constexpr Where app2 = Where::Appendix2;
  Ratios r;
  r.EveryColumn(30, ops, {"КолСтрахЛицВс"}, {{"КолЛицНачСВВс"}}, ge);
  r.CountColumns(36, ops, "КолСтрахЛицВс");
  r.EveryColumn(40, ops, {"КолЛицНачСВВс"}, {{"ПревБазОПС"}}, ge);
  r.EveryColumn(46, ops, {"КолЛицНачСВВс"}, {{"ВыплНачислФЛ"}}, implies);
  r.CountColumns(52, ops, "ПревБазОПС");
  // 1.57 is the example row of the common group B.
  r.EveryColumn(58, ops, {"ВыплНачислФЛ"}, {{"НеОбложенСВ"}}, ge);
  r.MonthsTotal(64, ops, "НеОбложенСВ");
  r.EveryColumn(65, ops, {"БазНачислСВ"}, {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}}, eq);
  r.EveryColumn(70, ops, {"ПревБазОПС"}, {{"БазПревышОПС"}}, implies);
  r.EveryColumn(75, ops, {"БазНачислСВ"}, {{"БазПревышОПС"}}, ge);
  r.MonthsTotal(81, ops, "БазНачислСВ");
  r.EveryColumn(82, ops, {"НачислСВ"}, {{"НачислСВНеПрев"}, {"НачислСВПрев"}}, eq);
  r.MonthsTotal(88, ops, "НачислСВ");
  r.MonthsTotal(90, ops, "НачислСВНеПрев");
  r.MonthsTotal(92, ops, "НачислСВПрев");

  r.EveryColumn(93, oms, {"КолСтрахЛицВс"}, {{"КолЛицНачСВВс"}}, ge);
  r.CountColumns(99, oms, "КолСтрахЛицВс");
  r.EveryColumn(104, oms, {"КолЛицНачСВВс"}, {{"ВыплНачислФЛ"}}, implies);
  r.MonthsTotal(110, oms, "ВыплНачислФЛ");
  r.EveryColumn(111, oms, {"ВыплНачислФЛ"}, {{"НеОбложенСВ"}}, ge);
  r.MonthsTotal(117, oms, "НеОбложенСВ");
  r.EveryColumn(118, oms, {"БазНачислСВ"}, {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}}, eq);
  r.MonthsTotal(124, oms, "НачислСВ");

  r.CountColumns(195, oss, "КолСтрахЛицВс", app2);
  r.EveryColumn(199, oss, {"КолСтрахЛицВс"}, {{"ВыплНачислФЛ"}}, implies, app2);
  r.MonthsTotal(205, oss, "ВыплНачислФЛ", app2);
  r.EveryColumn(206, oss, {"ВыплНачислФЛ"}, {{"НеОбложенСВ"}}, ge, app2);
  // Which of the two right sides each of 1.211-1.216 names is not known; both hold in a sound report.
  r.Add("1.211-1.216", oss, {"ВыплНачислФЛ"}, {{"БазПревышСВ"}, {"БазНачислСВ"}}, Relation::AtLeastEach,
        {std::begin(kAllColumns), std::end(kAllColumns)}, app2);
  r.MonthsTotal(218, oss, "НеОбложенСВ", app2);
  r.EveryColumn(222, oss, {"БазНачислСВ"}, {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}, {"БазПревышСВ", -1}}, eq, app2);
  r.EveryColumn(227, oss, {"БазНачислСВ"}, {{"БазНачСВФарм"}, {"БазНачСВЧлЭС"}, {"БазНачСВПат"}, {"БазНачСВИнЛиц"}},
                ge, app2);
  int number = 232;
  for (const std::string_view line : {"БазНачислСВ", "БазНачСВФарм", "БазНачСВЧлЭС", "БазНачСВПат", "БазНачСВИнЛиц",
                                      "НачислСВ", "ПроизвРасхСО", "ВозмРасхСО"}) {
    r.MonthsTotal(number, oss, line, app2);
    number += 2;
  }
  // The letter's 1.220 repeats 1.218; the form's next line is the base above the limit.
  r.MonthsTotal(220, oss, "БазПревышСВ", app2, Severity::Warning);
  LineRatio& last = r.All().back();
  last.wording += " (следует из формы расчёта, а не из письма ФНС)";
  last.source = "Каталог КС §2 B, 1.220 (строка выведена из формы)";
  return std::move(r.All());
}

const std::deque<LineRatio>& LineRatios() {
  static const std::deque<LineRatio> ratios = MakeLineRatios();
  return ratios;
}

const LineRatio* LineRatioOf(std::string_view id) {
  static const std::map<std::string_view, const LineRatio*> byId = [] {
    std::map<std::string_view, const LineRatio*> m;
    for (const LineRatio& r : LineRatios()) m.emplace(r.id, &r);
    return m;
  }();
  const auto found = byId.find(id);
  return found == byId.end() ? nullptr : found->second;
}

std::optional<std::int64_t> TermValue(const view::Block& b, const Term& t, Column column) {
  return ValueOf(&b, t.line, t.column.value_or(column));
}

void Compare(const CheckRow& row, const CheckContext& c, const LineRatio& r, const view::Block& b,
             std::string_view tariff, Column column, std::vector<Finding>& out) {
  const auto left = TermValue(b, r.left, column);
  bool any = left.has_value();
  std::int64_t right = 0;
  for (const Term& t : r.right) {
    const auto v = TermValue(b, t, column);
    any = any || v;
    right += t.sign * v.value_or(0);
  }
  if (!any) return;
  const view::Line* leftLine = b.Find(r.left.line);
  const bool count = leftLine && leftLine->count;
  const auto emit = [&](std::int64_t l, std::int64_t rr) {
    Finding f = FindingOf(row);
    if (r.columns.size() > 1) f.text += " (" + std::string(ColumnCaption(column)) + ")";
    f.tariff = std::string(tariff);
    f.month = CalendarMonthOf(c, column);
    f.path = leftLine ? leftLine->PathOf(r.left.column.value_or(column)) : b.path;
    if (r.relation == Relation::Implies) {
      // A number of persons against an amount: each side in its own unit.
      f.left = count ? l * kAmountScale : l;
      f.right = rr;
      if (count) f.text += " (лиц: " + std::to_string(l) + ")";
    } else {
      SetSides(f, l, rr, count);
    }
    out.push_back(std::move(f));
  };
  const std::int64_t l = left.value_or(0);
  switch (r.relation) {
    case Relation::Equal:
      if (l != right) emit(l, right);
      break;
    case Relation::AtLeast:
      if (l < right) emit(l, right);
      break;
    case Relation::Implies:
      if (l > 0 && right <= 0) emit(l, right);
      break;
    case Relation::AtLeastEach:
      for (const Term& t : r.right) {
        const std::int64_t v = TermValue(b, t, column).value_or(0);
        if (l < v) emit(l, v);
      }
      break;
  }
}

void RunLineRatio(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const LineRatio* r = LineRatioOf(row.id);
  if (!r) return;
  const view::Section1& s1 = c.report.section1;
  for (const Column column : r->columns) {
    if (r->where == Where::Appendix2) {
      for (const view::Block& b : s1.appendix2)
        if (b.name == r->block) Compare(row, c, *r, b, {}, column, out);
      continue;
    }
    for (const view::TariffBlock& t : s1.tariffs)
      for (const view::Block& b : t.blocks)
        if (b.name == r->block) Compare(row, c, *r, b, t.tariff, column, out);
  }
}

// 1.6-1.13: the sums payable equal the contributions of every tariff block together.
template <int kFirst>
void PayableEqualsTariffs(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const bool pension = kFirst == 6;
  const int index = std::stoi(std::string(row.id.substr(2))) - kFirst;  // 0: since start, 1..3: months
  const Column column = index == 0 ? Column::Year : kMonthColumns[index - 1];
  const view::Section1& s1 = c.report.section1;
  if (!s1.present) return;
  // The line is required by the format; its absence is reported by the reading.
  const view::Line* payable = s1.FindPayable(pension ? "УплПерОПС" : "УплПерОМС");
  if (!payable) return;
  const auto sum = SumOverTariffs(s1, pension ? "РасчСВ_ОПС" : "РасчСВ_ОМС", "НачислСВ", column);
  const auto left = payable->Value(column);
  if (!left && !sum) return;
  if (left.value_or(0) == sum.value_or(0)) return;
  Finding f = FindingOf(row);
  f.month = CalendarMonthOf(c, column);
  f.path = payable->PathOf(column);
  SetSides(f, left.value_or(0), sum.value_or(0), false);
  out.push_back(std::move(f));
}

// 1.22-1.29: the part of "УплСВПрев" with its sign goes to the payable or to the excess line.
void ExcessOrPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const int n = std::stoi(std::string(row.id.substr(2)));
  const bool payableSide = n <= 25;
  const int index = payableSide ? n - 22 : n - 26;
  static constexpr std::string_view kParts[] = {"УплВсегоПер", "Упл1Посл3М", "Упл2Посл3М", "Упл3Посл3М"};
  const Column column = index == 0 ? Column::Year : kMonthColumns[index - 1];
  const view::Section1& s1 = c.report.section1;
  for (const view::Block& b : s1.appendix2) {
    if (b.name != "РасчСВ_ОСС.ВНМ") continue;
    const view::Line* part = b.Find(kParts[index]);
    if (!part || part->code != (payableSide ? "1" : "2")) continue;
    const Amount right = part->Value(Column::Year).value_or(0);
    const view::Line* line = s1.FindPayable(payableSide ? "УплПерОСС" : "ПревРасхОСС");
    const Amount left = line ? line->Value(column).value_or(0) : 0;
    if (left == right) continue;
    Finding f = FindingOf(row);
    f.month = CalendarMonthOf(c, column);
    f.path = line ? line->PathOf(column) : s1.path;
    SetSides(f, left, right, false);
    out.push_back(std::move(f));
  }
}

// 1.292-1.294: medical-insurance payments of a month equal the persons' payments of that month.
void MedicalPaymentsOfPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const int m = std::stoi(std::string(row.id.substr(2))) - 291;
  const view::Section1& s1 = c.report.section1;
  if (!s1.present || c.months[m - 1] == 0) return;
  const auto left = SumOverTariffs(s1, "РасчСВ_ОМС", "ВыплНачислФЛ", kMonthColumns[m - 1]);
  Amount right = 0;
  c.ForEachPerson([&](const PersonRows& p) {
    for (const view::MonthRow& r : p.rows)
      if (r.month == c.months[m - 1]) right += r.payments;
  });
  // Without subsection 1.2 (required by the format, so reported by the reading) nothing is compared.
  if (!left || *left == right) return;
  Finding f = FindingOf(row);
  f.month = c.months[m - 1];
  for (const view::TariffBlock& t : s1.tariffs)
    if (const view::Line* l = t.Find("РасчСВ_ОМС", "ВыплНачислФЛ")) {
      f.path = l->PathOf(kMonthColumns[m - 1]);
      break;
    }
  SetSides(f, left.value_or(0), right, false);
  out.push_back(std::move(f));
}

// 1.302-1.307: a person's declared totals equal the sums of the person's rows of the period.
template <view::PersonTotals::Field kTotal>
void PersonTotal(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  using T = view::PersonTotals;
  static constexpr std::string_view kAttributes[] = {"СумВыплВс3",  "ВыплОПСВс3", "ВыплОПСДогВс3",
                                                     "НачислСВВс3", "ВыплСВВс3",  "НачислСВВс3"};
  constexpr bool extra = kTotal == T::ExtraBase || kTotal == T::ExtraContributions;
  const view::Section3& s3 = c.report.section3;
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    const auto total = DeclaredTotalOf(c, p, kTotal);
    if (!total || total->declared == total->summed) continue;
    Finding f = FindingOf(row);
    f.snils = std::string(p.snils);
    f.text += ": " + ShownName(p.snils, p.surname, p.givenName);
    // The totals sit on the parent of the rows: the rows' path without its last step.
    const std::string_view steps = extra ? p.steps->extraRows : p.steps->rows;
    f.path = s3.PathOf(p) + std::string(steps.substr(0, steps.rfind(" - "))) + " - @" +
             std::string(kAttributes[kTotal]);
    SetSides(f, total->declared, total->summed, false);
    out.push_back(std::move(f));
  }
}

constexpr std::string_view kPayableSource = "; каталог КС §2 B";

std::vector<CheckRow> MakeRows() {
  std::vector<CheckRow> rows;
  const auto add = [&](std::string_view id, std::string_view wording, std::string_view source, CheckFunction run) {
    rows.push_back({.id = id, .group = Group::B, .severity = Severity::Error, .formats = kFormat501,
                    .wording = wording, .source = source, .run = run});
  };
  static const std::deque<std::string> texts = [] {
    std::deque<std::string> t;
    for (int n = 6; n <= 13; ++n) t.push_back(Number(n));
    for (int n = 22; n <= 29; ++n) t.push_back(Number(n));
    for (int n = 292; n <= 294; ++n) t.push_back(Number(n));
    for (int n = 302; n <= 307; ++n) t.push_back(Number(n));
    return t;
  }();
  static const std::deque<std::string> sources = [] {
    std::deque<std::string> s;
    for (const std::string& id : texts) s.push_back(std::string(kSource) + id + std::string(kPayableSource));
    return s;
  }();
  static const std::string_view kPeriod[] = {"с начала года", "за 1-й месяц", "за 2-й месяц", "за 3-й месяц"};
  static const std::deque<std::string> wordings = [] {
    std::deque<std::string> w;
    for (const std::string_view column : kPeriod)
      w.push_back("Сумма взносов на ОПС к уплате " + std::string(column) +
                  " (УплПерОПС) не равна сумме исчисленных взносов на ОПС по всем тарифам (стр. 060 подраздела 1.1)");
    for (const std::string_view column : kPeriod)
      w.push_back("Сумма взносов на ОМС к уплате " + std::string(column) +
                  " (УплПерОМС) не равна сумме исчисленных взносов на ОМС по всем тарифам (стр. 060 подраздела 1.2)");
    for (const std::string_view column : kPeriod)
      w.push_back("Сумма взносов на ОСС к уплате " + std::string(column) +
                  " (УплПерОСС) не равна сумме к уплате стр. 090 приложения 2 с признаком 1");
    for (const std::string_view column : kPeriod)
      w.push_back("Превышение расходов над взносами на ОСС " + std::string(column) +
                  " (ПревРасхОСС) не равно сумме стр. 090 приложения 2 с признаком 2");
    for (int m = 1; m <= 3; ++m)
      w.push_back("Выплаты в пользу физических лиц за " + std::to_string(m) +
                  "-й месяц (стр. 030 подраздела 1.2) не равны сумме выплат по застрахованным лицам (СумВыпл "
                  "подраздела 3.2.1)");
    w.push_back("Сумма выплат застрахованному лицу за три месяца (СумВыплВс3) не равна сумме его выплат по месяцам");
    w.push_back("База для исчисления взносов на ОПС застрахованного лица за три месяца (ВыплОПСВс3) не равна сумме "
                "по месяцам");
    w.push_back("База для исчисления взносов на ОПС по гражданско-правовым договорам за три месяца (ВыплОПСДогВс3) не "
                "равна сумме по месяцам");
    w.push_back("Сумма взносов на ОПС застрахованного лица за три месяца (НачислСВВс3) не равна сумме по месяцам");
    w.push_back("База для исчисления взносов по дополнительному тарифу за три месяца (ВыплСВВс3) не равна сумме по "
                "месяцам");
    w.push_back("Сумма взносов по дополнительному тарифу за три месяца (НачислСВВс3) не равна сумме по месяцам");
    return w;
  }();
  std::size_t i = 0;
  for (int n = 6; n <= 9; ++n, ++i) add(texts[i], wordings[i], sources[i], PayableEqualsTariffs<6>);
  for (int n = 10; n <= 13; ++n, ++i) add(texts[i], wordings[i], sources[i], PayableEqualsTariffs<10>);
  for (int n = 22; n <= 29; ++n, ++i) add(texts[i], wordings[i], sources[i], ExcessOrPayable);
  for (const LineRatio& r : LineRatios())
    rows.push_back({.id = r.id, .group = Group::B, .severity = r.severity, .formats = kFormat501,
                    .wording = r.wording, .source = r.source, .run = RunLineRatio});
  for (int n = 292; n <= 294; ++n, ++i) add(texts[i], wordings[i], sources[i], MedicalPaymentsOfPersons);
  using T = view::PersonTotals;
  const CheckFunction totals[] = {PersonTotal<T::Payments>,      PersonTotal<T::Base>,
                                  PersonTotal<T::ContractBase>,  PersonTotal<T::Contributions>,
                                  PersonTotal<T::ExtraBase>,     PersonTotal<T::ExtraContributions>};
  for (const CheckFunction run : totals) {
    add(texts[i], wordings[i], sources[i], run);
    ++i;
  }
  return rows;
}

}  // namespace

std::span<const CheckRow> GroupBRows501() {
  static const std::vector<CheckRow> rows = MakeRows();
  return rows;
}

}  // namespace orsvelt::checks
