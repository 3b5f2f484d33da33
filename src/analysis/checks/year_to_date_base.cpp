#include "analysis/checks/year_to_date_base.h"

#include <array>
#include <unordered_map>

#include "analysis/checks/later_year_rules.h"
#include "analysis/checks/rows_502_support.h"
#include "analysis/common/saturating_sum.h"
#include "reference/month_names.h"

namespace orsvelt::checks {

namespace {

struct PersonYear {
  std::string shown, snils;
  const view::Person* person = nullptr;  // in the checked report, for paths; null when not there
  std::array<Amount, 12> base{};         // by calendar month
};

std::vector<PersonYear> PersonsOfYear(const CheckContext& c) {
  std::vector<PersonYear> out;
  if (c.yearPersons) {
    std::unordered_map<std::string_view, const view::Person*> bySnils;
    for (const view::Person& p : c.report.section3.persons)
      if (!p.annulled && !p.snilsDigits.empty()) bySnils.emplace(p.snilsDigits, &p);
    const YearPersons& year = *c.yearPersons;
    out.reserve(year.persons.size());
    for (std::size_t i = 0; i < year.persons.size(); ++i) {
      const YearPersons::Person& person = year.persons[i];
      PersonYear& y = out.emplace_back();
      const auto found = person.snils.empty() ? bySnils.end() : bySnils.find(person.snils);
      y.person = found == bySnils.end() ? nullptr : found->second;
      y.shown = ShownName(person, y.person);
      y.snils = y.person ? std::string(y.person->snils) : person.snils;
      if (i < year.monthBase.size()) y.base = year.monthBase[i];
    }
    return out;
  }
  c.ForEachPerson([&](const PersonRows& p) {
    PersonYear& y = out.emplace_back();
    y.shown = ShownName(p);
    y.snils = std::string(p.snils);
    y.person = p.person;
    for (const view::MonthRow& r : p.rows)
      if (c.MonthInPeriod(r.month)) AddSaturating(y.base[r.month - 1], r.base);
  });
  return out;
}

// Where the person's base of the month was read: the month's last row, else the person.
std::string PathOf(const view::Section3& s3, const PersonYear& y, int month) {
  if (!y.person) return {};
  std::string path = s3.PathOf(*y.person);
  for (const view::MonthRow& r : s3.RowsOf(*y.person))
    if (r.month == month) path = s3.PathOf(*y.person, r, view::RowField::Base);
  return path;
}

Finding PersonBreach(const CheckRow& row, const CheckContext& c, const PersonYear& y, int month, Amount left,
                     Amount right, std::string_view what) {
  Finding f = FindingOf(row);
  f.month = month;
  f.snils = y.snils;
  f.persons = {y.shown};
  f.path = PathOf(c.report.section3, y, month);
  f.left = left;
  f.right = right;
  f.text += ": " + y.shown + ", " + std::string(what) + std::string(CalendarMonthName(month));
  return f;
}

// The limit of the year, or nullopt after a "not checked" finding when persons would be held to it.
std::optional<Amount> LimitFor(const CheckRow& row, const CheckContext& c, const std::vector<PersonYear>& persons,
                               std::vector<Finding>& out) {
  if (const auto limit = YearToDateLimit(c.year)) return limit->value;
  if (persons.empty()) return std::nullopt;
  out.push_back(NotChecked(row, LimitNotKnownText(c.year)));
  return std::nullopt;
}

}  // namespace

void BaseAboveYearLimit(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto persons = PersonsOfYear(c);
  const auto limit = LimitFor(row, c, persons, out);
  if (!limit) return;
  for (const PersonYear& y : persons) {
    Amount total = 0;
    for (int m = 1; m <= 12; ++m) {
      AddSaturating(total, y.base[m - 1]);
      if (total <= *limit) continue;
      out.push_back(PersonBreach(row, c, y, m, total, *limit, "первый месяц сверх предельной величины: "));
      break;
    }
  }
}

void BaseAfterLimitReached(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const auto persons = PersonsOfYear(c);
  const auto limit = LimitFor(row, c, persons, out);
  if (!limit) return;
  for (const PersonYear& y : persons) {
    Amount total = 0;
    for (int m = 1; m <= 12; ++m) {
      const Amount base = y.base[m - 1];
      if (total >= *limit && base > 0) {
        out.push_back(PersonBreach(row, c, y, m, base, 0, "база после достижения предельной величины за месяц: "));
        break;
      }
      AddSaturating(total, base);
    }
  }
}

}  // namespace orsvelt::checks
