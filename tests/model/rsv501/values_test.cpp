// Attribute values: the number syntax, what a field keeps after a bad value, the three
// wordings, 64-bit incomes and entity decoding.

#include <cstdint>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "load_helpers.h"
#include "model/rsv501/document.h"

namespace orsvelt {
namespace {

using test501::LoadFrom;

TEST(Values501, IntegerSyntax) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"12", 12},         {"  7", 7},        {"+5", 5},           {"-3", -3},
      {"2147483647", 2147483647},            {"-2147483648", -2147483647 - 1},
      {"2147483648", {}}, {"", {}},          {"3.5", {}},         {"12a", {}},
      {"7 ", {}},         {"1e2", {}},       {"- 1", {}},
  };
  for (const auto& c : cases) {
    const auto lic = LoadFrom<TRSV501ColLic>(std::string("<КолСтрахЛицВс КолВсегоПер=\"") + c.text + "\"/>");
    if (c.value) {
      EXPECT_TRUE(lic.Errors.empty()) << c.text;
      EXPECT_EQ(lic.КолВсегоПер, *c.value) << c.text;
    } else {
      EXPECT_EQ(lic.Errors, (Messages{"P - @КолВсегоПер: Значение не является числом."})) << c.text;
      EXPECT_EQ(lic.КолВсегоПер, 0) << c.text;
    }
  }
}

TEST(Values501, AmountSyntax) {
  const struct {
    const char* text;
    std::optional<Amount> value;
  } cases[] = {
      {"12.34", 123400},
      {" -0.5", -5000},
      {"+3", 30000},
      {"1e2", 1000000},
      {"2.5E-1", 2500},
      {"0.00005", 0},  // halves to even
      {"0.00015", 2},
      {"922337203685477.5807", INT64_MAX},
      {"1,5", {}},
      {"", {}},
      {"1 000", {}},
      {".", {}},
      {"1e", {}},
      {"922337203685478", {}},  // does not fit the amount type
      {"1e400", {}},
  };
  for (const auto& c : cases) {
    const auto mk = LoadFrom<TRSV501SvVyplMK>(std::string("<СвВыплМК СумВыпл=\"") + c.text + "\"/>");
    if (c.value) {
      EXPECT_TRUE(mk.Errors.empty()) << c.text;
      EXPECT_EQ(mk.СумВыпл, *c.value) << c.text;
    } else {
      EXPECT_EQ(mk.Errors, (Messages{"P - @СумВыпл: Значение должно быть суммой."})) << c.text;
      EXPECT_EQ(mk.СумВыпл, 0) << c.text;
    }
  }
}

