// A correction of a 2023-on report naming only the corrected person is compared with section 1
// together with the persons of the first submission it did not name again.

#include <gtest/gtest.h>

#include "analysis/checks/year_checks.h"
#include "later_checks.h"
#include "model/rsv505/later_report_text.h"

namespace orsvelt::test {
namespace {

LaterPerson Paid(const std::string& snils, const std::string& base, const std::string& charged) {
  LaterPerson p;
  p.snils = snils;
  for (int m = 1; m <= 3; ++m) {
    LaterMonthRow& row = p.months.emplace_back();
    row.month = m;
    row.paid = row.base = base;
    row.charged = charged;
  }
  return p;
}

// Q1 2024: section 1 holds 10 000.00 a month, the two persons 6 000.00 and 4 000.00.
std::string Quarter(int correction, bool bothPersons) {
  LaterReportSpec spec;
  spec.formatVersion = "5.06";
  spec.year = "2024";
  spec.section1 = Section1Xml("10000.00", false);
  if (bothPersons) spec.persons.push_back(Paid("112-233-445 95", "6000.00", "1800.00"));
  spec.persons.push_back(Paid("123-456-789 64", "4000.00", "1200.00"));
  std::string xml = LaterReportXml(spec);
  const std::string first = "НомКорр=\"0\"";
  xml.replace(xml.find(first), first.size(), "НомКорр=\"" + std::to_string(correction) + "\"");
  return xml;
}

std::vector<std::string> TiesOf(const checks::CheckResult& result) {
  std::vector<std::string> out;
  for (const checks::Finding& f : result.findings)
    if (f.check == "L-R1" || f.check == "L-R2" || f.check == "L-R3") out.push_back(Brief(f));
  return out;
}

TEST(LaterCorrections, TheFirstSubmissionsPersonsAreCarried) {
  const auto first = LoadLater(Quarter(0, true));
  const auto correction = LoadLater(Quarter(1, false));
  ASSERT_TRUE(first->loaded && correction->loaded) << (first->file.Errors.empty() ? "" : first->file.Errors.front());
  EXPECT_EQ(TiesOf(checks::YearChecks(first->file).Run()), std::vector<std::string>{});

  checks::YearChecks merged(correction->file);
  merged.AddEarlier(first->file);
  EXPECT_EQ(TiesOf(merged.Run()), std::vector<std::string>{});

  // Alone, the correction's one person is all section 3 holds, and the findings say why.
  const auto alone = checks::YearChecks(correction->file).Run();
  const auto ties = TiesOf(alone);
  ASSERT_EQ(ties.size(), 9u);
  EXPECT_EQ(ties[0], "L-R1 m1 01 10000.00/4000.00");
  for (const checks::Finding& f : alone.findings) {
    if (f.check != "L-R1") continue;
    EXPECT_NE(f.text.find("сверен сам по себе"), std::string::npos);
  }
}

}  // namespace
}  // namespace orsvelt::test
