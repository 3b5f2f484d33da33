#pragma once
// Gathers what the checks need while the analysis reads the year's reports, then runs the
// check table. Earlier reports leave only small copies behind (their section 1; for a
// correction the persons of the same period it did not replace), so their models can go.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/checks/check_context.h"
#include "analysis/checks/finding.h"

namespace orsvelt {
struct TRSVFile;
}

namespace orsvelt::checks {

class YearChecks {
 public:
  // main must outlive this object and stay unchanged.
  // The view of main is made when the checks run, and let go when they are done.
  explicit YearChecks(const TRSVFile& main);
  ~YearChecks();

  // An earlier report of the same payer and year, read whole; reports come oldest first.
  void AddEarlier(const TRSVFile& file);
  // Whether AddEarlier keeps the persons of a report of this period: those of the period of
  // a correction. A report read without them gives only its section 1 to the checks.
  bool NeedsPersonsOf(std::string_view period) const { return mainCorrection_ > 0 && period == mainPeriod_; }
  // A file of the folder named like a report that could not be read or parsed.
  void NoteUnreadable(std::string fileName);
  // The year's persons as the analysis merged them, for the ratios over the whole year.
  void SetYearPersons(YearPersons persons);
  // Runs the table over everything gathered; once, as it hands the carried persons over.
  CheckResult Run();
  // The same with the main file's view made already (it may keep its own section 3 where
  // the file's persons are gone).
  CheckResult Run(const view::ReportView& main);

 private:
  std::string KeyOf(const view::Person& p, std::string_view file) const;

  const TRSVFile& mainFile_;
  std::string mainPeriod_;
  std::int32_t mainCorrection_ = 0;
  std::vector<EarlierReport> earlier_;
  CarriedPersons carried_;
  std::unordered_map<std::string, std::vector<std::size_t>> carriedIndex_;
  int samePeriodFiles_ = 0;
  std::vector<std::string> carriedKeys_;
  std::vector<bool> carriedLive_;
  Completeness completeness_;
  std::optional<YearPersons> yearPersons_;
};

}  // namespace orsvelt::checks
