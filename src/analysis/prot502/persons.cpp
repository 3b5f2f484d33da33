// The per-person collection of the analyses of formats 5.02 to 5.08: one record per insured
// person over all files of the year, later files replacing the months they carry. It reads
// the format-neutral view, so every version from 5.02 on is collected alike.

#include <algorithm>
#include <array>
#include <unordered_set>

#include "analysis/checks/check_context.h"
#include "analysis/common/saturating_sum.h"
#include "analysis/prot502/prot502.h"
#include "model/file_view.h"
#include "model/rsv502/view_lines.h"
#include "model/view/held_persons.h"
#include "reference/period_codes.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

// "Фамилия Имя[ Отчество]"; a person without "ФИО" reads as a single blank, as before.
std::string PersonName(const view::Person& p) {
  std::string name = std::string(p.surname) + " " + std::string(p.givenName);
  if (!p.patronymic.empty()) name += " " + std::string(p.patronymic);
  return name;
}

// Names are compared with Latin capitals lowered only: a change in Cyrillic letter case
// is a change of the name.
bool SameNameIgnoringLatinCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}


void SetMonth(TRSV502ProtCategory& entry, const view::MonthRow& row, int monthInQuarter) {
  entry.Months[static_cast<std::size_t>(monthInQuarter)] = {row.payments, row.base, row.contractBase, row.contributions};
}

}  // namespace

int TRSV502Prot::FindPerson(std::string_view snils, std::string_view inn) const {
  const std::optional<std::size_t> found = personIndex_.Find(snils, inn);
  return found ? static_cast<int>(*found) : -1;
}

int TRSV502Prot::FindOrAddCategory(TRSV502ProtQuartData& quarter, std::string_view code) {
  return quarter.FindOrAdd(code);
}

std::string_view TRSV502Prot::CategoryCode(std::string_view code) {
  if (code != lastCategoryCode_) lastCategoryCode_ = *categoryCodes_.emplace(code).first;
  return lastCategoryCode_;
}

int TRSV502Prot::FindCategory(const TRSV502ProtQuartData& quarter, std::string_view code) {
  return quarter.Find(code);
}

void TRSV502Prot::Collect(const TRSVFile& file, int fileNumber, ProgressCounter* counter) {
  if (const std::optional<view::ReportView> report = MakeReportView(file)) Collect(*report, fileNumber, counter);
}

void TRSV502Prot::Collect(const view::ReportView& report, int fileNumber, ProgressCounter* counter) {
  Collect(report.section3, QuarterOfPeriod(report.title.period), fileNumber, counter);
}

void TRSV502Prot::Collect(const view::Section3& s3, int q, int fileNumber, ProgressCounter* counter) {
  if (q == 0) return;
  int k = 0;
  for (const view::Person& element : s3.persons) CollectPerson(element, s3.RowsOf(element), q, fileNumber, ++k, counter);
}

void TRSV502Prot::Collect(const view::HeldPersons& held, int q, int fileNumber, ProgressCounter* counter) {
  if (q == 0) return;
  int k = 0;
  held.ForEach([&](const view::Person& element, std::span<view::MonthRow> rows) {
    rsv502::MoveToQuarter(rows, q);
    CollectPerson(element, rows, q, fileNumber, ++k, counter);
  });
}

void TRSV502Prot::CollectPerson(const view::Person& element, std::span<const view::MonthRow> rows, int q,
                                int fileNumber, int k, ProgressCounter* counter) {
  if (counter) counter->Step();
  if (!element.identified) return;  // nobody to match the data on
  const TRSV502ProtSource ref{fileNumber, static_cast<std::uint32_t>(k)};
  const std::string name = PersonName(element);

  const auto [at, added] = personIndex_.FindOrAdd(element.snils, element.inn, persons_.size());
  TRSV502ProtZLRec* person = nullptr;
  if (added) {
    person = &persons_.emplace_back();
    person->Name = texts_.Keep(name);
    person->Key = texts_.Keep(element.snilsDigits);
    person->ИННФЛ = texts_.Keep(element.inn);
    person->Пол = texts_.Keep(element.sex);
    person->Source = ref;
  } else {
    // A changed text is kept anew; the old one stays unused, no more than the files brought.
    person = &persons_[at];
    if (!SameNameIgnoringLatinCase(person->Name, name)) {
      person->Name = texts_.Keep(name);
      person->Source = ref;
    }
    if (person->ИННФЛ != element.inn) {
      person->ИННФЛ = texts_.Keep(element.inn);
      person->Source = ref;
    }
    if (person->Пол != element.sex) {
      person->Пол = texts_.Keep(element.sex);
      person->Source = ref;
    }
  }

  auto& slot = person->Quarters[static_cast<std::size_t>(q - 1)];
  if (!slot) slot = std::make_unique<TRSV502ProtQuartData>();
  TRSV502ProtQuartData& quarter = *slot;
  quarter.Source = ref;

  if (element.annulled) {
    quarter.Annulled = true;
    quarter.ClearCategories();
    return;
  }
  quarter.Annulled = false;
  const int firstMonth = 3 * (q - 1) + 1;
  for (const view::MonthRow& row : rows) {
    const int e = FindOrAddCategory(quarter, CategoryCode(row.category));
    // Month 0 is one the view could not place in the quarter: its category still counts.
    if (row.month >= firstMonth && row.month < firstMonth + 3) SetMonth(quarter.Category(e), row, row.month - firstMonth);
  }
}

