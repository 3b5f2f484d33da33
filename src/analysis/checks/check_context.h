#pragma once
// What a control ratio reads: the checked report's view, small owned copies of what the
// year's earlier reports held (their models are freed before the checks run), section 3
// as the tax service sees it for a correction, and what the folder lacked.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/view/report_view.h"

namespace orsvelt::checks {

// Section 1 of an earlier report that outlives its model: the view's lines with every text
// copied into the holder. Not copyable: the views point into texts.
struct OwnedSection1 {
  view::Section1 section1;
  std::deque<std::string> texts;

  OwnedSection1() = default;
  OwnedSection1(OwnedSection1&&) = default;
  OwnedSection1& operator=(OwnedSection1&&) = default;
  OwnedSection1(const OwnedSection1&) = delete;
  OwnedSection1& operator=(const OwnedSection1&) = delete;
};

// A copy of section 1 of the view, independent of its model.
OwnedSection1 CopySection1(const view::Section1& section1);

// An earlier report of the same payer and year, read whole by the analysis.
struct EarlierReport {
  std::string fileName;  // "ИдФайл" + ".xml"
  std::string period;    // "Период"
  std::int32_t correction = 0;
  OwnedSection1 section1;
};

// A person of section 3 as the checks see it: of the checked report, or (for a correction)
// of an earlier submission of the same period that the correction did not replace.
struct PersonRows {
  std::string_view snils, surname, givenName;
  std::span<const view::MonthRow> rows;
  std::span<const view::ExtraTariffRow> extraRows;
  const view::Person* person = nullptr;  // in the checked report's view; null when from an earlier file
  std::string_view file;                 // the file the rows come from
};

// Persons of the earlier submissions of the checked period kept for a correction.
struct CarriedPerson {
  std::string snils, surname, givenName, file;
  std::vector<view::MonthRow> rows;  // category views point into CarriedPersons::codes
  std::vector<view::ExtraTariffRow> extraRows;
};

struct CarriedPersons {
  std::set<std::string, std::less<>> codes;
  std::vector<CarriedPerson> persons;
};

// Preceding periods of the year without a report, and report files that could not be read.
struct Completeness {
  std::vector<std::string> missingPeriods;  // period codes, e.g. "21"
  std::vector<std::string> unreadableFiles;  // file names
};

// Section 3 of every report of the year as the analysis merged it per person (a later
// submission replacing the months it carries, an annulling one the person's quarter).
struct YearPersons {
  struct Sums {
    Amount payments = 0, base = 0, contributions = 0;
    Amount extraBase = 0, extraContributions = 0;  // at the additional tariffs (5.01)
  };
  struct Person {
    std::string snils, name;
    Amount base = 0;  // pension base since the start of the year
  };
  std::array<Sums, 12> months{};  // every person's rows by calendar month
  std::vector<Person> persons;
  // The base of each calendar month (all categories) of persons[i], for the year-to-date
  // rules of the later formats; filled by the analyses that check them, empty elsewhere.
  std::vector<std::array<Amount, 12>> monthBase;
};

// Ends a finding of section 3 sums when the context's correctionAlone is set.
inline constexpr std::string_view kCorrectionAloneNote =
    " (уточнённый расчёт сверен сам по себе: предыдущих расчётов за этот период в папке нет, а раздел 3 "
    "уточнённого расчёта может содержать только исправляемых лиц)";

// How a finding names a person: the SNILS as written, else the surname and given name.
std::string ShownName(std::string_view snils, std::string_view surname, std::string_view givenName);
inline std::string ShownName(const view::Person& p) { return ShownName(p.snils, p.surname, p.givenName); }
inline std::string ShownName(const PersonRows& p) { return ShownName(p.snils, p.surname, p.givenName); }
// A person of the year: as the checked report names it when there, else by SNILS, else by name.
inline std::string ShownName(const YearPersons::Person& person, const view::Person* inReport) {
  if (inReport) return ShownName(*inReport);
  return person.snils.empty() ? person.name : person.snils;
}

struct CheckContext {
  const view::ReportView& report;
  std::string year;                 // "ОтчетГод" as text, empty when unknown
  int quarter = 0;                  // 1..4 of the period, 0 when unknown
  std::array<std::int32_t, 3> months{};  // calendar months of the period's quarter; zeros when unknown
  // Every readable earlier report of the year, oldest first (period, then correction).
  std::span<const EarlierReport> earlier;
  // The latest correction of the nearest preceding period of the year, or null.
  const EarlierReport* previous = nullptr;
  // For a correction: persons of earlier submissions of this period it did not replace.
  const CarriedPersons* carried = nullptr;
  const Completeness* completeness = nullptr;
  // The year's persons merged over all its reports; null when the analysis does not gather them.
  const YearPersons* yearPersons = nullptr;
  // A correction without any earlier submission of its period in the folder: its section 3
  // may hold only the corrected persons, so sums are compared with what it holds alone.
  bool correctionAlone = false;

  bool Is501() const { return report.title.formatVersion == "5.01"; }
  bool Is502() const { return report.title.formatVersion == "5.02"; }
  // 5.03 to 5.08.
  bool IsLater() const;
  // 1..3 for a calendar month of the period, 0 for any other.
  int MonthInPeriod(std::int32_t calendarMonth) const;
  // Section 3 as compared with section 1: the report's persons that are not annulled, then
  // for a correction the carried persons. Persons come in the order of their files.
  void ForEachPerson(const std::function<void(const PersonRows&)>& visit) const;
};

}  // namespace orsvelt::checks
