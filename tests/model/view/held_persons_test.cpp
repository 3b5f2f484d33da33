// Persons held after their model is gone: what an analysis reads of them comes back whole.

#include "model/view/held_persons.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace orsvelt::view {
namespace {

struct Read {
  std::string identity;
  bool annulled = false, identified = false;
  std::vector<std::string> rows;
};

std::vector<Read> ReadBack(const HeldPersons& held) {
  std::vector<Read> out;
  held.ForEach([&](const Person& p, std::span<MonthRow> rows) {
    Read& r = out.emplace_back();
    for (std::string_view text : {p.snils, p.inn, p.surname, p.givenName, p.patronymic, p.birthDate, p.sex})
      r.identity += std::string(text) + "|";
    r.identity += p.snilsDigits;
    r.annulled = p.annulled;
    r.identified = p.identified;
    EXPECT_EQ(p.rowCount, rows.size());
    for (const MonthRow& row : rows)
      r.rows.push_back(std::to_string(row.month) + " " + std::string(row.category) + " " +
                       std::to_string(row.payments) + " " + std::to_string(row.base) + " " +
                       std::to_string(row.contractBase) + " " + std::to_string(row.contributions));
  });
  return out;
}

Person Named(std::string_view surname) {
  Person p;
  p.surname = surname;
  p.identified = true;
  return p;
}

// The texts are copied: the model's strings may go as soon as a person is added.
TEST(HeldPersons, KeepCopiesOfEveryTextAndRowInOrder) {
  HeldPersons held;
  {
    auto texts = std::make_unique<std::vector<std::string>>(std::vector<std::string>{
        "112-233-445 95", "7701", "Иванов", "Иван", "Иванович", "01.01.1980", "1", "НР", "ВЖНР"});
    const std::vector<std::string>& t = *texts;
    Person first = Named(t[2]);
    first.snils = t[0];
    first.inn = t[1];
    first.givenName = t[3];
    first.patronymic = t[4];
    first.birthDate = t[5];
    first.sex = t[6];
    const MonthRow rows[] = {{.month = 1, .category = t[7], .payments = 1, .base = 2, .contractBase = 3, .contributions = 4},
                             {.month = 0, .category = t[8], .payments = 5}};
    held.Add(first, rows);
    Person annulled;
    annulled.annulled = true;
    held.Add(annulled, {});  // nobody identified, no rows
    held.Add(Named(t[2]), std::span<const MonthRow>(rows, 1));
    texts.reset();
  }
  ASSERT_EQ(held.Size(), 3u);
  const std::vector<Read> back = ReadBack(held);
  ASSERT_EQ(back.size(), 3u);
  EXPECT_EQ(back[0].identity, "112-233-445 95|7701|Иванов|Иван|Иванович|01.01.1980|1|11223344595");
  EXPECT_TRUE(back[0].identified);
  EXPECT_EQ(back[0].rows, (std::vector<std::string>{"1 НР 1 2 3 4", "0 ВЖНР 5 0 0 0"}));
  EXPECT_EQ(back[1].identity, "|||||||");
  EXPECT_TRUE(back[1].annulled);
  EXPECT_FALSE(back[1].identified);
  EXPECT_TRUE(back[1].rows.empty());
  EXPECT_EQ(back[2].identity, "||Иванов|||||");
  EXPECT_EQ(back[2].rows, (std::vector<std::string>{"1 НР 1 2 3 4"}));

  held.Clear();
  EXPECT_EQ(held.Size(), 0u);
  EXPECT_TRUE(ReadBack(held).empty());
}

// Many persons fill many blocks of texts, and a damaged report's text longer than a block
// still comes back whole between them.
TEST(HeldPersons, LongAndManyTextsComeBackWhole) {
  HeldPersons held;
  std::string huge;
  for (int i = 0; i < 100 * 1024; ++i) huge += "Ж";
  std::vector<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string surname = i == 7000 ? huge : "Фамилия" + std::to_string(i);
    held.Add(Named(surname), {});
    expected.push_back("||" + surname + "|||||");
  }
  const std::vector<Read> back = ReadBack(held);
  ASSERT_EQ(back.size(), expected.size());
  for (std::size_t i = 0; i < back.size(); ++i) ASSERT_EQ(back[i].identity, expected[i]) << i;
}

}  // namespace
}  // namespace orsvelt::view
