#pragma once
// Runs the 5.01 analysis on reports made by the test builder and returns the findings.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/checks/finding.h"
#include "analysis/prot501/report_builder.h"

namespace orsvelt::test {

// The findings of the report at path analysed with its folder; empty when it was not analysed.
inline checks::CheckResult ChecksOf(const std::filesystem::path& path) {
  TRSV501Prot prot;
  EXPECT_TRUE(AnalyseReport(prot, path));
  return prot.Checks() ? *prot.Checks() : checks::CheckResult();
}

// A worker of tariff 01 paid the amount each month of the quarter from firstMonth, at 22 %.
inline TestPerson Worker(int number, const std::string& snils, int firstMonth, const std::string& month = "1000.00") {
  TestPerson p;
  p.number = number;
  p.snils = snils;
  p.rows = QuarterRows(firstMonth, month, month);
  for (TestMonthRow& row : p.rows) row.contributions = "220.00";
  return p;
}

// Two workers of tariff 01 at 1000.00 a month and 22 % over the quarter from firstMonth;
// section 1 holds the quarter alone (the builder writes the since-start column equal to the
// three months).
inline TestReport TwoWorkers(const std::string& id, const std::string& period, int firstMonth) {
  TestReport r;
  r.id = id;
  r.period = period;
  TestTariff t;
  t.persons = {2, 2, 2, 2};
  t.payments = {"6000.00", "2000.00", "2000.00", "2000.00"};
  t.base = t.payments;
  t.contributions = {"1320.00", "440.00", "440.00", "440.00"};
  r.tariffs = {t};
  r.persons = {Worker(1, "112-233-445 95", firstMonth), Worker(2, "123-456-789 64", firstMonth)};
  return r;
}

inline std::vector<checks::Finding> OfGroup(std::vector<checks::Finding> all, checks::Group group) {
  std::erase_if(all, [&](const checks::Finding& f) { return f.group != group; });
  return all;
}

inline std::vector<std::string> IdsOf(const std::vector<checks::Finding>& found) {
  std::vector<std::string> ids;
  for (const checks::Finding& f : found) ids.push_back(f.check);
  return ids;
}

}  // namespace orsvelt::test
