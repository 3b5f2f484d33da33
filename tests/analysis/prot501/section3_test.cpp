#include <gtest/gtest.h>

#include "analysis/prot501/patronymic.h"
#include "report_builder.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

TEST(Prot501Patronymic, EndingsIndicateSex) {
  const struct {
    const char* patronymic;
    const char* sex;
  } cases[] = {
      {"Иванович", "1"}, {"ИВАНОВИЧ", "1"}, {"Ивановна", "2"}, {"ИвановнА", "2"}, {"Оглы", "1"},
      {"Улу", "1"},      {"Кызы", "2"},     {"ич", "1"},       {"И", ""},         {"ч", ""},
      {"Петров", ""},    {"Ильинична", "2"}, {"", ""},          {"Ibragimovich", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SexOfPatronymic(c.patronymic), c.sex) << c.patronymic;
}

TestPerson Person(int number, const std::string& patronymic, const std::string& sex) {
  TestPerson p;
  p.number = number;
  p.patronymic = patronymic;
  p.sex = sex;
  p.snils = "000-000-000 0" + std::to_string(number % 10);
  return p;
}

TEST(Prot501Section3, PersonTextsSexCheckAndOrder) {
  TestReport r;
  r.persons.push_back(Person(3, "Иванович", "2"));  // mismatch
  r.persons.push_back(Person(1, "Ивановна", "2"));
  r.persons.push_back(Person(2, "", "2"));          // no patronymic: no indication
  TestPerson noIdentity = Person(2, "", "1");
  noIdentity.withIdentity = false;
  r.persons.push_back(noIdentity);                   // same number as the one before
  TestPerson unknownSex = Person(5, "Кызы", "3");
  unknownSex.snils.clear();
  unknownSex.withName = false;
  r.persons.push_back(unknownSex);

  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), r)));
  ASSERT_EQ(prot.Persons.size(), 5u);
  const auto& p = prot.Persons;
  EXPECT_EQ(p[0].Number, 1);
  EXPECT_FALSE(p[0].SexMismatch);
  EXPECT_EQ(p[0].SexText, "Ж");
  EXPECT_EQ(p[0].FullName, "Иванов Иван Ивановна");
  EXPECT_EQ(p[1].Number, 2);
  EXPECT_EQ(p[1].FullName, "Иванов Иван");
  EXPECT_FALSE(p[1].SexMismatch);
  EXPECT_EQ(p[2].Number, 2);  // equal numbers keep file order
  EXPECT_EQ(p[2].FullName, "Не указано в файле");
  EXPECT_EQ(p[2].SexText, "Не указано в файле");
  EXPECT_EQ(p[2].SNILS, "Не указано в файле");
  EXPECT_EQ(p[3].Number, 3);
  EXPECT_TRUE(p[3].SexMismatch);
  EXPECT_EQ(p[3].SexText, "Ж");
  EXPECT_EQ(p[4].SexText, "Не определено");
  EXPECT_EQ(p[4].SNILS, "Не указан");
  EXPECT_EQ(p[4].INN, "Не указан");
  EXPECT_EQ(p[4].FullName, "Не указано в файле");
  for (std::size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].Ordinal, static_cast<int>(i + 1));
  EXPECT_EQ(prot.PersonCount, 5);
  EXPECT_EQ(prot.OPSFlagCount, 4);  // the person without identity has no flags
}

TEST(Prot501Section3, TotalsByMonthCategoryAndTariff) {
  TestReport r;
  TestPerson a = Person(1, "", "1");
  a.rows = {{"07", "НР", "100.00", "90.00", "10.00", "19.80"},
            {"07", "ВЖНР", "50.00", "50.00", "0.00", "11.00"},
            {"08", "НР", "100.00", "100.00", "0.00", "22.00"}};
  a.adds = {{"07", "21", "100.00", "9.00"}, {"08", "21", "100.00", "9.00"}};
  TestPerson b = Person(2, "", "1");
  b.rows = {{"07", "НР", "1.00", "1.00", "0.00", "0.22"}};
  b.adds = {{"07", "22", "5.00", "0.30"}};
  r.persons = {a, b};

  TempDir dir;
  TRSV501Prot prot;
  ASSERT_TRUE(AnalyseReport(prot, WriteReport(dir.path(), r)));

  ASSERT_EQ(prot.MonthCategoryTotals.size(), 3u);
  EXPECT_EQ(prot.MonthCategoryTotals[0].Month, "07");
  EXPECT_EQ(prot.MonthCategoryTotals[0].CategoryCode, "НР");
  EXPECT_EQ(prot.MonthCategoryTotals[0].Count, 2);
  EXPECT_EQ(prot.MonthCategoryTotals[0].Payments, 1010000);
  EXPECT_EQ(prot.MonthCategoryTotals[0].ContractBase, 100000);
  EXPECT_EQ(prot.MonthCategoryTotals[1].CategoryCode, "ВЖНР");
  EXPECT_EQ(prot.MonthCategoryTotals[2].Month, "08");

  ASSERT_EQ(prot.CategoryTotals.size(), 2u);
  EXPECT_EQ(prot.CategoryTotals[0].CategoryCode, "НР");
  EXPECT_EQ(prot.CategoryTotals[0].Count, 2);  // persons, not rows
  EXPECT_EQ(prot.CategoryTotals[0].Payments, 2010000);
  EXPECT_EQ(prot.CategoryTotals[0].Contributions, 420200);
  EXPECT_EQ(prot.CategoryTotals[1].Count, 1);

  ASSERT_EQ(prot.MonthTariffTotals.size(), 3u);
  EXPECT_EQ(prot.MonthTariffTotals[0].Count, 1);
  ASSERT_EQ(prot.TariffTotals.size(), 2u);
  EXPECT_EQ(prot.TariffTotals[0].TariffCode, "21");
  EXPECT_EQ(prot.TariffTotals[0].Count, 1);
  EXPECT_EQ(prot.TariffTotals[0].Payments, 2000000);
  EXPECT_EQ(prot.TariffTotals[1].Contributions, 3000);
}

}  // namespace
}  // namespace orsvelt::test
