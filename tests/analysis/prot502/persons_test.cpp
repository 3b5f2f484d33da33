// The per-person collection of the 5.02 analysis: merging files into one record per
// person, annulment, sources, totals, category rows and the quarter order.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/prot502/prot502.h"
#include "report_text.h"
#include "support/test_support.h"

namespace orsvelt::test {
namespace {

constexpr Amount kRouble = 10000;

TestReport Quarter(const std::string& period, std::vector<TestPerson> persons) {
  TestReport content;
  content.period = period;
  content.persons = std::move(persons);
  return content;
}

TestPerson Person(const std::string& snils, std::vector<MonthRow> months, const std::string& surname = "Иванов") {
  TestPerson p;
  p.snils = snils;
  p.surname = surname;
  p.months = std::move(months);
  return p;
}

MonthRow Paid(int month, const std::string& category, const std::string& paid) {
  return {month, category, paid, paid, "0", "0"};
}

// Collects the files in order, file numbers 1, 2, ... and the last as the main file 0.
class Collection {
 public:
  explicit Collection(const std::vector<TestReport>& files) {
    for (std::size_t i = 0; i < files.size(); ++i) {
      const auto loaded = LoadReportText(ReportXml(files[i]));
      prot.Collect(loaded->file, i + 1 == files.size() ? 0 : static_cast<int>(i + 1));
    }
    prot.BuildTotals();
  }
  const TRSV502ProtZLRec& person(std::size_t i) const { return prot.Persons().at(i); }
  TRSV502Prot prot;
};

Amount PaidIn(const TRSV502ProtQuartData* quarter, const std::string& code, int month) {
  if (!quarter) return -1;
  const int e = TRSV502Prot::FindCategory(*quarter, code);
  return e < 0 ? -1 : quarter->Categories()[static_cast<std::size_t>(e)].Months[static_cast<std::size_t>(month - 1)].СумВыпл;
}

TEST(Persons502, ACorrectionReplacesOnlyTheMonthsItCarries) {
  Collection c({Quarter("21", {Person("111-111-111 11", {Paid(1, "НР", "100"), Paid(2, "НР", "200")})}),
                Quarter("21", {Person("111-111-111 11", {Paid(2, "НР", "250")})}),
                Quarter("31", {Person("111-111-111 11", {Paid(1, "НР", "300")})})});
  ASSERT_EQ(c.prot.Persons().size(), 1u);
  const TRSV502ProtZLRec& p = c.person(0);
  EXPECT_EQ(PaidIn(p.Quarter(1), "НР", 1), 100 * kRouble);  // kept from file 1
  EXPECT_EQ(PaidIn(p.Quarter(1), "НР", 2), 250 * kRouble);  // replaced by file 2, not added
  EXPECT_EQ(p.Quarter(1)->Source.Text(), "2/1");
  EXPECT_EQ(PaidIn(p.Quarter(2), "НР", 1), 300 * kRouble);
  EXPECT_EQ(p.Quarter(2)->Source.Text(), "0/1");
  EXPECT_EQ(p.Quarter(3), nullptr);
  EXPECT_EQ(p.Source.Text(), "1/1");  // the identity never changed
}

TEST(Persons502, AnnulmentWipesTheQuarterAndALaterFileFillsItAgain) {
  TestPerson annul = Person("222-222-222 22", {});
  annul.annulled = true;
  Collection annulled({Quarter("21", {Person("222-222-222 22", {Paid(1, "НР", "100")})}), Quarter("21", {annul})});
  const TRSV502ProtQuartData* q1 = annulled.person(0).Quarter(1);
  ASSERT_NE(q1, nullptr);
  EXPECT_TRUE(q1->Annulled);
  EXPECT_TRUE(q1->Categories().empty());
  EXPECT_EQ(q1->Source.Text(), "0/1");
  // The totals' quarter exists but holds nothing of the annulled person.
  ASSERT_NE(annulled.prot.Totals(), nullptr);
  ASSERT_NE(annulled.prot.Totals()->Quarter(1), nullptr);
  EXPECT_TRUE(annulled.prot.Totals()->Quarter(1)->Categories().empty());
  EXPECT_FALSE(annulled.prot.Totals()->Quarter(1)->Annulled);
  EXPECT_TRUE(annulled.prot.PersonCategories(annulled.person(0)).empty());

  Collection refilled({Quarter("21", {Person("222-222-222 22", {Paid(1, "НР", "100")})}), Quarter("21", {annul}),
                       Quarter("21", {Person("222-222-222 22", {Paid(2, "НР", "70")})})});
  const TRSV502ProtQuartData* again = refilled.person(0).Quarter(1);
  EXPECT_FALSE(again->Annulled);
  EXPECT_EQ(PaidIn(again, "НР", 1), 0);  // the annulled month does not come back
  EXPECT_EQ(PaidIn(again, "НР", 2), 70 * kRouble);
}

TEST(Persons502, MatchingAndIdentityUpdates) {
  struct Case {
    const char* what;
    TestPerson first, second;
    std::size_t persons;
    const char* name;    // of the first record after both files
    const char* source;  // of its identity
  };
  auto named = [](const char* snils, const char* surname, const char* inn = "") {
    TestPerson p = Person(snils, {Paid(1, "НР", "1")}, surname);
    p.inn = inn;
    return p;
  };
  const Case cases[] = {
      {"separators or not, one person", named("123-456-789 01", "Иванов"), named("12345678901", "Иванов"), 1,
       "Иванов Иван", "1/1"},
      {"same SNILS, later name wins", named("12345678901", "Иванов"), named("12345678901", "Сидоров"), 1,
       "Сидоров Иван", "0/1"},
      {"Latin case alone is no change", named("12345678901", "Ivanov"), named("12345678901", "IVANOV"), 1,
       "Ivanov Иван", "1/1"},
      {"Cyrillic case is a change", named("12345678901", "Иванов"), named("12345678901", "ИВАНОВ"), 1,
       "ИВАНОВ Иван", "0/1"},
      {"new INN is a change", named("12345678901", "Иванов", "500100732259"),
       named("12345678901", "Иванов", "500100732260"), 1, "Иванов Иван", "0/1"},
      {"other SNILS, other person", named("12345678901", "Иванов"), named("12345678902", "Иванов"), 2, "Иванов Иван",
       "1/1"},
      {"no SNILS, same INN: one person", named("", "Иванов", "500100732259"), named("", "Иванов", "500100732259"), 1,
       "Иванов Иван", "1/1"},
      {"no SNILS, other INN: two persons", named("", "Иванов", "500100732259"),
       named("", "Петров", "500100732260"), 2, "Иванов Иван", "1/1"},
      {"no SNILS and no INN: never merged", named("", "Иванов"), named("", "Петров"), 2, "Иванов Иван", "1/1"},
      {"no SNILS does not match on the INN of a person who has one", named("12345678901", "Иванов", "500100732259"),
       named("", "Иванов", "500100732259"), 2, "Иванов Иван", "1/1"},
  };
  for (const Case& c : cases) {
    Collection col({Quarter("21", {c.first}), Quarter("31", {c.second})});
    ASSERT_EQ(col.prot.Persons().size(), c.persons) << c.what;
    EXPECT_EQ(col.person(0).Name, c.name) << c.what;
    EXPECT_EQ(col.person(0).Source.Text(), c.source) << c.what;
  }
}

TEST(Persons502, TheKeyIsTheSnilsReducedToDigitsOnlyWhenWrittenInFourteenCharacters) {
  Collection c({Quarter("21", {Person("123-456-789 01", {}), Person("123 456 789", {}), Person("", {})})});
  ASSERT_EQ(c.prot.Persons().size(), 3u);
  EXPECT_EQ(c.person(0).Key, "12345678901");
  EXPECT_EQ(c.person(1).Key, "123 456 789");
  EXPECT_EQ(c.person(2).Key, "");
  EXPECT_EQ(c.prot.FindPerson("123-456-789 01"), 0);
  EXPECT_EQ(c.prot.FindPerson("12345678901"), 0);
  EXPECT_EQ(c.prot.FindPerson("123 456 789"), 1);
  EXPECT_EQ(c.prot.FindPerson(""), -1);
  EXPECT_EQ(c.prot.FindPerson("99999999999"), -1);
}

TEST(Persons502, UnusableElementsAndFilesContributeNothingButKeepTheOrdinals) {
  TestPerson nobody = Person("", {Paid(1, "НР", "5")});
  nobody.withData = false;
  Collection c({Quarter("21", {nobody, Person("111-111-111 11", {Paid(1, "НР", "5")})}),
                Quarter("99", {Person("222-222-222 22", {Paid(1, "НР", "5")})})});  // no quarter
  ASSERT_EQ(c.prot.Persons().size(), 1u);
  EXPECT_EQ(c.person(0).Source.Text(), "1/2");

  TestReport bare = Quarter("21", {});
  bare.withCalculation = false;
  Collection none({bare});
  EXPECT_TRUE(none.prot.Persons().empty());
  EXPECT_EQ(none.prot.Totals(), nullptr);
}

TEST(Persons502, AMonthOutsideTheQuarterAddsTheCategoryWithoutAmounts) {
  Collection c({Quarter("21", {Person("111-111-111 11", {Paid(4, "ВЖНР", "100"), Paid(0, "НР", "100")})})});
  const TRSV502ProtQuartData* q = c.person(0).Quarter(1);
  ASSERT_EQ(q->Categories().size(), 2u);
  for (const TRSV502ProtCategory& e : q->Categories())
    for (const TRSV502ProtMonthSums& m : e.Months) EXPECT_EQ(m.СумВыпл, 0) << e.КодКатЛиц;
}

TEST(Persons502, AllFourAmountsOfAMonthAreTaken) {
  Collection c({Quarter("21", {Person("111-111-111 11", {{2, "НР", "1000.50", "900.25", "100.10", "198.06"}})})});
  const TRSV502ProtMonthSums& m = c.person(0).Quarter(1)->Categories()[0].Months[1];
  EXPECT_EQ(m.СумВыпл, 10005000);
  EXPECT_EQ(m.ВыплОПС, 9002500);
  EXPECT_EQ(m.ВыплОПСДог, 1001000);
  EXPECT_EQ(m.НачислСВ, 1980600);
}

TEST(Persons502, TotalsAddEveryPersonByQuarterCategoryAndMonth) {
  Collection c({Quarter("21", {Person("111-111-111 11", {Paid(1, "НР", "100"), Paid(2, "ВЖНР", "10")}),
                               Person("222-222-222 22", {Paid(1, "НР", "50"), Paid(1, "МС", "7")})}),
                Quarter("31", {Person("222-222-222 22", {Paid(3, "НР", "1")})})});
  const TRSV502ProtZLRec* totals = c.prot.Totals();
  ASSERT_NE(totals, nullptr);
  EXPECT_EQ(totals->Name, "");
  EXPECT_EQ(PaidIn(totals->Quarter(1), "НР", 1), 150 * kRouble);
  EXPECT_EQ(PaidIn(totals->Quarter(1), "ВЖНР", 2), 10 * kRouble);
  EXPECT_EQ(PaidIn(totals->Quarter(1), "МС", 1), 7 * kRouble);
  EXPECT_EQ(PaidIn(totals->Quarter(2), "НР", 3), 1 * kRouble);
  EXPECT_EQ(totals->Quarter(2)->Source.Text(), "");
  EXPECT_EQ(c.prot.PersonCategories(*totals), (std::vector<std::string>{"НР", "ВЖНР", "МС"}));
}

TEST(Persons502, TotalsStopAtTheLimitInsteadOfWrappingRound) {
  Collection c({Quarter("21", {Person("111-111-111 11", {Paid(1, "НР", "900000000000000")}),
                               Person("222-222-222 22", {Paid(1, "НР", "900000000000000")}),
                               Person("333-333-333 33", {Paid(1, "НР", "-1")})})});
  EXPECT_EQ(PaidIn(c.prot.Totals()->Quarter(1), "НР", 1), std::numeric_limits<Amount>::max() - kRouble);
}

TEST(Persons502, CategoryRowsAreDistinctCodesInQuarterOrderRegardlessOfCase) {
  Collection c({Quarter("21", {Person("111-111-111 11", {Paid(1, "НР", "1"), Paid(1, "ВЖНР", "1")})}),
                Quarter("31", {Person("111-111-111 11", {Paid(1, "нр", "1"), Paid(1, "МС", "1"), Paid(2, "вжнр", "1")})})});
  EXPECT_EQ(c.prot.PersonCategories(c.person(0)), (std::vector<std::string>{"НР", "ВЖНР", "МС"}));
  // The writers look codes up exactly: the quarter written in lower case has no "НР" entry.
  EXPECT_EQ(TRSV502Prot::FindCategory(*c.person(0).Quarter(2), "НР"), -1);
  EXPECT_EQ(TRSV502Prot::FindCategory(*c.person(0).Quarter(2), "нр"), 0);
}

TEST(Persons502, ManyCategoryCodesOfOnePersonStayDistinctAndInOrder) {
  // Beyond a handful of codes the search changes its means; the result must not change.
  std::vector<MonthRow> first, second;
  std::vector<std::string> expected;
  for (int i = 0; i < 40; ++i) {
    const std::string code = "К" + std::to_string(i);
    first.push_back(Paid(1, code, "1"));
    second.push_back(Paid(2, "к" + std::to_string(39 - i), "1"));  // the same codes, other case
    expected.push_back(code);
  }
  second.push_back(Paid(2, "НОВЫЙ", "1"));
  expected.push_back("НОВЫЙ");
  Collection c({Quarter("21", {Person("111-111-111 11", first)}), Quarter("31", {Person("111-111-111 11", second)})});
  EXPECT_EQ(c.prot.PersonCategories(c.person(0)), expected);
}

TEST(Persons502, AQuarterKeepsEachEntrysIndexAndAmountsWhileItGrowsFromOneCodeToMany) {
  // One code is held in place, more in a list, many more with an index: a code found
  // before must keep its entry through each change.
  TRSV502ProtQuartData quarter;
  std::vector<std::string> codes;
  for (int i = 0; i < 40; ++i) codes.push_back("К" + std::to_string(i));
  for (std::size_t i = 0; i < codes.size(); ++i) {
    ASSERT_EQ(quarter.FindOrAdd(codes[i]), static_cast<int>(i));
    quarter.Category(static_cast<int>(i)).Months[1].СумВыпл = static_cast<Amount>(i + 1);
    for (std::size_t j = 0; j <= i; ++j) {
      ASSERT_EQ(quarter.Find(codes[j]), static_cast<int>(j)) << i;
      ASSERT_EQ(quarter.Categories()[j].Months[1].СумВыпл, static_cast<Amount>(j + 1)) << i;
    }
    ASSERT_EQ(quarter.Categories().size(), i + 1);
  }
  EXPECT_EQ(quarter.Find("К40"), -1);
  quarter.ClearCategories();
  EXPECT_TRUE(quarter.Categories().empty());
  EXPECT_EQ(quarter.Find(codes[0]), -1);
  EXPECT_EQ(quarter.FindOrAdd(codes[5]), 0);
  EXPECT_EQ(quarter.Categories()[0].Months[1].СумВыпл, 0);
}

TEST(Persons502, QuartersAreListedInTheOrderPersonsFirstBringThem) {
  Collection c({Quarter("31", {Person("111-111-111 11", {Paid(1, "НР", "1")})}),
                Quarter("21", {Person("222-222-222 22", {Paid(1, "НР", "1")})}),
                Quarter("31", {Person("222-222-222 22", {Paid(1, "НР", "1")})}),
                Quarter("90", {Person("333-333-333 33", {Paid(1, "НР", "1")})})});
  EXPECT_EQ(c.prot.QuartersPresent(), (std::vector<std::string>{"2", "1", "4"}));
}

TEST(Persons502, PersonsKeepTheOrderInWhichTheyWereFirstMet) {
  Collection c({Quarter("21", {Person("2", {}, "Второй"), Person("1", {}, "Первый")}),
                Quarter("31", {Person("3", {}, "Третий"), Person("1", {}, "Первый")})});
  ASSERT_EQ(c.prot.Persons().size(), 3u);
  EXPECT_EQ(c.person(0).Name, "Второй Иван");
  EXPECT_EQ(c.person(1).Name, "Первый Иван");
  EXPECT_EQ(c.person(2).Name, "Третий Иван");
  EXPECT_EQ(c.person(2).Source.Text(), "0/1");
}

TEST(Persons502, NameAndGenderAsTheReportWritesThem) {
  TestPerson full = Person("1", {});
  full.patronymic = "Иванович";
  full.gender = "2";
  TestPerson bare = Person("2", {});
  bare.gender = "";
  Collection c({Quarter("21", {full, bare})});
  EXPECT_EQ(c.person(0).Name, "Иванов Иван Иванович");
  EXPECT_EQ(c.person(0).Пол, "2");
  EXPECT_EQ(c.person(1).Name, "Иванов Иван");
  EXPECT_EQ(c.person(1).Пол, "");
}

TEST(Persons502, ManyPersonsAreCollectedInOnePass) {
  TestReport big = Quarter("21", {});
  for (int i = 0; i < 20000; ++i) big.persons.push_back(Person(std::to_string(100000000 + i), {Paid(1, "НР", "1")}));
  big.persons.push_back(Person("100000007", {Paid(2, "НР", "2")}));
  Collection c({big});
  ASSERT_EQ(c.prot.Persons().size(), 20000u);
  EXPECT_EQ(c.person(7).Quarter(1)->Source.Text(), "0/20001");
  EXPECT_EQ(PaidIn(c.prot.Totals()->Quarter(1), "НР", 1), 20000 * kRouble);
}

}  // namespace
}  // namespace orsvelt::test
