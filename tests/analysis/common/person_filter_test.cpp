// The one decision which persons have a finding, and how a reading message names a person.

#include <gtest/gtest.h>

#include "analysis/checks/finding.h"
#include "analysis/common/person_filter.h"
#include "model/view/report_view.h"

namespace orsvelt {
namespace {

TEST(PersonFilter, SelectionIsNamedAsTheCommandLineNamesIt) {
  EXPECT_EQ(PersonSelectionNamed("all"), PersonSelection::All);
  EXPECT_EQ(PersonSelectionNamed("findings"), PersonSelection::WithFindings);
  for (const char* wrong : {"", "All", "finding", "findings ", "да"}) EXPECT_FALSE(PersonSelectionNamed(wrong)) << wrong;
  for (const PersonSelection s : {PersonSelection::All, PersonSelection::WithFindings})
    EXPECT_EQ(PersonSelectionNamed(PersonSelectionName(s)), s);
}

TEST(PersonFilter, AMessageNamesAPersonByItsWholeElementPath) {
  static constexpr view::Section3Form form{
      .personStep = " - ПерсСвСтрахЛиц", .personOpen = " (", .personClose = ")", .rowAttributes = {}, .extraRowAttributes = {}};
  view::Section3 s3;
  s3.path = "Файл - Документ - РасчетСВ";
  s3.form = &form;
  for (std::uint32_t n : {1u, 3u, 30u, 31u}) s3.persons.emplace_back().number = n;
  const std::vector<std::string> messages = {
      "Файл - Документ - РасчетСВ - ПерсСвСтрахЛиц (3) - СвВыплСВОПС[1] - СвВыпл[0] - СвВыплМК[1] - @СумВыпл: "
      "Значение не является суммой.",
      "Файл - Документ - РасчетСВ - ПерсСвСтрахЛиц (31): Недопустимый атрибут Х",
      "Файл - Документ - РасчетСВ - ОбязПлатСВ (1): что-то (3)"};
  EXPECT_EQ(PersonsInMessages(s3, messages), (std::vector<std::uint32_t>{1, 3}));
  EXPECT_TRUE(PersonsInMessages(s3, {}).empty());
}

checks::CheckResult Naming(std::vector<std::string> who, std::string snils = {}) {
  checks::CheckResult result;
  checks::Finding& f = result.findings.emplace_back();
  f.snils = std::move(snils);
  f.persons = std::move(who);
  result.findings.emplace_back();  // one about no person: names nobody
  return result;
}

TEST(PersonFilter, AllShowsEveryoneWhateverTheFindings) {
  const checks::CheckResult checks = Naming({"123-456-789 64"});
  const PersonFilter all(PersonSelection::All, &checks);
  EXPECT_TRUE(all.ShowsAll());
  EXPECT_TRUE(all.Shows({.snils = "111-111-111 11"}));
  EXPECT_TRUE(PersonFilter().Shows({}));
}

TEST(PersonFilter, AFindingNamesAPersonByItsSnilsInAnySpellingOrByName) {
  const checks::CheckResult checks = Naming({"Петров Пётр"}, "123-456-789 64");
  const PersonFilter filter(PersonSelection::WithFindings, &checks);
  EXPECT_TRUE(filter.Shows({.snils = "12345678964"}));
  EXPECT_TRUE(filter.Shows({.snils = "123-456-789 64"}));
  EXPECT_FALSE(filter.Shows({.snils = "123-456-789 65"}));
  // Without a SNILS a person is named by surname and name, with or without a patronymic.
  EXPECT_TRUE(filter.Shows({.snils = "Не указан", .name = "Петров Пётр Петрович"}));
  EXPECT_TRUE(filter.Shows({.name = "Петров Пётр"}));
  EXPECT_FALSE(filter.Shows({.name = "Петров Павел"}));
  // A person with a SNILS is never taken for another of the same name.
  EXPECT_FALSE(filter.Shows({.snils = "111-111-111 11", .name = "Петров Пётр"}));
  EXPECT_FALSE(filter.Shows({}));
  const PersonFilter none(PersonSelection::WithFindings, nullptr);
  EXPECT_FALSE(none.Shows({.snils = "123-456-789 64"}));
}

TEST(PersonFilter, MarksAndReadingMessagesCountAndCarryToTheSamePersonElsewhere) {
  checks::CheckResult checks;
  checks.personsInReadingMessages = {4};
  PersonFilter filter(PersonSelection::WithFindings, &checks);
  const PersonRecord read{.snils = "123-456-789 64", .position = 4};
  const PersonRecord marked{.snils = "Не указан", .inn = "500100732259", .marked = true};
  const PersonRecord nothing{.snils = "345-678-912 26", .position = 5};
  EXPECT_TRUE(filter.HasFinding(read));
  EXPECT_TRUE(filter.HasFinding(marked));
  EXPECT_FALSE(filter.HasFinding(nothing));
  for (const PersonRecord& p : {read, marked, nothing}) filter.Note(p);
  // The same persons in a table of the year, matched as the analyses match them.
  EXPECT_TRUE(filter.Shows({.snils = "12345678964"}));
  EXPECT_TRUE(filter.Shows({.inn = "500100732259"}));
  EXPECT_FALSE(filter.Shows({.snils = "34567891226"}));
  // Placeholders are no identity: they do not join persons.
  PersonFilter placeholders(PersonSelection::WithFindings, &checks);
  placeholders.Note({.snils = "Не указан", .inn = "Не указан", .marked = true});
  EXPECT_FALSE(placeholders.Shows({.snils = "Не указан", .inn = "Не указан"}));
}

TEST(PersonFilter, TheLineCountsInGroupsOfThree) {
  EXPECT_EQ(PersonFilter::LeftOutLine(12, 100000),
            "Показаны только лица с замечаниями: 12 из 100 000. Лица без замечаний (99 988) не показаны.");
  EXPECT_EQ(PersonFilter::LeftOutLine(0, 5), "Показаны только лица с замечаниями: 0 из 5. Лица без замечаний (5) не показаны.");
  // Nobody left out: the line does not speak of persons without findings.
  EXPECT_EQ(PersonFilter::LeftOutLine(1234567, 1234567),
            "Показаны только лица с замечаниями: замечания есть у всех лиц (1 234 567).");
}

}  // namespace
}  // namespace orsvelt
