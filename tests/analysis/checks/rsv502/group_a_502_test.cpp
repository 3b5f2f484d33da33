// The "not submitted" grounds of format 5.02 over small reports of every period code: each
// holds on an agreeing report and breaks, at its month, when section 1 moves by a kopeck;
// annulled persons stay out of the sums.

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/checks/finding.h"
#include "analysis/prot502/prot502.h"
#include "analysis/prot502/report_text.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

using checks::Finding;

// Three months of one person at 22 %, and a line of section 1 per month: 1000.00 each.
std::string Section1(const std::array<std::string, 3>& pay, const std::array<std::string, 3>& contrib) {
  const auto sums = [](const std::string& name, const std::array<std::string, 3>& v) {
    return "<" + name + " СумВсегоПер=\"0\" Сум1Посл3М=\"" + v[0] + "\" Сум2Посл3М=\"" + v[1] + "\" Сум3Посл3М=\"" +
           v[2] + "\"/>";
  };
  return "<ОбязПлатСВ ТипПлат=\"1\" ОКТМО=\"45382000\"><РасчСВ_ОПС_ОМС ТарифПлат=\"01\"><РасчСВ_ОПС>" +
         sums("ВыплНачислФЛ", pay) + sums("БазНачислСВ", pay) + sums("НачислСВ", contrib) +
         sums("НачислСВНеПрев", contrib) + "</РасчСВ_ОПС></РасчСВ_ОПС_ОМС></ОбязПлатСВ>\n";
}

TestReport Agreeing(const std::string& period) {
  TestReport r;
  r.fileId = "NO_RASCHSV_7701_7701_7701000001770101001_20200720_t";
  r.period = period;
  r.calculationHead = Section1({"1000.00", "1000.00", "1000.00"}, {"220.00", "220.00", "220.00"});
  TestPerson p;
  p.snils = "112-233-445 95";
  for (int m = 1; m <= 3; ++m) p.months.push_back({m, "НР", "1000.00", "1000.00", "0", "220.00"});
  r.persons = {p};
  return r;
}

std::vector<Finding> GroundsOf(const TestReport& content) {
  TempDir dir;
  const auto loaded = LoadReportFile(WriteReport(dir.path(), content));
  TRSV502Prot prot;
  EXPECT_TRUE(prot.Analyse(loaded->file, dir.path())) << prot.ErrorText();
  std::vector<Finding> found = prot.Checks() ? prot.Checks()->findings : std::vector<Finding>{};
  std::erase_if(found, [](const Finding& f) { return f.group != checks::Group::A; });
  return found;
}

class GroupA502 : public testing::TestWithParam<std::pair<std::string, int>> {};

TEST_P(GroupA502, HoldsWhenBothSectionsAgree) {
  for (const Finding& f : GroundsOf(Agreeing(GetParam().first))) ADD_FAILURE() << f.check << " " << f.text;
}

TEST_P(GroupA502, AKopeckInOneMonthBreaksItsRatioThere) {
  const auto [period, firstMonth] = GetParam();
  for (int m = 0; m < 3; ++m) {
    std::array<std::string, 3> pay{"1000.00", "1000.00", "1000.00"};
    std::array<std::string, 3> contrib{"220.00", "220.00", "220.00"};
    contrib[m] = "220.01";
    TestReport r = Agreeing(period);
    r.calculationHead = Section1(pay, contrib);
    const auto found = GroundsOf(r);
    ASSERT_EQ(found.size(), 2u) << m;  // total and tariff group; 5.02 has no three-month column
    for (const Finding& f : found) {
      EXPECT_EQ(f.check, "A3-502");
      EXPECT_EQ(f.month, firstMonth + m);
      EXPECT_EQ(f.Difference(), 100);
    }
    EXPECT_EQ(found[1].tariff, "01, 02, 03");
  }
}

TEST_P(GroupA502, AnAnnulledPersonIsLeftOut) {
  TestReport r = Agreeing(GetParam().first);
  TestPerson gone = r.persons[0];
  gone.snils = "123-456-789 64";
  gone.annulled = true;
  r.persons.push_back(gone);
  EXPECT_TRUE(GroundsOf(r).empty());
  r.persons.back().annulled = false;  // counted: every month doubles on the persons' side
  EXPECT_EQ(GroundsOf(r).size(), 3u * 3u * 2u);
}

INSTANTIATE_TEST_SUITE_P(Periods, GroupA502,
                         testing::Values(std::pair{std::string("21"), 1}, std::pair{std::string("31"), 4},
                                         std::pair{std::string("33"), 7}, std::pair{std::string("34"), 10}));

}  // namespace
}  // namespace orsvelt::test