// The wording of a value message depends on the class, not on the attribute.
TEST(Values501, Wordings) {
  struct Case {
    Messages (*load)(std::string_view);
    const char* xml;
    Messages expected;
  };
  const Case cases[] = {
      // VD
      {test501::ErrorsOf<TRSV501PersSvSL>, "<ПерсСвСтрахЛиц НомКорр=\"abc\" Номер=\"1.5\"><Х/></ПерсСвСтрахЛиц>",
       {"P - @НомКорр: Значение должно быть числом.", "P - @Номер: Значение должно быть числом.",
        "P: Неизвестный дочерний тэг с именем Х"}},
      {test501::ErrorsOf<TRSV501SvedChlKFH>, "<СведЧлКФХ ГодРожд=\"x\" НачислСВОПС=\"y\"><ФИО Имя=\"И\"/></СведЧлКФХ>",
       {"P - @ГодРожд: Значение должно быть числом.", "P - @НачислСВОПС: Значение должно быть суммой."}},
      {test501::ErrorsOf<TRSV501Itogo>, "<Итого СВВнФУходИнв=\"x\"><Всего ЧислПолуч=\"1\"/></Итого>",
       {"P - @СВВнФУходИнв: Значение должно быть суммой."}},
      // VN
      {test501::ErrorsOf<TRSV501VyplSvDopMT>, "<ВыплСВДопМТ ВыплСВ=\"x\"/>", {"P - @ВыплСВ: Значение не является суммой."}},
      {test501::ErrorsOf<TRSV501RashOSS1Type>, "<ПосВрНетр ЧислСлуч=\"x\" РасхВсего=\"1,0\"/>",
       {"P - @ЧислСлуч: Значение не является числом.", "P - @РасхВсего: Значение не является суммой."}},
      {test501::ErrorsOf<TRSV501UplSVprevType>, "<УплВсегоПер Признак=\"1\" Сумма=\"x\"/>",
       {"P - @Сумма: Значение не является суммой."}},
      // VD*: shares are amounts but speak of numbers
      {test501::ErrorsOf<TRSV501PravTarif7_1_427>, "<ПравТариф7.1.427 ДолДохПред=\"abc\" ДохВсПред=\"100000.50\"/>",
       {"P - @ДолДохПред: Значение должно быть числом.", "P - @ДохВсПред: Значение должно быть числом."}},
      {test501::ErrorsOf<TRSV501PravTarif5_1_427>, "<ПравТариф5.1.427 ДолДох6.427=\"x\"/>",
       {"P - @ДолДох6.427: Значение должно быть числом."}},
      {test501::ErrorsOf<TRSV501PravTarif3_1_427>,
       "<ПравТариф3.1.427 СрЧисл_Пер=\"2147483648\" ДолДох5.427_Пер=\"1,1\"><СвРеестрАкОрг НомЗапАкОрг=\"1\"/></ПравТариф3.1.427>",
       {"P - @СрЧисл_Пер: Значение должно быть числом.", "P - @ДолДох5.427_Пер: Значение должно быть числом."}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.load(c.xml), c.expected) << c.xml;
}

TEST(Values501, SharesAreAmounts) {
  const auto t = LoadFrom<TRSV501PravTarif7_1_427>("<ПравТариф7.1.427 ДолДохПред=\"85.5\" ДолДохПер=\"100\"/>");
  EXPECT_TRUE(t.Errors.empty());
  EXPECT_EQ(t.ДолДохПред, 855000);
  EXPECT_EQ(t.ДолДохПер, 1000000);
}

// Yearly incomes of organisations exceed 32 bits; whole roubles only.
TEST(Values501, IncomesAre64Bit) {
  const auto t7 = LoadFrom<TRSV501PravTarif7_1_427>(
      "<ПравТариф7.1.427 ДохВсПред=\"123456789123456\" ДохВсПер=\"3000000000\" ДохГрантПер=\"-1\""
      " ДохЭкДеятПер=\"9223372036854775808\"/>");
  EXPECT_EQ(t7.Errors, (Messages{"P - @ДохЭкДеятПер: Значение должно быть числом."}));
  EXPECT_EQ(t7.ДохВсПред, 123456789123456);
  EXPECT_EQ(t7.ДохВсПер, 3000000000);
  EXPECT_EQ(t7.ДохГрантПер, -1);
  EXPECT_EQ(t7.ДохЭкДеятПер, 0);

  const auto t5 = LoadFrom<TRSV501PravTarif5_1_427>("<ПравТариф5.1.427 Дох346.15Вс=\"5000000000\" Дох6.427=\"4000000000\"/>");
  EXPECT_TRUE(t5.Errors.empty());
  EXPECT_EQ(t5.Дох346_15Вс, 5000000000);
  EXPECT_EQ(t5.Дох6_427, 4000000000);

  const auto t3 = LoadFrom<TRSV501PravTarif3_1_427>(
      "<ПравТариф3.1.427 Дох248_9МПр=\"2147483648\" Дох248_Пер=\"1\" ДохКр5.427_9МПр=\"7000000000\""
      " ДохКр5.427_Пер=\"8000000000\"><СвРеестрАкОрг ДатаЗапАкОрг=\"01.01.2017\"/></ПравТариф3.1.427>");
  EXPECT_TRUE(t3.Errors.empty());
  EXPECT_EQ(t3.Дох248_9МПр, 2147483648);
  EXPECT_EQ(t3.ДохКр5_427_9МПр, 7000000000);
  EXPECT_EQ(t3.ДохКр5_427_Пер, 8000000000);
  ASSERT_TRUE(t3.СвРеестрАкОрг);
  EXPECT_EQ(t3.СвРеестрАкОрг->ДатаЗапАкОрг, "01.01.2017");
}

// A repeated attribute is handled twice: the last value that converts wins, and each
// bad one is reported.
TEST(Values501, RepeatedAttributeKeepsTheLastGoodValue) {
  const auto mk = LoadFrom<TRSV501SvVyplMK>("<СвВыплМК СумВыпл=\"1\" СумВыпл=\"x\" ВыплОПС=\"1\" ВыплОПС=\"2\"/>");
  EXPECT_EQ(mk.Errors, (Messages{"P - @СумВыпл: Значение должно быть суммой."}));
  EXPECT_EQ(mk.СумВыпл, 10000);
  EXPECT_EQ(mk.ВыплОПС, 20000);
  // The two spellings of one total fill one field.
  const auto dop = LoadFrom<TRSV501SvVyplFPDop>(
      "<ВыплСВДоп ВыплСВВсЗ=\"1\" ВыплСВВс3=\"x\" НачислСВВсЗ=\"2\" НачислСВВс3=\"3\"><ВыплСВДопМТ Месяц=\"01\"/></ВыплСВДоп>");
  EXPECT_EQ(dop.Errors, (Messages{"P - @ВыплСВВс3: Значение должно быть суммой."}));
  EXPECT_EQ(dop.ВыплСВВсЗ, 10000);
  EXPECT_EQ(dop.НачислСВВсЗ, 30000);
}

// Both spellings of the totals of additional tariffs are read: the digit 3 of real files
// and the schema, and the Cyrillic letter.
TEST(Values501, AdditionalTariffTotalsInBothSpellings) {
  for (const char* suffix : {"3", "З"}) {
    const std::string xml = std::string("<ВыплСВДоп ВыплСВВс") + suffix + "=\"36000.00\" НачислСВВс" + suffix +
                            "=\"2160.00\"><ВыплСВДопМТ Месяц=\"01\" Тариф=\"21\" ВыплСВ=\"36000\" "
                            "НачислСВ=\"2160\"/></ВыплСВДоп>";
    const auto dop = LoadFrom<TRSV501SvVyplFPDop>(xml);
    EXPECT_TRUE(dop.Errors.empty()) << suffix;
    EXPECT_EQ(dop.ВыплСВВсЗ, 360000000) << suffix;
    EXPECT_EQ(dop.НачислСВВсЗ, 21600000) << suffix;
    ASSERT_EQ(dop.ВыплСВДопМТ.size(), 1u);
    EXPECT_EQ(dop.ВыплСВДопМТ[0].Тариф, "21");
  }
  // "СвВыпл" knows only the digit.
  EXPECT_EQ(test501::ErrorsOf<TRSV501SvVyplVpFL>("<СвВыпл СумВыплВсЗ=\"1\"><СвВыплМК Месяц=\"1\"/></СвВыпл>"),
            (Messages{"P: Неизвестный атрибут с именем СумВыплВсЗ"}));
}

TEST(Values501, TextsAreDecodedExceptTheDocumentCodes) {
  const auto ino = LoadFrom<TRSV501SvInoGrazhd>(
      "<СвИноГражд Гражд=\"&quot;X&quot; &amp; Y\"><ФИО Фамилия=\"&lt;Ф&gt;\"/></СвИноГражд>");
  EXPECT_EQ(ino.Гражд, "\"X\" & Y");
  ASSERT_TRUE(ino.ФИО);
  EXPECT_EQ(ino.ФИО->Фамилия, "<Ф>");

  const auto doc = LoadFrom<TRSV501Document>(
      "<Документ КНД=\"11&amp;51\" Период=\"&quot;21\" КодНО=\"77&amp;15\"><Х/></Документ>");
  EXPECT_EQ(doc.КНД, "11&amp;51");
  EXPECT_EQ(doc.Период, "&quot;21");
  EXPECT_EQ(doc.КодНО, "77&15");
}

}  // namespace
}  // namespace orsvelt
