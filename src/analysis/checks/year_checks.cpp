#include "analysis/checks/year_checks.h"

#include <algorithm>

#include "analysis/checks/check_table.h"
#include "analysis/common/person_filter.h"
#include "analysis/common/report_description.h"
#include "model/file_view.h"
#include "model/rsvnalog.h"
#include "reference/period_codes.h"

namespace orsvelt::checks {

namespace {

std::string_view KeepCode(CarriedPersons& carried, std::string_view code) {
  return *carried.codes.emplace(code).first;
}

CarriedPerson Carry(CarriedPersons& carried, const view::Section3& s3, const view::Person& p, std::string file) {
  CarriedPerson c;
  c.snils = std::string(p.snils);
  c.surname = std::string(p.surname);
  c.givenName = std::string(p.givenName);
  c.file = std::move(file);
  for (view::MonthRow row : s3.RowsOf(p)) {
    row.category = KeepCode(carried, row.category);
    c.rows.push_back(row);
  }
  for (view::ExtraTariffRow row : s3.ExtraRowsOf(p)) {
    row.tariff = KeepCode(carried, row.tariff);
    c.extraRows.push_back(row);
  }
  return c;
}

}  // namespace

YearChecks::YearChecks(const TRSVFile& main) : mainFile_(main) {
  const ReportDescription title = DescribeReport(main);
  mainPeriod_ = title.periodCode;
  mainCorrection_ = title.correction;
}
YearChecks::~YearChecks() = default;

// Persons are matched by SNILS, one without SNILS by INN; one with neither stands alone.
std::string YearChecks::KeyOf(const view::Person& p, std::string_view file) const {
  if (!p.snilsDigits.empty()) return p.snilsDigits;
  if (!p.inn.empty()) return "ИНН " + std::string(p.inn);
  return "#" + std::string(file) + "#" + std::to_string(p.number);
}

void YearChecks::AddEarlier(const TRSVFile& file) {
  const auto v = MakeReportView(file);
  if (!v) return;
  EarlierReport& rec = earlier_.emplace_back();
  rec.fileName = file.FileId + ".xml";
  rec.period = std::string(v->title.period);
  rec.correction = v->title.correction.value_or(0);
  rec.section1 = CopySection1(v->section1);

  // A correction is checked on its period's persons as merged: a later submission of a
  // person replaces the earlier one, an annulling one removes it.
  if (mainCorrection_ <= 0 || rec.period != mainPeriod_) return;
  ++samePeriodFiles_;
  // One file may name a SNILS twice (a fault of its own, reported by D3): both stay.
  std::unordered_map<std::string, bool> replaced;
  for (const view::Person& p : v->section3.persons) {
    const std::string key = KeyOf(p, rec.fileName);
    if (replaced.emplace(key, true).second)
      if (const auto found = carriedIndex_.find(key); found != carriedIndex_.end())
        for (const std::size_t i : found->second) carriedLive_[i] = false;
    if (p.annulled) continue;
    carriedIndex_[key].push_back(carried_.persons.size());
    carriedKeys_.push_back(key);
    carried_.persons.push_back(Carry(carried_, v->section3, p, rec.fileName));
    carriedLive_.push_back(true);
  }
}

void YearChecks::NoteUnreadable(std::string fileName) {
  completeness_.unreadableFiles.push_back(std::move(fileName));
}

void YearChecks::SetYearPersons(YearPersons persons) { yearPersons_ = std::move(persons); }

CheckResult YearChecks::Run() {
  // The view lives for the run alone: the analysis may go on to larger records.
  const std::optional<view::ReportView> mainView = MakeReportView(mainFile_);
  if (!mainView) return {};
  return Run(*mainView);
}

CheckResult YearChecks::Run(const view::ReportView& main) {
  CheckResult result;
  const view::Title& t = main.title;

  std::vector<const EarlierReport*> ordered;
  for (const EarlierReport& e : earlier_) ordered.push_back(&e);
  std::stable_sort(ordered.begin(), ordered.end(), [](const EarlierReport* a, const EarlierReport* b) {
    return a->period != b->period ? a->period < b->period : a->correction < b->correction;
  });
  for (const EarlierReport* e : ordered) result.checkedWith.push_back(e->fileName);
  result.report = {.fileName = std::string(t.fileId) + ".xml",
                   .format = std::string(t.formatVersion),
                   .period = std::string(t.period),
                   .year = t.year,
                   .correction = t.correction,
                   .inn = std::string(main.payer.inn),
                   .kpp = std::string(main.payer.kpp)};

  CheckContext context{.report = main, .year = {}, .quarter = 0, .months = {}, .earlier = {}};
  if (t.year) context.year = std::to_string(*t.year);
  context.quarter = QuarterOfPeriod(t.period);
  if (context.quarter > 0)
    for (int i = 0; i < 3; ++i) context.months[i] = 3 * (context.quarter - 1) + i + 1;
  context.earlier = earlier_;
  for (const EarlierReport* e : ordered)
    if (QuarterOfPeriod(e->period) > 0 && QuarterOfPeriod(e->period) < context.quarter) context.previous = e;

  Completeness completeness = completeness_;
  for (int q = 1; q < context.quarter; ++q) {
    const bool present = std::any_of(ordered.begin(), ordered.end(),
                                     [&](const EarlierReport* e) { return QuarterOfPeriod(e->period) == q; });
    if (!present) completeness.missingPeriods.emplace_back(OrdinaryPeriodOfQuarter(q));
  }
  context.completeness = &completeness;
  if (yearPersons_) context.yearPersons = &*yearPersons_;

  // The carried persons the correction itself does not name again.
  CarriedPersons carried;
  context.correctionAlone = t.correction.value_or(0) > 0 && samePeriodFiles_ == 0;
  if (t.correction.value_or(0) > 0 && !carried_.persons.empty()) {
    std::unordered_map<std::string, bool> named;
    for (const view::Person& p : main.section3.persons) named.emplace(KeyOf(p, t.fileId), true);
    carried.codes = std::move(carried_.codes);  // set nodes stay where the rows point
    for (std::size_t i = 0; i < carried_.persons.size(); ++i)
      if (carriedLive_[i] && !named.count(carriedKeys_[i])) carried.persons.push_back(std::move(carried_.persons[i]));
    context.carried = &carried;
  }
  result.findings = RunCheckTable(context);
  result.personsInReadingMessages = PersonsInMessages(main.section3, mainFile_.Errors);
  return result;
}

}  // namespace orsvelt::checks
