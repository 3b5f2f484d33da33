// How attribute values are stored by kind: amounts, 32- and 64-bit integers, texts.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/rsv502/document.h"
#include "xml_fixture.h"

namespace orsvelt {
namespace {

using test::LoadFrom;
using Messages = std::vector<std::string>;

struct AmountCase {
  const char* written;
  Amount stored;
  bool valid;
};

TEST(Values, AmountsAreExactDecimalsAndTheRestIsReported) {
  const AmountCase cases[] = {
      {"1234.56", 12345600, true},
      {"-0.5", -5000, true},
      {"1e3", 10000000, true},
      {"+2.5E-1", 2500, true},
      {"  7", 70000, true},
      {"0.00005", 0, true},  // halves go to the even neighbour
      {"0.00015", 2, true},
      {"99999999999999.99", 999999999999999900, true},
      {"1234,56", 0, false},  // a comma is never a decimal separator
      {"", 0, false},
      {"12 ", 0, false},
      {"1 000", 0, false},
      {"&#49;", 0, false},  // read as written, entities are not part of a number
      {"9e30", 0, false},
  };
  for (const AmountCase& c : cases) {
    SCOPED_TRACE(c.written);
    const auto sum = LoadFrom<TRSV502SvSum1>(std::string("<СумВыплат СумВсегоПер=\"") + c.written + "\"/>");
    EXPECT_EQ(sum.СумВсегоПер, c.stored);
    if (c.valid)
      EXPECT_TRUE(sum.Errors.empty());
    else
      EXPECT_EQ(sum.Errors, Messages{" P - @СумВсегоПер: Значение не является суммой."});
  }
}

TEST(Values, EveryAmountOfAClassIsReadIntoItsOwnField) {
  const auto sum = LoadFrom<TRSV502SvSum1>(
      "<НачислСВ СумВсегоПер=\"10.01\" Сум1Посл3М=\"1\" Сум2Посл3М=\"2.02\" Сум3Посл3М=\"0.03\"/>");
  EXPECT_TRUE(sum.Errors.empty());
  EXPECT_EQ(sum.СумВсегоПер, 100100);
  EXPECT_EQ(sum.Сум1Посл3М, 10000);
  EXPECT_EQ(sum.Сум2Посл3М, 20200);
  EXPECT_EQ(sum.Сум3Посл3М, 300);
}

TEST(Values, IntegersThatDoNotConvertAreReportedAndZero) {
  struct Case {
    const char* written;
    std::int32_t stored;
    bool valid;
  };
  const Case cases[] = {{"3", 3, true},           {" -12", -12, true}, {"2147483647", 2147483647, true},
                        {"2147483648", 0, false}, {"1.0", 0, false},   {"", 0, false},
                        {"x", 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.written);
    const auto mk = LoadFrom<TRSV502SvVyplMK>(std::string("<СвВыплМК Месяц=\"") + c.written + "\" СумВыпл=\"5\"/>");
    EXPECT_EQ(mk.Месяц, c.stored);
    EXPECT_EQ(mk.СумВыпл, 50000);  // the other attributes are still read
    if (c.valid)
      EXPECT_TRUE(mk.Errors.empty());
    else
      EXPECT_EQ(mk.Errors, Messages{"Атрибут тэга СвВыплМК Месяц имеет не числовое значение."});
  }
}

TEST(Values, IncomesOfTariffConditionsAreSixtyFourBit) {
  const auto t7 = LoadFrom<TRSV502PravTarif7_1_427>(
      "<ПравТариф7.1.427 ДохВсПред=\"3000000000\" ДохВсПер=\"9223372036854775807\" ДохГрантПер=\"-1\" "
      "ДолДохПред=\"75.5\"/>");
  EXPECT_TRUE(t7.Errors.empty());
  EXPECT_EQ(t7.ДохВсПред, 3000000000);
  EXPECT_EQ(t7.ДохВсПер, INT64_MAX);
  EXPECT_EQ(t7.ДохГрантПер, -1);
  EXPECT_EQ(t7.ДолДохПред, 755000);

  // Head counts stay 32-bit; an income beyond 64 bits is reported like any bad integer.
  const auto t3 = LoadFrom<TRSV502PravTarif3_1_427>(
      "<ПравТариф3.1.427 СрЧисл_Пер=\"3000000000\" ДохКр5.427_Пер=\"9000000000\" "
      "Дох248_Пер=\"99999999999999999999\"><СвРеестрОрг/></ПравТариф3.1.427>");
  EXPECT_EQ(t3.СрЧисл_Пер, 0);
  EXPECT_EQ(t3.ДохКр5_427_Пер, 9000000000);
  EXPECT_EQ(t3.Дох248_Пер, 0);
  EXPECT_EQ(t3.Errors, (Messages{"Атрибут элемента ПравТариф3.1.427 СрЧисл_Пер имеет не числовое значение.",
                                 "Атрибут элемента ПравТариф3.1.427 Дох248_Пер имеет не числовое значение."}));

  const auto t15 = LoadFrom<TRSV502PravTarif15_1_427>(
      "<ПравТариф15.1.427 ДохКр12.427_9МПр=\"4000000000\" ДолДох12.427_Пер=\"80\"><СвРеестрОрг/>"
      "</ПравТариф15.1.427>");
  EXPECT_TRUE(t15.Errors.empty());
  EXPECT_EQ(t15.ДохКр12_427_9МПр, 4000000000);
  EXPECT_EQ(t15.ДолДох12_427_Пер, 800000);
}

TEST(Values, TextsAreEntityDecodedExceptTheRawOnes) {
  const auto person = LoadFrom<TRSV502PersSvStrakhLic>(
      "<ПерсСвСтрахЛиц ПрАннулир=\"&quot;1&quot;\"><ДанФЛПолуч СНИЛС=\"112-233-445 95\" Гражд=\"643\">"
      "<ФИО Фамилия=\"О&amp;Коннор\" Имя=\"&laquo;Анна&raquo;\"/></ДанФЛПолуч></ПерсСвСтрахЛиц>");
  EXPECT_TRUE(person.Errors.empty());
  EXPECT_EQ(person.ПрАннулир, "\"1\"");
  ASSERT_TRUE(person.ДанФЛПолуч);
  EXPECT_EQ(person.ДанФЛПолуч->СНИЛС, "112-233-445 95");
  ASSERT_TRUE(person.ДанФЛПолуч->ФИО);
  EXPECT_EQ(person.ДанФЛПолуч->ФИО->Фамилия, "О&Коннор");
  EXPECT_EQ(person.ДанФЛПолуч->ФИО->Имя, "«Анна»");

  const auto doc = LoadFrom<TRSV502Document>(
      "<Документ КНД=\"1151111&amp;\" Период=\"&quot;21\" ДатаДок=\"01.02&amp;2017\" КодНО=\"&lt;7715\">"
      "<СвНП ОКВЭД=\"62.01&quot;\"><НПЮЛ НаимОрг=\"ООО &quot;Ромашка&quot;\" ИННЮЛ=\"7715670503\" "
      "КПП=\"770201001\"/></СвНП></Документ>");
  EXPECT_TRUE(doc.Errors.empty());
  EXPECT_EQ(doc.КНД, "1151111&amp;");
  EXPECT_EQ(doc.Период, "&quot;21");
  EXPECT_EQ(doc.ДатаДок, "01.02&2017");
  EXPECT_EQ(doc.КодНО, "<7715");
  EXPECT_EQ(doc.ОКВЭД, "62.01\"");
  ASSERT_TRUE(doc.НПЮЛ);
  EXPECT_EQ(doc.НПЮЛ->НаимОрг, "ООО \"Ромашка\"");
}

}  // namespace
}  // namespace orsvelt