void TRSV502Prot::BuildTotals() {
  if (persons_.empty()) return;
  totals_ = std::make_unique<TRSV502ProtZLRec>();
  for (const TRSV502ProtZLRec& person : persons_) {
    for (std::size_t q = 0; q < 4; ++q) {
      const TRSV502ProtQuartData* quarter = person.Quarters[q].get();
      if (!quarter) continue;
      auto& slot = totals_->Quarters[q];
      if (!slot) slot = std::make_unique<TRSV502ProtQuartData>();
      for (const TRSV502ProtCategory& entry : quarter->Categories()) {
        TRSV502ProtCategory& sum = slot->Category(FindOrAddCategory(*slot, entry.КодКатЛиц));
        for (std::size_t m = 0; m < 3; ++m) sum.Months[m] += entry.Months[m];
      }
    }
  }
}

checks::YearPersons TRSV502Prot::YearPersonsForChecks() const {
  checks::YearPersons year;
  year.persons.reserve(persons_.size());
  year.monthBase.reserve(persons_.size());
  for (const TRSV502ProtZLRec& person : persons_) {
    checks::YearPersons::Person& p = year.persons.emplace_back();
    std::array<Amount, 12>& monthBase = year.monthBase.emplace_back();
    p.snils = person.Key;
    if (p.snils.empty()) p.name = person.Name;  // the name is shown only for want of a SNILS
    for (std::size_t q = 0; q < 4; ++q) {
      const TRSV502ProtQuartData* quarter = person.Quarters[q].get();
      if (!quarter || quarter->Annulled) continue;
      for (const TRSV502ProtCategory& entry : quarter->Categories())
        for (std::size_t m = 0; m < 3; ++m) {
          const TRSV502ProtMonthSums& sums = entry.Months[m];
          checks::YearPersons::Sums& month = year.months[3 * q + m];
          AddSaturating(month.payments, sums.СумВыпл);
          AddSaturating(month.base, sums.ВыплОПС);
          AddSaturating(month.contributions, sums.НачислСВ);
          AddSaturating(p.base, sums.ВыплОПС);
          AddSaturating(monthBase[3 * q + m], sums.ВыплОПС);
        }
    }
  }
  return year;
}

std::vector<std::string> TRSV502Prot::PersonCategories(const TRSV502ProtZLRec& person) const {
  // A person has a handful of codes, which a short list searched in place holds best; a
  // damaged report with thousands of them gets a hash set.
  constexpr std::size_t kFew = 16;
  std::vector<std::string> codes;
  std::vector<std::string> few;
  std::unordered_set<std::string> many;
  for (const auto& quarter : person.Quarters) {
    if (!quarter) continue;
    for (const TRSV502ProtCategory& entry : quarter->Categories()) {
      std::string folded = FoldCase(entry.КодКатЛиц);
      if (few.size() < kFew) {
        if (std::find(few.begin(), few.end(), folded) != few.end()) continue;
        few.push_back(std::move(folded));
      } else {
        if (many.empty()) many.insert(few.begin(), few.end());
        if (!many.insert(std::move(folded)).second) continue;
      }
      codes.emplace_back(entry.КодКатЛиц);
    }
  }
  return codes;
}

std::vector<std::string> TRSV502Prot::QuartersPresent() const {
  std::vector<std::string> order;
  std::array<bool, 4> listed{};
  for (const TRSV502ProtZLRec& person : persons_) {
    for (std::size_t q = 0; q < 4; ++q) {
      if (!person.Quarters[q] || listed[q]) continue;
      listed[q] = true;
      order.push_back(std::to_string(q + 1));
    }
    if (order.size() == 4) break;
  }
  return order;
}

}  // namespace orsvelt
