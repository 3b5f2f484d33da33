#include "analysis/prot501/waiting_persons.h"

#include <limits>

#include <gtest/gtest.h>

namespace orsvelt::test {
namespace {

using Person = TRSV501YearPersonRec;

Person Sample(int i) {
  Person p;
  p.FullName = "Иванов Иван " + std::to_string(i);
  p.SNILS = i % 2 ? "112-233-445 95" : "";
  p.INN = "7707083893";
  p.PeriodCode = i % 3 ? "21" : "";
  p.CorrectionNumber = i % 4;
  p.Number = -i;
  for (int m = 0; m < i % 5; ++m) p.Rows.push_back({m + 1, m % 2 ? "НР" : "", m * 10000 + i, -m, m, i});
  for (int m = 0; m < i % 3; ++m) p.ExtraRows.push_back({12 - m, i, -i});
  return p;
}

void ExpectEqual(const Person& a, const Person& b) {
  EXPECT_EQ(a.FullName, b.FullName);
  EXPECT_EQ(a.SNILS, b.SNILS);
  EXPECT_EQ(a.INN, b.INN);
  EXPECT_EQ(a.PeriodCode, b.PeriodCode);
  EXPECT_EQ(a.CorrectionNumber, b.CorrectionNumber);
  EXPECT_EQ(a.Number, b.Number);
  ASSERT_EQ(a.Rows.size(), b.Rows.size());
  for (std::size_t r = 0; r < a.Rows.size(); ++r) {
    EXPECT_EQ(a.Rows[r].Month, b.Rows[r].Month);
    EXPECT_EQ(a.Rows[r].CategoryCode, b.Rows[r].CategoryCode);
    EXPECT_EQ(a.Rows[r].Payments, b.Rows[r].Payments);
    EXPECT_EQ(a.Rows[r].Base, b.Rows[r].Base);
    EXPECT_EQ(a.Rows[r].ContractBase, b.Rows[r].ContractBase);
    EXPECT_EQ(a.Rows[r].Contributions, b.Rows[r].Contributions);
  }
  ASSERT_EQ(a.ExtraRows.size(), b.ExtraRows.size());
  for (std::size_t r = 0; r < a.ExtraRows.size(); ++r) {
    EXPECT_EQ(a.ExtraRows[r].Month, b.ExtraRows[r].Month);
    EXPECT_EQ(a.ExtraRows[r].Base, b.ExtraRows[r].Base);
    EXPECT_EQ(a.ExtraRows[r].Contributions, b.ExtraRows[r].Contributions);
  }
}

// Packing over several blocks, with a person larger than a block among them, gives every
// person back as added and in order; rows of one person never leak into the next, which
// reuses the same record.
TEST(WaitingPersons, GivesBackEveryPersonAsAddedAcrossBlocks) {
  std::vector<Person> added;
  for (int i = 0; i < 30000; ++i) added.push_back(Sample(i));
  Person large = Sample(7);
  large.FullName.assign(3u << 20, 'x');
  large.Rows.assign(5000, {1, "НР", std::numeric_limits<Amount>::max(), std::numeric_limits<Amount>::min(), 0, 1});
  added.insert(added.begin() + 12000, large);

  prot501::WaitingPersons waiting;
  for (const Person& p : added) waiting.Add(p);
  ASSERT_EQ(waiting.size(), added.size());
  std::size_t i = 0;
  waiting.TakeAll([&](const Person& p) {
    ASSERT_LT(i, added.size());
    ExpectEqual(p, added[i++]);
  });
  EXPECT_EQ(i, added.size());
  EXPECT_EQ(waiting.size(), 0u);
  waiting.TakeAll([&](const Person&) { ADD_FAILURE() << "a person taken twice"; });

  waiting.Add(added[3]);
  waiting.Clear();
  EXPECT_EQ(waiting.size(), 0u);
  waiting.TakeAll([&](const Person&) { ADD_FAILURE() << "a person after Clear"; });
  waiting.Add(added[4]);
  waiting.TakeAll([&](const Person& p) { ExpectEqual(p, added[4]); });
}

}  // namespace
}  // namespace orsvelt::test
