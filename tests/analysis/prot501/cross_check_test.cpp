#include <gtest/gtest.h>

#include "report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

TestPerson Worker(int number, std::vector<TestMonthRow> rows) {
  TestPerson p;
  p.number = number;
  p.snils = "123-456-789 0" + std::to_string(number);
  p.rows = std::move(rows);
  return p;
}

const TRSV501CompareMainRec* RecordOf(const TRSV501Prot& prot, const std::string& tariff) {
  for (const auto& rec : prot.Comparisons)
    for (const auto& code : rec.TariffCodes)
      if (code == tariff) return &rec;
  return nullptr;
}

TEST(Prot501CrossCheck, AgreeingAndDisagreeingTariffs) {
  TestReport r;  // nine months: July to September
  TestTariff agree;
  agree.tariff = "01";
  agree.persons = {2, 2, 1, 1};
  agree.payments = {"300.00", "200.00", "50.00", "50.00"};
  agree.base = {"310.00", "200.00", "60.00", "50.00"};
  agree.over = {"10.00", "0.00", "10.00", "0.00"};  // base is БазНачислСВ minus БазПревышОПС
  agree.contributions = {"66.00", "44.00", "11.00", "11.00"};
  TestTariff kopeck;
  kopeck.tariff = "06";
  kopeck.persons = {1, 1, 0, 0};
  kopeck.payments = {"100.01", "100.01", "0.00", "0.00"};
  kopeck.base = {"100.00", "100.00", "0.00", "0.00"};
  kopeck.contributions = {"8.00", "8.00", "0.00", "0.00"};
  r.tariffs = {agree, kopeck};
  r.persons = {
      // Two rows of one category group in one month: one person, two month rows.
      Worker(1, {{"07", "НР", "100.00", "100.00", "0.00", "22.00"},
                 {"07", "ВЖНР", "50.00", "50.00", "0.00", "11.00"},
                 {"02", "НР", "999.00", "999.00", "0.00", "1.00"}}),  // outside the period
      Worker(2, {{"07", "НР", "50.00", "50.00", "0.00", "11.00"},
                 {"08", "НР", "50.00", "50.00", "0.00", "11.00"},
                 {"09", "НР", "50.00", "50.00", "0.00", "11.00"}}),
      Worker(3, {{"07", "ОДИТ", "100.00", "100.00", "0.00", "8.00"}}),
      // A category whose tariff subsection 1.1 does not declare.
      Worker(4, {{"09", "ПНЭД", "10.00", "10.00", "0.00", "2.00"}}),
  };
  r.persons[0].rows.push_back({"13", "НР", "1.00", "1.00", "0.00", "0.00"});  // no month at all

  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), r)));
  ASSERT_EQ(prot.Comparisons.size(), 3u);

  const TRSV501CompareMainRec* a = RecordOf(prot, "01");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->TariffCodes, (std::vector<std::string>{"01", "02", "03"}));
  EXPECT_EQ(a->CategoryCodes, (std::vector<std::string>{"НР", "ВЖНР", "ВПНР"}));
  EXPECT_EQ(a->Month1 + a->Month2 + a->Month3, "070809");
  for (int i = 0; i < 4; ++i) {
    const TRSV501CompareColumn& c = a->Column(i);
    EXPECT_EQ(c.PaymentsS1, c.PaymentsS3) << i;
    EXPECT_EQ(c.BaseS1, c.BaseS3) << i;
    EXPECT_EQ(c.ContribS1, c.ContribS3) << i;
  }
  EXPECT_EQ(a->PersonsS3, 2);
  EXPECT_EQ(a->PersonsS1, 2);
  EXPECT_EQ(a->Column(1).PersonsS3, 3);  // month rows of July, not persons
  EXPECT_EQ(a->Column(1).PersonsS1, 2);
  EXPECT_EQ(a->Column(1).BaseS1, 2000000);
  EXPECT_EQ(a->Column(2).PersonsS3, 1);

  const TRSV501CompareMainRec* k = RecordOf(prot, "06");
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->PaymentsS1, 1000100);
  EXPECT_EQ(k->PaymentsS3, 1000000);
  EXPECT_NE(k->PaymentsS1, k->PaymentsS3);
  EXPECT_EQ(k->BaseS1, k->BaseS3);
  EXPECT_EQ(k->ContribS1, k->ContribS3);

  const TRSV501CompareMainRec* u = RecordOf(prot, "08");
  ASSERT_NE(u, nullptr);
  EXPECT_EQ(u->TariffCodes, (std::vector<std::string>{"08", "12"}));
  EXPECT_EQ(u->PaymentsS1, 0);
  EXPECT_EQ(u->PaymentsS3, 100000);
  EXPECT_EQ(u->Column(3).PersonsS3, 1);
  EXPECT_EQ(&prot.Comparisons.back(), u);  // made after the declared tariffs
}

