// The document "Документ": its title page, the payer of "СвНП", and a whole report read
// through the file root.

#include "model/rsv502/document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/rsv505/document.h"
#include "model/rsvnalog.h"
#include "support/test_support.h"
#include "xml/codepage.h"
#include "xml_fixture.h"

namespace orsvelt {
namespace {

using test::LoadFrom;
using Messages = std::vector<std::string>;

constexpr const char* kOrg = "<НПЮЛ НаимОрг=\"ООО\" ИННЮЛ=\"7715670503\" КПП=\"770201001\"/>";

std::string Doc(const std::string& attrs, const std::string& body) {
  return "<Документ " + attrs + ">" + body + "</Документ>";
}

TEST(Document, NumbersThatDoNotConvertStayMinusOneSilently) {
  const auto bad = LoadFrom<TRSV502Document>(
      Doc("НомКорр=\"первая\" ОтчетГод=\"\" Лишний=\"1\"", "<СвНП ОКВЭД=\"1\">" + std::string(kOrg) + "</СвНП>"));
  EXPECT_TRUE(bad.Errors.empty());
  EXPECT_EQ(bad.НомКорр, -1);
  EXPECT_EQ(bad.ОтчетГод, -1);

  const auto good = LoadFrom<TRSV502Document>(Doc(
      "КНД=\"1151111\" НомКорр=\"2\" Период=\"21\" ОтчетГод=\"2017\" ПоМесту=\"214\"", "<Подписант ПрПодп=\"1\"/>"));
  EXPECT_TRUE(good.Errors.empty());
  EXPECT_EQ(good.НомКорр, 2);
  EXPECT_EQ(good.ОтчетГод, 2017);
  EXPECT_EQ(good.Период, "21");
  EXPECT_EQ(good.ПоМесту, "214");
  ASSERT_TRUE(good.Подписант);
  EXPECT_EQ(good.Подписант->ПрПодп, 1);
}

TEST(Document, WithoutAttributesOrChildrenNothingIsRead) {
  EXPECT_EQ(LoadFrom<TRSV502Document>("<Документ><РасчетСВ/></Документ>").Errors,
            Messages{" P: Тэг Документ не содержит атрибутов. Чтение невозможно."});
  const auto empty = LoadFrom<TRSV502Document>("<Документ НомКорр=\"0\"/>");
  EXPECT_EQ(empty.Errors, Messages{" P: Тэг Документ не содержит дочерних тэгов. Чтение невозможно."});
  EXPECT_EQ(empty.НомКорр, -1);
}

TEST(Document, PayerRules) {
  const std::string one =
      " P - СвНП: Тэг должен содержать только один дочерний элемент. Проверьте заполнение "
      "реквизитов налогоплательщика на титульном листе формы.";
  const auto both =
      LoadFrom<TRSV502Document>(Doc("НомКорр=\"0\"", "<СвНП ОКВЭД=\"62.01\" Тлф=\"123\">" + std::string(kOrg) +
                                                         "<НПФЛ><ИННФЛ>1</ИННФЛ></НПФЛ></СвНП>"));
  EXPECT_EQ(both.Errors, Messages{one});
  EXPECT_FALSE(both.НПЮЛ);
  EXPECT_FALSE(both.НПФЛ);
  EXPECT_EQ(both.ОКВЭД, "62.01");
  EXPECT_EQ(both.Тлф, "123");

  EXPECT_EQ(LoadFrom<TRSV502Document>(Doc("НомКорр=\"0\"", "<СвНП ОКВЭД=\"1\"/>")).Errors, Messages{one});

  // Without attributes the payer is still read; its own texts carry its path.
  const auto bare =
      LoadFrom<TRSV502Document>(Doc("НомКорр=\"0\"", "<СвНП><НПЮЛ НаимОрг=\"ООО\" ИННЮЛ=\"1\"/></СвНП><Приложение/>"));
  EXPECT_EQ(bare.Errors, (Messages{" P - СвНП: Тэг должен иметь хотя бы один атрибут. Проверьте заполнение "
                                   "реквизита \"Код по ОКВЭД\" на титульном листе формы.",
                                   " P - СвНП - НПЮЛ: В тэге \"Сведения о юридическом лице\" должно быть ровно 3 "
                                   "атрибута.",
                                   " P: Неизвестный дочерний элемент - Приложение"}));
  EXPECT_TRUE(bare.НПЮЛ);

  const auto person = LoadFrom<TRSV502Document>(
      Doc("НомКорр=\"0\"", "<СвНП Тлф=\"1\"><НПФЛ><ФИО Фамилия=\"А\"/><ИННФЛ> 500100732259 </ИННФЛ></НПФЛ></СвНП>"));
  EXPECT_TRUE(person.Errors.empty());
  ASSERT_TRUE(person.НПФЛ);
  EXPECT_EQ(person.НПФЛ->ИННФЛ, "500100732259");

  EXPECT_EQ(LoadFrom<TRSV502Document>(Doc("НомКорр=\"0\"", "<СвНП ОКВЭД=\"1\"><НПИП ИННФЛ=\"1\"/></СвНП>")).Errors,
            Messages{" P - СвНП: Неизвестное имя дочернего элемента - НПИП"});
}

TEST(Document, TotalsOfStudentTariffAreASumSet) {
  const auto doc = LoadFrom<TRSV502Document>(
      Doc("НомКорр=\"0\"",
          "<РасчетСВ><ОбязПлатСВ ТипПлат=\"1\"><СвПримТариф1.3.422><ВыплатИт СумВсегоПер=\"100.50\" "
          "Сум1Посл3М=\"0.50\" Сум2Посл3М=\"50\" Сум3Посл3М=\"50\"/></СвПримТариф1.3.422>"
          "</ОбязПлатСВ></РасчетСВ>"));
  EXPECT_TRUE(doc.Errors.empty());
  ASSERT_TRUE(doc.РасчетСВ && doc.РасчетСВ->ОбязПлатСВ && doc.РасчетСВ->ОбязПлатСВ->СвПримТариф1_3_422);
  const auto& it = doc.РасчетСВ->ОбязПлатСВ->СвПримТариф1_3_422->ВыплатИт;
  ASSERT_TRUE(it);
  EXPECT_EQ(it->СумВсегоПер, 1005000);
  EXPECT_EQ(it->Сум1Посл3М, 5000);
}

// A small but complete report as a filing program writes it, in Windows-1251.
constexpr const char* kReport = R"(<?xml version="1.0" encoding="windows-1251"?>
<Файл ИдФайл="NO_RASCHSV_7715_7715_7715670503770201001_20170412_1" ВерсПрог="1С" ВерсФорм="5.02">
  <Документ КНД="1151111" ДатаДок="12.04.2017" НомКорр="0" Период="21" ОтчетГод="2017" КодНО="7715" ПоМесту="214">
    <СвНП ОКВЭД="62.01" Тлф="84951234567">
      <НПЮЛ НаимОрг="ООО &quot;РОМАШКА&quot;" ИННЮЛ="7715670503" КПП="770201001"/>
    </СвНП>
    <Подписант ПрПодп="1"><ФИО Фамилия="Петров" Имя="Пётр" Отчество="Петрович"/></Подписант>
    <РасчетСВ>
      <ОбязПлатСВ ТипПлат="1" ОКТМО="45380000">
        <УплПерОПС КБК="18210202010061010160" СумСВУплПер="6600.00" СумСВУпл1М="2200.00" СумСВУпл2М="2200.00" СумСВУпл3М="2200.00"/>
        <РасчСВ_ОПС_ОМС ТарифПлат="01">
          <РасчСВ_ОПС>
            <КолСтрахЛицВс КолВсегоПер="1" Кол1Посл3М="1" Кол2Посл3М="1" Кол3Посл3М="1"/>
            <ВыплНачислФЛ СумВсегоПер="30000.00" Сум1Посл3М="10000.00" Сум2Посл3М="10000.00" Сум3Посл3М="10000.00"/>
            <НачислСВ СумВсегоПер="6600.00" Сум1Посл3М="2200.00" Сум2Посл3М="2200.00" Сум3Посл3М="2200.00"/>
          </РасчСВ_ОПС>
        </РасчСВ_ОПС_ОМС>
        <РасчСВ_ОСС.ВНМ>
          <РасчСВ_ОСС.ВНМКод ТарифПлат="01" ПризВыпл="1">
            <НачислСВ СумВсегоПер="870.00" Сум1Посл3М="290.00" Сум2Посл3М="290.00" Сум3Посл3М="290.00"/>
          </РасчСВ_ОСС.ВНМКод>
        </РасчСВ_ОСС.ВНМ>
        <ПравТариф7.1.427 ДохВсПред="5000000000" ДохВсПер="1500000000" ДолДохПред="90.00" ДолДохПер="91.50"/>
      </ОбязПлатСВ>
      <ПерсСвСтрахЛиц>
        <ДанФЛПолуч ИННФЛ="500100732259" СНИЛС="112-233-445 95" ДатаРожд="01.01.1980" Гражд="643" Пол="1" КодВидДок="21" СерНомДок="45 00 123456">
          <ФИО Фамилия="Иванова" Имя="Анна" Отчество="Сергеевна"/>
        </ДанФЛПолуч>
        <СвВыплСВОПС>
          <СвВыпл>
            <СвВыплМК Месяц="1" КодКатЛиц="НР" СумВыпл="10000.00" ВыплОПС="10000.00" ВыплОПСДог="0" НачислСВ="2200.00"/>
            <СвВыплМК Месяц="2" КодКатЛиц="НР" СумВыпл="10000.00" ВыплОПС="10000.00" ВыплОПСДог="0" НачислСВ="2200.00"/>
            <СвВыплМК Месяц="3" КодКатЛиц="НР" СумВыпл="10000.00" ВыплОПС="10000.00" ВыплОПСДог="0" НачислСВ="2200.00"/>
          </СвВыпл>
          <ВыплСВДоп>
            <ВыплСВДопМТ Месяц="3" КодСтрахЛиц="21" ВыплСВ="500.00" НачислСВ="45.00"/>
          </ВыплСВДоп>
        </СвВыплСВОПС>
      </ПерсСвСтрахЛиц>
    </РасчетСВ>
  </Документ>
</Файл>
)";

TEST(Document, WholeReportThroughTheFileRoot) {
  TXMLFile xml;
  xml.LoadFromBytes(Utf8ToCp1251(kReport));
  ASSERT_TRUE(xml.Parse()) << xml.ErrorText();
  TRSVFile file;
  EXPECT_TRUE(file.Load(xml.Root(), ""));
  EXPECT_TRUE(file.Errors.empty()) << file.Errors.front();
  ASSERT_TRUE(file.Document502);
  const TRSV502Document& doc = *file.Document502;
  EXPECT_EQ(doc.НомКорр, 0);
  EXPECT_EQ(doc.ОтчетГод, 2017);
  EXPECT_EQ(doc.Период, "21");
  ASSERT_TRUE(doc.НПЮЛ);
  EXPECT_EQ(doc.НПЮЛ->НаимОрг, "ООО \"РОМАШКА\"");
  ASSERT_TRUE(doc.Подписант && doc.Подписант->ФИО);
  EXPECT_EQ(doc.Подписант->ФИО->Имя, "Пётр");

  ASSERT_TRUE(doc.РасчетСВ && doc.РасчетСВ->ОбязПлатСВ);
  const TRSV502ObyazPlatSV& obyaz = *doc.РасчетСВ->ОбязПлатСВ;
  ASSERT_TRUE(obyaz.УплПерОПС);
  EXPECT_EQ(obyaz.УплПерОПС->СумСВУплПер, 66000000);
  ASSERT_EQ(obyaz.РасчСВ_ОПС_ОМС.size(), 1u);
  ASSERT_TRUE(obyaz.РасчСВ_ОПС_ОМС[0].РасчСВ_ОПС && obyaz.РасчСВ_ОПС_ОМС[0].РасчСВ_ОПС->КолСтрахЛицВс);
  EXPECT_EQ(obyaz.РасчСВ_ОПС_ОМС[0].РасчСВ_ОПС->КолСтрахЛицВс->Кол3Посл3М, 1);
  ASSERT_TRUE(obyaz.РасчСВ_ОСС_ВНМ);
  ASSERT_EQ(obyaz.РасчСВ_ОСС_ВНМ->РасчСВ_ОСС_ВНМКод.size(), 1u);
  EXPECT_EQ(obyaz.РасчСВ_ОСС_ВНМ->РасчСВ_ОСС_ВНМКод[0].ПризВыпл, "1");
  ASSERT_TRUE(obyaz.ПравТариф7_1_427);
  EXPECT_EQ(obyaz.ПравТариф7_1_427->ДохВсПред, 5000000000);

  ASSERT_EQ(doc.РасчетСВ->ПерсСвСтрахЛиц.size(), 1u);
  const TRSV502PersSvStrakhLic& p = doc.РасчетСВ->ПерсСвСтрахЛиц[0];
  ASSERT_TRUE(p.ДанФЛПолуч && p.ДанФЛПолуч->ФИО);
  EXPECT_EQ(p.ДанФЛПолуч->СНИЛС, "112-233-445 95");
  EXPECT_EQ(p.ДанФЛПолуч->СерНомДок, "45 00 123456");
  EXPECT_EQ(p.ДанФЛПолуч->ФИО->Фамилия, "Иванова");
  ASSERT_TRUE(p.СвВыплСВОПС && p.СвВыплСВОПС->СвВыпл && p.СвВыплСВОПС->ВыплСВДоп);
  const auto& months = p.СвВыплСВОПС->СвВыпл->СвВыплМК;
  ASSERT_EQ(months.size(), 3u);
  for (int m = 0; m < 3; ++m) {
    EXPECT_EQ(months[m].Месяц, m + 1);
    EXPECT_EQ(months[m].КодКатЛиц, "НР");
    EXPECT_EQ(months[m].СумВыпл, 100000000);
    EXPECT_EQ(months[m].НачислСВ, 22000000);
  }
  ASSERT_EQ(p.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ.size(), 1u);
  EXPECT_EQ(p.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ[0].КодСтрахЛиц, "21");
  EXPECT_EQ(p.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ[0].НачислСВ, 450000);
}

// Reports of later formats differ in many elements: read as 5.02 they must give texts,
// never a crash, and still yield their persons.
TEST(Document, LaterFormatsReadAsThisOneOnlyGiveMessages) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto folder = test::ReferenceDir() / "samples" / "later";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no later samples";
  std::size_t persons = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    SCOPED_TRACE(entry.path().filename().string());
    TXMLFile xml;
    ASSERT_TRUE(xml.LoadFromFile(entry.path()));
    if (!xml.Parse()) continue;
    for (const TXMLElement child : xml.Root().Children()) {
      if (child.Name() != "Документ") continue;
      TRSV502Document doc;
      const bool ok = doc.Load(child, " - Документ [1]");
      EXPECT_EQ(ok, doc.Errors.empty());
      EXPECT_FALSE(doc.Errors.empty());
      if (doc.РасчетСВ) persons += doc.РасчетСВ->ПерсСвСтрахЛиц.size();
    }
  }
  EXPECT_GT(persons, 0u);
}

}  // namespace
}  // namespace orsvelt

