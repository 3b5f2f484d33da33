// Group E of format 5.02: amounts that cannot be negative, the totals of appendices 9 and 10,
// and contributions as base times rate per tariff block and per person. A rate the reference does not know is not checked.

#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/tariff_grouping.h"
#include "reference/category_groups.h"
#include "reference/contribution_rates.h"
#include "reference/period_codes.h"
#include "reference/tariff_categories.h"

namespace orsvelt::checks {

namespace {

void NegativeLine(const CheckRow& row, const CheckContext& c, const view::Line& line, std::string_view tariff,
                  std::string_view where, std::vector<Finding>& out) {
  if (line.count) return;
  for (std::size_t i = 0; i < view::kColumnCount; ++i) {
    const auto column = static_cast<view::Column>(i);
    const auto v = line.Value(column);
    if (!v || *v >= 0) continue;
    Finding f = Breach(row, c, column, *v, 0, line.PathOf(column), tariff);
    f.text += ": " + std::string(where) + std::string(line.name);
    out.push_back(std::move(f));
  }
}

void NegativeAmounts(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  for (const view::Line& line : s1.payable) NegativeLine(row, c, line, {}, "", out);
  for (const view::TariffBlock& t : s1.tariffs)
    for (const view::Block& b : t.blocks)
      for (const view::Line& line : b.lines) NegativeLine(row, c, line, t.tariff, std::string(b.name) + "/", out);
  for (const view::Block& b : s1.appendix2)
    for (const view::Line& line : b.lines)
      NegativeLine(row, c, line, b.CodeOf("ТарифПлат"), std::string(b.name) + "/", out);

  const view::Section3& s3 = c.report.section3;
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    const auto add = [&](Amount v, std::int32_t month, std::string path, std::string_view field) {
      if (v >= 0) return;
      Finding f = FindingOf(row);
      if (month) f.month = month;
      f.snils = std::string(p.snils);
      f.persons = {ShownName(p)};
      f.path = std::move(path);
      f.left = v;
      f.right = 0;
      f.text += ": " + ShownName(p) + ", " + std::string(field);
      out.push_back(std::move(f));
    };
    for (const view::MonthRow& r : s3.RowsOf(p)) {
      using F = view::RowField;
      add(r.payments, r.month, s3.PathOf(p, r, F::Payments), "СумВыпл");
      add(r.base, r.month, s3.PathOf(p, r, F::Base), "ВыплОПС");
      add(r.contractBase, r.month, s3.PathOf(p, r, F::ContractBase), "ВыплОПСДог");
      add(r.contributions, r.month, s3.PathOf(p, r, F::Contributions), "НачислСВ");
    }
    for (const view::ExtraTariffRow& r : s3.ExtraRowsOf(p)) {
      using F = view::ExtraRowField;
      add(r.base, r.month, s3.PathOf(p, r, F::Base), "ВыплСВ");
      add(r.contributions, r.month, s3.PathOf(p, r, F::Contributions), "НачислСВ");
    }
  }
}

// Appendices 9 and 10: the total of each column equals the persons' payments in it.
void PaymentAppendixTotals(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  for (const view::Block& b : c.report.section1.paymentAppendices) {
    const view::Line* total = b.Find("ВыплатИт");
    for (const view::Column column : kColumns502) {
      std::optional<Amount> persons;
      for (const view::Line& line : b.lines)
        if (line.name == "СумВыплат")
          if (const auto v = line.Value(column)) persons = persons.value_or(0) + *v;
      const auto left = ValueOf(total, column);
      if (!left && !persons) continue;
      if (left.value_or(0) == persons.value_or(0)) continue;
      Finding f = Breach(row, c, column, left.value_or(0), persons.value_or(0), total ? total->PathOf(column) : b.path);
      f.text += ": " + std::string(b.name);
      out.push_back(std::move(f));
    }
  }
}

bool IsSmallBusiness(std::string_view category) { return GroupOfCategory(category) == "20"; }

// The small-business tariff applies to pay from April 2020 on; earlier months have no rate to
// check against (whether such rows may exist at all is another ratio).
bool RateKnownInMonth(std::string_view year, std::string_view category, std::int32_t month) {
  return !(year == "2020" && IsSmallBusiness(category) && month > 0 && month < 4);
}

std::optional<Amount> RateOf(std::string_view year, std::string_view category, int kind) {
  const auto rate = FindContributionRate(year, category, kind);
  if (!rate) return std::nullopt;
  return rate->value;
}

// The insured-person categories of a payer tariff: its group, else the small-business tie.
std::span<const std::string_view> CategoriesOf(std::string_view tariff) {
  const auto group = CategoriesOfTariff(tariff);
  return group.empty() ? CategoriesOfTariffInYear("2021", tariff) : group;
}

// Of the categories, the first and the one of foreigners staying temporarily ("ВП...").
struct TariffCategories {
  std::string_view main, visitors;
};

TariffCategories CategoriesOfBlock(std::string_view tariff) {
  TariffCategories out;
  for (const std::string_view c : CategoriesOf(tariff)) {
    if (out.main.empty()) out.main = c;
    if (c.starts_with("ВП") && out.visitors.empty()) out.visitors = c;
  }
  return out;
}

struct BlockRate {
  std::string_view block, charged;  // the block and its contributions line
  int kind = ratePension;
};

// A block column's contributions against its base times the rate. Each person's contributions
// are rounded on their own, so the block may differ by up to a kopeck per person and month.
void CompareBlock(const CheckRow& row, const CheckContext& c, std::string_view tariff, const view::Block& b,
                  view::Column column, Amount charged, Amount expected, std::string path, std::string text,
                  std::vector<Finding>& out) {
  std::int64_t persons = ValueOf(b.Find("КолЛицНачСВВс"), column).value_or(0) / kAmountScale;
  if (column == view::Column::Year) persons *= 3 * std::max(c.quarter, 1);
  if (WithinKopecks(charged, expected, persons)) return;
  Finding f = Breach(row, c, column, charged, expected, std::move(path), tariff);
  f.text += ": " + std::string(b.name) + ": " + text;
  out.push_back(std::move(f));
}

// The months a column covers all take the small-business rate (for 2020: April on).
bool ColumnRateKnown(const CheckContext& c, std::string_view category, view::Column column) {
  if (const auto month = CalendarMonthOf(c, column)) return RateKnownInMonth(c.year, category, *month);
  // Since the start of the year: from January.
  return RateKnownInMonth(c.year, category, 1);
}

void BlockRates(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1& s1 = c.report.section1;
  if (c.year.empty()) return;
  const auto value = [](const view::Block& b, std::string_view line, view::Column column) {
    return ValueOf(b.Find(line), column);
  };
  ForEachBlock(s1, "РасчСВ_ОПС", [&](std::string_view tariff, const view::Block& b) {
    const TariffCategories cats = CategoriesOfBlock(tariff);
    if (cats.main.empty()) return;
    const auto within = RateOf(c.year, cats.main, ratePension);
    const auto above = RateOf(c.year, cats.main, ratePensionAboveLimit);
    for (const view::Column column : kColumns502) {
      if (!ColumnRateKnown(c, cats.main, column)) continue;
      const auto base = value(b, "БазНачислСВ", column), excess = value(b, "БазПревышОПС", column);
      const auto all = value(b, "НачислСВ", column), withinCharged = value(b, "НачислСВНеПрев", column);
      if (within && base && withinCharged)
        CompareBlock(row, c, tariff, b, column, *withinCharged, ContributionOf(*base - excess.value_or(0), *within),
                     b.Find("НачислСВНеПрев")->PathOf(column),
                     "НачислСВНеПрев = (БазНачислСВ − БазПревышОПС) × " + RateText(*within), out);
      if (above && excess && all && withinCharged)
        CompareBlock(row, c, tariff, b, column, *all - *withinCharged, ContributionOf(*excess, *above),
                     b.Find("НачислСВ")->PathOf(column),
                     "НачислСВ − НачислСВНеПрев = БазПревышОПС × " + RateText(*above), out);
    }
  });
  ForEachBlock(s1, "РасчСВ_ОМС", [&](std::string_view tariff, const view::Block& b) {
    const TariffCategories cats = CategoriesOfBlock(tariff);
    const auto rate = cats.main.empty() ? std::nullopt : RateOf(c.year, cats.main, rateMedical);
    if (!rate) return;
    for (const view::Column column : kColumns502) {
      const auto base = value(b, "БазНачислСВ", column), charged = value(b, "НачислСВ", column);
      if (!base || !charged || !ColumnRateKnown(c, cats.main, column)) continue;
      CompareBlock(row, c, tariff, b, column, *charged, ContributionOf(*base, *rate), b.Find("НачислСВ")->PathOf(column),
                   "НачислСВ = БазНачислСВ × " + RateText(*rate), out);
    }
  });
  ForEachBlock(s1, "РасчСВ_ОСС.ВНМКод", [&](std::string_view tariff, const view::Block& b) {
    const TariffCategories cats = CategoriesOfBlock(tariff);
    const auto rate = cats.main.empty() ? std::nullopt : RateOf(c.year, cats.main, rateSocial);
    if (!rate) return;
    const auto visitorRate = cats.visitors.empty() ? std::nullopt : RateOf(c.year, cats.visitors, rateSocial);
    for (const view::Column column : kColumns502) {
      const auto base = value(b, "БазНачислСВ", column), charged = value(b, "НачислСВ", column);
      const Amount visitors = value(b, "БазНачислСВИн", column).value_or(0);
      if (!base || !charged || !ColumnRateKnown(c, cats.main, column)) continue;
      if (visitors != 0 && !visitorRate) continue;
      const Amount ofVisitors = visitorRate.value_or(0);
      const Amount expected = ContributionOf(*base - visitors, *rate) + ContributionOf(visitors, ofVisitors);
      std::string text = "НачислСВ = (БазНачислСВ − БазНачислСВИн) × " + RateText(*rate);
      if (visitors != 0) text += " + БазНачислСВИн × " + RateText(ofVisitors);
      CompareBlock(row, c, tariff, b, column, *charged, expected, b.Find("НачислСВ")->PathOf(column), std::move(text),
                   out);
    }
  });
}

void PersonRates(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  if (c.year.empty()) return;
  const view::Section3& s3 = c.report.section3;
  for (const view::Person& p : s3.persons) {
    if (p.annulled) continue;
    for (const view::MonthRow& r : s3.RowsOf(p)) {
      if (!c.MonthInPeriod(r.month) || !RateKnownInMonth(c.year, r.category, r.month)) continue;
      const auto rate = RateOf(c.year, r.category, ratePension);
      if (!rate) continue;
      const Amount expected = ContributionOf(r.base, *rate);
      if (WithinKopecks(r.contributions, expected)) continue;
      Finding f = FindingOf(row);
      f.tariff = GroupTariffsText(GroupOfCategory(r.category));
      f.month = r.month;
      f.snils = std::string(p.snils);
      f.persons = {ShownName(p)};
      f.path = s3.PathOf(p, r, view::RowField::Contributions);
      f.left = r.contributions;
      f.right = expected;
      f.text += ": " + ShownName(p) + ", " + std::string(r.category) + ": НачислСВ = ВыплОПС × " + RateText(*rate);
      out.push_back(std::move(f));
    }
  }
}

const CheckRow kRows[] = {
    {.id = "E1-502", .group = Group::E, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Отрицательная сумма в разделе 1 или в сведениях о застрахованном лице" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 E1", .run = NegativeAmounts},
    {.id = "E6-502", .group = Group::E, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Итог выплат иностранным гражданам или обучающимся (приложения 9, 10 к разделу 1) не равен сумме "
                "выплат по каждому из них" ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 E6", .run = PaymentAppendixTotals},
    {.id = "E8-502", .group = Group::E, .severity = Severity::Warning, .formats = kFormat502,
     .wording = "Исчисленные взносы не равны базе, умноженной на тариф (раздел 1, приложение 2, раздел 3)"
         ORSVELT_FORM_ONLY,
     .source = "каталог КС §3 E8",
     .run = [](const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
       BlockRates(row, c, out);
       PersonRates(row, c, out);
     }},
};

}  // namespace

std::span<const CheckRow> GroupERows502() { return kRows; }

}  // namespace orsvelt::checks