// Tariffs 01, 02 and 03 share one record: their blocks add up, and a later block of zeros
// (as correction reports write one for 02) takes nothing away.
TEST(Prot501CrossCheck, BlocksOfOneTariffGroupAddUp) {
  TestReport r;
  TestTariff first;
  first.tariff = "01";
  first.persons = {2, 2, 1, 1};
  first.payments = first.base = {"300.00", "200.00", "50.00", "50.00"};
  first.contributions = {"66.00", "44.00", "11.00", "11.00"};
  TestTariff third;
  third.tariff = "03";
  third.persons = {1, 1, 1, 0};
  third.payments = third.base = {"80.00", "40.00", "40.00", "0.00"};
  third.contributions = {"10.00", "5.00", "5.00", "0.00"};
  TestTariff empty;
  empty.tariff = "02";
  r.tariffs = {first, third, empty};
  r.persons = {
      Worker(1, {{"07", "НР", "100.00", "100.00", "0.00", "22.00"},
                 {"08", "НР", "50.00", "50.00", "0.00", "11.00"},
                 {"09", "НР", "50.00", "50.00", "0.00", "11.00"}}),
      Worker(2, {{"07", "НР", "100.00", "100.00", "0.00", "22.00"}}),
      Worker(3, {{"07", "ВПНР", "40.00", "40.00", "0.00", "5.00"}, {"08", "ВПНР", "40.00", "40.00", "0.00", "5.00"}}),
  };

  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), r)));
  ASSERT_EQ(prot.Comparisons.size(), 1u);
  const TRSV501CompareMainRec& rec = prot.Comparisons[0];
  EXPECT_EQ(rec.TariffCodes, (std::vector<std::string>{"01", "02", "03"}));
  const std::int32_t persons[] = {3, 3, 2, 1};
  for (int i = 0; i < 4; ++i) {
    const TRSV501CompareColumn& c = rec.Column(i);
    EXPECT_EQ(c.PersonsS1, persons[i]) << i;
    EXPECT_EQ(c.PersonsS1, c.PersonsS3) << i;
    EXPECT_EQ(c.PaymentsS1, c.PaymentsS3) << i;
    EXPECT_EQ(c.BaseS1, c.BaseS3) << i;
    EXPECT_EQ(c.ContribS1, c.ContribS3) << i;
  }
  EXPECT_EQ(rec.PaymentsS1, 3800000);
  EXPECT_EQ(rec.ContribS1, 760000);
}

TEST(Prot501CrossCheck, NoRecordsWithoutPersonsOrSubsectionOrKnownPeriod) {
  TestTariff t;
  t.payments = {"1.00", "1.00", "0.00", "0.00"};
  TempDir dir;

  TestReport noPersons;
  noPersons.id = "NO_RASCHSV_a";
  noPersons.tariffs = {t};
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), noPersons)));
  EXPECT_TRUE(prot.Comparisons.empty());

  TestReport noSubsection;
  noSubsection.id = "NO_RASCHSV_b";
  noSubsection.persons = {Worker(1, {{"07", "НР", "1.00", "1.00", "0.00", "0.22"}})};
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), noSubsection)));
  EXPECT_TRUE(prot.Comparisons.empty());

  TestReport unknownPeriod = noSubsection;
  unknownPeriod.id = "NO_RASCHSV_c";
  unknownPeriod.period = "99";
  unknownPeriod.tariffs = {t};
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), unknownPeriod)));
  EXPECT_EQ(prot.PeriodText, "Не удалось определить");
  EXPECT_TRUE(prot.PeriodMonths.empty());
  EXPECT_TRUE(prot.Comparisons.empty());
}

}  // namespace
}  // namespace orsvelt::test