namespace orsvelt {
namespace {

// One person with a message of its own, so that the hand-off is seen to leave messages alone.
std::string Person(const std::string& surname) {
  return "<ПерсСвСтрахЛиц Лишний=\"1\"><ДанФЛПолуч СНИЛС=\"112-233-445 95\"><ФИО Фамилия=\"" + surname +
         "\" Имя=\"И\"/></ДанФЛПолуч><СвВыплСВОПС><СвВыпл><СвВыплМК Месяц=\"2\" КодКатЛиц=\"НР\" СумВыпл=\"1\"/>"
         "</СвВыпл></СвВыплСВОПС></ПерсСвСтрахЛиц>";
}

template <class Calculation>
Calculation LoadCalculation(const std::string& xml, Edition edition) {
  test::XmlFixture fixture(xml);
  Calculation calc;
  calc.edition = edition;
  calc.Load(fixture.Root(), " P");
  return calc;
}

// The calculations of 5.02 and of 2023 on hand each person over as it is read, in order and
// whole; a refused person stays, and the messages and their person numbers are those of a
// plain reading.
template <class Calculation>
void ExpectPersonsHandedOver(Edition edition) {
  const std::string xml = "<РасчетСВ>" + Person("А") + Person("Б") + Person("В") + "</РасчетСВ>";
  const Calculation plain = LoadCalculation<Calculation>(xml, edition);
  std::vector<std::string> handed;
  int restarts = 0;
  const TRSV502PersonHandOff handOff([&] { ++restarts; },
                                     [&](const TRSV502PersSvStrakhLic& p) {
                                       handed.push_back(p.ДанФЛПолуч->ФИО->Фамилия + "/" +
                                                        p.СвВыплСВОПС->СвВыпл->СвВыплМК[0].КодКатЛиц);
                                       return p.ДанФЛПолуч->ФИО->Фамилия != "Б";
                                     });
  const Calculation calc = LoadCalculation<Calculation>(xml, edition);
  EXPECT_EQ(handed, (std::vector<std::string>{"А/НР", "Б/НР", "В/НР"}));
  EXPECT_EQ(restarts, 1);
  ASSERT_EQ(calc.ПерсСвСтрахЛиц.size(), 1u);
  EXPECT_EQ(calc.ПерсСвСтрахЛиц[0].ДанФЛПолуч->ФИО->Фамилия, "Б");
  EXPECT_EQ(calc.Errors, plain.Errors);
  EXPECT_EQ(calc.Errors.size(), 3u);
}

TEST(PersonHandOff502, TakesThePersonsOfEveryCalculationAsTheyAreRead) {
  ExpectPersonsHandedOver<TRSV502RaschetSV>(Edition::V502);
  ExpectPersonsHandedOver<TRSV505RaschetSV>(Edition::V505);
}

// A document read again says so, and so does its calculation; without a hand-off nothing is taken.
TEST(PersonHandOff502, ADocumentReadAgainRestartsAndNoHandOffTakesNothing) {
  const std::string body = "<РасчетСВ>" + Person("А") + "</РасчетСВ>";
  EXPECT_EQ(LoadFrom<TRSV502Document>(Doc("Период=\"21\"", body)).РасчетСВ->ПерсСвСтрахЛиц.size(), 1u);
  int restarts = 0;
  const TRSV502PersonHandOff handOff([&] { ++restarts; }, [](const TRSV502PersSvStrakhLic&) { return true; });
  {
    const TRSV502PersonHandOff inner([&] { restarts += 10; }, [](const TRSV502PersSvStrakhLic&) { return false; });
    EXPECT_EQ(TRSV502PersonHandOff::Current(), &inner);
    EXPECT_EQ(LoadFrom<TRSV502Document>(Doc("Период=\"21\"", body)).РасчетСВ->ПерсСвСтрахЛиц.size(), 1u);
  }
  EXPECT_EQ(TRSV502PersonHandOff::Current(), &handOff);
  EXPECT_EQ(restarts, 20);  // the inner one heard the document and its calculation
  test::XmlFixture fixture("<Документ Период=\"21\">" + body + "</Документ>");
  TRSV505Document doc;
  doc.edition = Edition::V508;
  doc.Load(fixture.Root(), " P");
  EXPECT_EQ(restarts, 22);
  ASSERT_TRUE(doc.РасчетСВ);
  EXPECT_TRUE(doc.РасчетСВ->ПерсСвСтрахЛиц.empty());
}

}  // namespace
}  // namespace orsvelt
