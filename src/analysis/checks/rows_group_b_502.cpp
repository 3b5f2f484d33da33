// Group B of format 5.02: arithmetic within section 1 and appendix 2 of this file. None of
// these ratios was read in a letter; they follow from the form, hence warnings.

#include <initializer_list>

#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"

namespace orsvelt::checks {

namespace {

constexpr std::string_view kOps = "РасчСВ_ОПС";
constexpr std::string_view kOms = "РасчСВ_ОМС";
constexpr std::string_view kOss = "РасчСВ_ОСС.ВНМКод";

enum class Relation { Equal, AtLeast };

// A line of the block with a sign, for "Выпл − НеОбл − ...".
struct Term {
  std::string_view line;
  int sign = 1;
};

std::string RelationText(std::string_view block, std::string_view left, Relation relation,
                         std::initializer_list<Term> right) {
  std::string text = ": " + std::string(block) + ": " + std::string(left) + (relation == Relation::Equal ? " = " : " ≥ ");
  bool first = true;
  for (const Term& t : right) {
    if (!first) text += t.sign > 0 ? " + " : " − ";
    text += t.line;
    first = false;
  }
  return text;
}

// Per block of the name and per column: left = (or ≥) the signed sum of the right lines. A
// column where none of the lines is present is not compared; an absent line counts as 0.
void Relate(const CheckRow& row, const CheckContext& c, std::string_view blockName, std::string_view left,
            Relation relation, std::initializer_list<Term> right, std::vector<Finding>& out) {
  ForEachBlock(c.report.section1, blockName, [&](std::string_view tariff, const view::Block& b) {
    const view::Line* l = b.Find(left);
    for (const view::Column column : kColumns502) {
      const auto lv = ValueOf(l, column);
      bool any = lv.has_value();
      Amount rv = 0;
      for (const Term& t : right)
        if (const auto v = ValueOf(b.Find(t.line), column)) {
          rv += t.sign * *v;
          any = true;
        }
      if (!any) continue;
      const Amount value = lv.value_or(0);
      if (relation == Relation::Equal ? value == rv : value >= rv) continue;
      Finding f = Breach(row, c, column, value, rv, l ? l->PathOf(column) : b.path, tariff);
      f.text += RelationText(blockName, left, relation, right);
      out.push_back(std::move(f));
    }
  });
}

// Per block of the name and per month: the since-start count is at least the month's.
void YearAtLeastMonths(const CheckRow& row, const CheckContext& c, std::string_view blockName, std::string_view line,
                       std::vector<Finding>& out) {
  ForEachBlock(c.report.section1, blockName, [&](std::string_view tariff, const view::Block& b) {
    const view::Line* l = b.Find(line);
    const auto year = ValueOf(l, view::Column::Year);
    if (!year) return;
    for (const view::Column column : kMonthColumns) {
      const auto month = ValueOf(l, column);
      if (!month || *year >= *month) continue;
      Finding f = Breach(row, c, column, *year, *month, l->PathOf(view::Column::Year), tariff);
      f.text += ": " + std::string(blockName) + ": " + std::string(line) + " с начала года ≥ за месяц";
      out.push_back(std::move(f));
    }
  });
}

// Per block and column: when the first line is above zero, so is the second.
void Implies(const CheckRow& row, const CheckContext& c, std::string_view blockName, std::string_view ifLine,
             std::string_view thenLine, std::vector<Finding>& out) {
  ForEachBlock(c.report.section1, blockName, [&](std::string_view tariff, const view::Block& b) {
    const view::Line* condition = b.Find(ifLine);
    const view::Line* consequence = b.Find(thenLine);
    for (const view::Column column : kColumns502) {
      const auto v = ValueOf(condition, column);
      if (!v || *v <= 0) continue;
      const Amount then = ValueOf(consequence, column).value_or(0);
      if (then > 0) continue;
      Finding f = Breach(row, c, column, then, 0, consequence ? consequence->PathOf(column) : b.path, tariff);
      f.text += ": " + std::string(blockName) + ": " + std::string(ifLine) + " = " +
                std::to_string(*v / kAmountScale) + ", " + std::string(thenLine) + " не больше нуля";
      out.push_back(std::move(f));
    }
  });
}

// The payable lines of the name (every КБК together) against the line summed over the blocks.
void PayableAgainstBlocks(const CheckRow& row, const CheckContext& c, std::string_view payable,
                          std::initializer_list<std::pair<std::string_view, std::string_view>> blockLines,
                          std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (!s1.present) return;
  const view::Line* first = nullptr;
  for (const view::Line& l : s1.payable)
    if (l.name == payable && !first) first = &l;
  for (const view::Column column : kColumns502) {
    std::optional<Amount> left, right;
    for (const view::Line& l : s1.payable)
      if (l.name == payable)
        if (const auto v = l.Value(column)) left = left.value_or(0) + *v;
    for (const auto& [block, line] : blockLines)
      if (const auto v = SumOverTariffs(s1, block, line, column)) right = right.value_or(0) + *v;
    if (!left && !right) continue;
    if (left.value_or(0) == right.value_or(0)) continue;
    out.push_back(Breach(row, c, column, left.value_or(0), right.value_or(0), first ? first->PathOf(column) : s1.path));
  }
}

// Appendix 2 net of a column: contributions of every tariff plus reimbursed less spent; to pay
// when not below zero, an excess of expenses when below. Nullopt without appendix 2.
std::optional<Amount> OssNet(const view::Section1& s1, view::Column column) {
  if (s1.appendix2.empty()) return std::nullopt;
  Amount net = 0;
  for (const view::Block& b : s1.appendix2) {
    if (b.name == kOss) net += ValueOf(b.Find("НачислСВ"), column).value_or(0);
    if (b.name == "РасчСВ_ОСС.ВНМ")
      net += ValueOf(b.Find("ВозмРасхСО"), column).value_or(0) - ValueOf(b.Find("ПроизвРасхСО"), column).value_or(0);
  }
  return net;
}

void OssPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (s1.appendix2.empty()) return;
  // "УплСВПрев": its parts carry the net as an amount and "Признак" 1 (to pay) or 2 (excess).
  constexpr std::pair<std::string_view, view::Column> kParts[] = {{"УплВсегоПер", view::Column::Year},
                                                                   {"Упл1Посл3М", view::Column::Month1},
                                                                   {"Упл2Посл3М", view::Column::Month2},
                                                                   {"Упл3Посл3М", view::Column::Month3}};
  for (const auto& [name, column] : kParts) {
    const view::Line* part = s1.appendix2.front().Find(name);
    const auto net = OssNet(s1, column);
    if (!part || !net) continue;
    const Amount amount = part->Value(view::Column::Year).value_or(0);
    const Amount signedPart = part->code == "2" ? -amount : amount;
    if (signedPart == *net) continue;
    Finding f = Breach(row, c, column, signedPart, *net, part->PathOf(view::Column::Year));
    f.text += ": УплСВПрев (превышение расходов со знаком минус) = НачислСВ + ВозмРасхСО − ПроизвРасхСО";
    out.push_back(std::move(f));
  }
  const view::Line* toPay = s1.FindPayable("УплПерОСС");
  const view::Line* excess = s1.FindPayable("ПревРасхОСС");
  if (!toPay && !excess) return;
  for (const view::Column column : kColumns502) {
    const auto net = OssNet(s1, column);
    const Amount payable = ValueOf(toPay, column).value_or(0) - ValueOf(excess, column).value_or(0);
    if (!net || payable == *net) continue;
    Finding f = Breach(row, c, column, payable, *net, (toPay ? toPay : excess)->PathOf(column));
    f.text += ": УплПерОСС − ПревРасхОСС = НачислСВ + ВозмРасхСО − ПроизвРасхСО";
    out.push_back(std::move(f));
  }
}

// Section 1 medical payments of a month against the persons' payments of that month.
void MedicalPaymentsAgainstPersons(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (!s1.present || c.quarter == 0) return;
  // Without subsection 1.2 there is nothing to compare; the payments are compared by A1 still.
  const view::Line* first = nullptr;
  for (const view::TariffBlock& t : s1.tariffs)
    if ((first = t.Find(kOms, "ВыплНачислФЛ"))) break;
  if (!first) return;
  std::array<Amount, 4> persons{};
  c.ForEachPerson([&](const PersonRows& p) {
    for (const view::MonthRow& r : p.rows)
      if (const int m = c.MonthInPeriod(r.month)) persons[m] += r.payments;
  });
  for (int m = 1; m <= 3; ++m) {
    const view::Column column = MonthColumn(m);
    const Amount left = SumOverTariffs(s1, kOms, "ВыплНачислФЛ", column).value_or(0);
    if (left == persons[m]) continue;
    out.push_back(Breach(row, c, column, left, persons[m], first->PathOf(column)));
  }
}

const CheckRow kRows[] = {
    {.id = "B1-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов на ОПС к уплате (УплПерОПС) не равна сумме исчисленных взносов на ОПС по всем тарифам "
                "(подраздел 1.1)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B1",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       PayableAgainstBlocks(row, c, "УплПерОПС", {{kOps, "НачислСВ"}}, out);
     }},
    {.id = "B2-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов на ОМС к уплате (УплПерОМС) не равна сумме исчисленных взносов на ОМС по всем тарифам "
                "(подраздел 1.2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B2",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       PayableAgainstBlocks(row, c, "УплПерОМС", {{kOms, "НачислСВ"}}, out);
     }},
    {.id = "B3-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов к уплате по дополнительному тарифу или на дополнительное социальное обеспечение "
                "(УплПерОПСДоп, УплПерДСО) не равна исчисленной в подразделах 1.3.1, 1.3.2, 1.4" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B3",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       const std::size_t first = out.size();
       PayableAgainstBlocks(row, c, "УплПерОПСДоп", {{"РасчСВ_428.1-2", "НачислСВДоп"}, {"РасчСВ_428.3", "НачислСВДоп"}},
                            out);
       for (std::size_t i = first; i < out.size(); ++i) out[i].text += ": УплПерОПСДоп";
       const std::size_t second = out.size();
       PayableAgainstBlocks(row, c, "УплПерДСО", {{"РасчСВ_ДСО", "НачислСВДСО"}}, out);
       for (std::size_t i = second; i < out.size(); ++i) out[i].text += ": УплПерДСО";
     }},
    {.id = "B4-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма взносов на ОСС к уплате (превышение расходов) не равна исчисленным взносам с учётом расходов и "
                "возмещения (приложение 2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B4", .run = OssPayable},
    {.id = "B5-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Количество застрахованных лиц меньше количества лиц, с выплат которым исчислены взносы, или "
                "количество с начала периода меньше количества за месяц" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B5",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       Relate(row, c, kOps, "КолСтрахЛицВс", Relation::AtLeast, {{"КолЛицНачСВВс"}}, out);
       Relate(row, c, kOps, "КолЛицНачСВВс", Relation::AtLeast, {{"ПревБазОПС"}}, out);
       Relate(row, c, kOms, "КолСтрахЛицВс", Relation::AtLeast, {{"КолЛицНачСВВс"}}, out);
       Relate(row, c, kOss, "КолСтрахЛицВс", Relation::AtLeast, {{"КолЛицНачСВВс"}}, out);
       for (const std::string_view line : {"КолСтрахЛицВс", "КолЛицНачСВВс", "ПревБазОПС"})
         YearAtLeastMonths(row, c, kOps, line, out);
       for (const std::string_view block : {kOms, kOss})
         for (const std::string_view line : {"КолСтрахЛицВс", "КолЛицНачСВВс"}) YearAtLeastMonths(row, c, block, line, out);
     }},
    {.id = "B6-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Есть лица, с выплат которым исчислены взносы, но сумма выплат не больше нуля" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B6",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       for (const std::string_view block : {kOps, kOms, kOss}) Implies(row, c, block, "КолЛицНачСВВс", "ВыплНачислФЛ", out);
     }},
    {.id = "B7-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма выплат меньше суммы, не подлежащей обложению взносами" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B7",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       for (const std::string_view block : {kOps, kOms, kOss})
         Relate(row, c, block, "ВыплНачислФЛ", Relation::AtLeast, {{"НеОбложенСВ"}}, out);
     }},
    {.id = "B8-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "База для исчисления взносов не равна сумме выплат за вычетом необлагаемых сумм и расходов, принятых к "
                "вычету (подразделы 1.1, 1.2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B8",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       for (const std::string_view block : {kOps, kOms})
         Relate(row, c, block, "БазНачислСВ", Relation::Equal,
                {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}, {"РасхПринВыч", -1}}, out);
     }},
    {.id = "B9-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "База, превышающая предельную величину, не согласуется с базой для исчисления взносов на ОПС или с "
                "количеством лиц, чья база превысила предельную величину (подраздел 1.1)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B9",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       Relate(row, c, kOps, "БазНачислСВ", Relation::AtLeast, {{"БазПревышОПС"}}, out);
       Implies(row, c, kOps, "ПревБазОПС", "БазПревышОПС", out);
     }},
    {.id = "B10-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Исчисленные взносы на ОПС меньше взносов с базы, не превышающей предельную величину, или не равны им "
                "без превышения предельной величины (подраздел 1.1)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B10",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       Relate(row, c, kOps, "НачислСВ", Relation::AtLeast, {{"НачислСВНеПрев"}}, out);
       // Without a base above the limit nothing is charged above it.
       ForEachBlock(c.report.section1, kOps, [&](std::string_view tariff, const view::Block& b) {
         const view::Line* all = b.Find("НачислСВ");
         const view::Line* within = b.Find("НачислСВНеПрев");
         if (!all || !within) return;
         for (const view::Column column : kColumns502) {
           const auto a = all->Value(column), w = within->Value(column);
           if (!a || !w || *a <= *w || ValueOf(b.Find("БазПревышОПС"), column).value_or(0) != 0) continue;
           Finding f = Breach(row, c, column, *a, *w, all->PathOf(column), tariff);
           f.text += ": РасчСВ_ОПС: НачислСВ = НачислСВНеПрев при БазПревышОПС = 0";
           out.push_back(std::move(f));
         }
       });
     }},
    {.id = "B11-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "База для исчисления взносов на ОСС не равна сумме выплат за вычетом необлагаемых сумм и превышения "
                "предельной величины, или меньше базы по иностранным гражданам (приложение 2)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B11",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       Relate(row, c, kOss, "БазНачислСВ", Relation::Equal, {{"ВыплНачислФЛ"}, {"НеОбложенСВ", -1}, {"БазПревышСВ", -1}},
              out);
       Relate(row, c, kOss, "БазНачислСВ", Relation::AtLeast, {{"БазНачислСВИн"}}, out);
     }},
    {.id = "B12-502", .group = Group::B, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Сумма выплат в пользу физических лиц (подраздел 1.2) не равна сумме выплат по застрахованным лицам "
                "(раздел 3)" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 B12", .run = MedicalPaymentsAgainstPersons},
};

}  // namespace

std::span<const CheckRow> GroupBRows502() { return kRows; }

}  // namespace orsvelt::checks
