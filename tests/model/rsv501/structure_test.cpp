// The tree: the paths of children in their three bracket styles, the document and its
// title page, replaced children, and the way messages travel up to the file root.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "load_helpers.h"
#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

using test501::ErrorsOf;
using test501::LoadFrom;

// A whole file of format 5.01 around the given content of "Документ".
TRSVFile LoadFile(const std::string& documentContent, const std::string& documentAttrs = "КНД=\"1151111\"") {
  TXMLFile xml;
  xml.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Файл ИдФайл=\"x\" ВерсПрог=\"1\" ВерсФорм=\"5.01\">"
                    "<Документ " + documentAttrs + ">" + documentContent + "</Документ></Файл>");
  TRSVFile file;
  EXPECT_TRUE(xml.Parse()) << xml.ErrorText();
  file.Load(xml.Root(), "");
  return file;
}

const char* const kPerson =
    "<ПерсСвСтрахЛиц НомКорр=\"0\" Номер=\"1\"><ДанФЛПолуч СНИЛС=\"1\"><ФИО Фамилия=\"Ф\"/></ДанФЛПолуч>"
    "<СвВыплСВОПС><СвВыпл СумВыплВс3=\"1\"><СвВыплМК Месяц=\"01\"/><СвВыплМК Месяц=\"02\"/>"
    "<СвВыплМК Месяц=\"03\" СумВыпл=\"1,5\"/></СвВыпл></СвВыплСВОПС></ПерсСвСтрахЛиц>";

TEST(Structure501, FullPathOfADeepMessage) {
  const std::string content = std::string("<РасчетСВ><ОбязПлатСВ ОКТМО=\"1\"><УплПерОПС КБК=\"1\"/></ОбязПлатСВ>") +
                              kPerson + kPerson + kPerson + "</РасчетСВ>";
  const TRSVFile file = LoadFile(content);
  ASSERT_TRUE(file.Document501);
  EXPECT_EQ(file.Errors, (Messages{
                             " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (1) - СвВыплСВОПС[1] - СвВыпл[0] - "
                             "СвВыплМК[2] - @СумВыпл: Значение должно быть суммой.",
                             " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (2) - СвВыплСВОПС[1] - СвВыпл[0] - "
                             "СвВыплМК[2] - @СумВыпл: Значение должно быть суммой.",
                             " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (3) - СвВыплСВОПС[1] - СвВыпл[0] - "
                             "СвВыплМК[2] - @СумВыпл: Значение должно быть суммой.",
                         }));
  // Every level keeps the messages of its descendants, and a faulty child stays in the tree.
  const TRSV501RaschetSV& calc = *file.Document501->РасчетСВ;
  EXPECT_EQ(calc.Errors.size(), 3u);
  ASSERT_EQ(calc.ПерсСвСтрахЛиц.size(), 3u);
  const TRSV501PersSvSL& p = calc.ПерсСвСтрахЛиц[2];
  EXPECT_EQ(p.Errors.size(), 1u);
  ASSERT_TRUE(p.СвВыплСВОПС && p.СвВыплСВОПС->СвВыпл);
  ASSERT_EQ(p.СвВыплСВОПС->СвВыпл->СвВыплМК.size(), 3u);
  EXPECT_EQ(p.СвВыплСВОПС->СвВыпл->СвВыплМК[2].Месяц, "03");
  EXPECT_EQ(p.ДанФЛПолуч->ФИО->Фамилия, "Ф");
}

// A hand-off takes the persons as they are read: in order, whole, with their messages left
// in the tree's lists as before; a refused person stays in the list.
TEST(Structure501, PersonHandOffTakesPersonsAsTheyAreRead) {
  const std::string content =
      std::string("<РасчетСВ>") + kPerson + kPerson + kPerson + "</РасчетСВ>";
  const TRSVFile plain = LoadFile(content);
  std::vector<std::string> handed;
  int restarts = 0;
  TRSVFile file;
  {
    const TRSV501PersonHandOff handOff([&] { ++restarts; },
                                       [&](const TRSV501PersSvSL& p) {
                                         handed.push_back(p.ДанФЛПолуч->ФИО->Фамилия + "/" +
                                                          p.СвВыплСВОПС->СвВыпл->СвВыплМК[2].Месяц);
                                         return handed.size() != 2;
                                       });
    EXPECT_EQ(TRSV501PersonHandOff::Current(), &handOff);
    file = LoadFile(content);
  }
  EXPECT_EQ(TRSV501PersonHandOff::Current(), nullptr);
  EXPECT_EQ(handed, (std::vector<std::string>{"Ф/03", "Ф/03", "Ф/03"}));
  EXPECT_EQ(restarts, 2);  // the document, then its calculation
  EXPECT_EQ(file.Errors, plain.Errors);
  ASSERT_TRUE(file.Document501 && file.Document501->РасчетСВ);
  EXPECT_EQ(file.Document501->РасчетСВ->ПерсСвСтрахЛиц.size(), 1u);  // the refused second one
  EXPECT_EQ(file.Document501->РасчетСВ->Errors.size(), 3u);

  // A repeated calculation replaces the first: the persons handed from it are gone too.
  restarts = 0;
  handed.clear();
  const TRSV501PersonHandOff handOff([&] { ++restarts, handed.clear(); },
                                     [&](const TRSV501PersSvSL&) { return handed.emplace_back(), true; });
  LoadFile(std::string("<РасчетСВ>") + kPerson + kPerson + "</РасчетСВ><РасчетСВ>" + kPerson + "</РасчетСВ>");
  EXPECT_EQ(restarts, 3);
  EXPECT_EQ(handed.size(), 1u);
}

TEST(Structure501, SectionOneListsCountFromOneWithABlank) {
  const Messages m = ErrorsOf<TRSV501ObyazPlatSV>(
      "<ОбязПлатСВ ОКТМО=\"1\"><УплПерОПС/><РасчСВ_ОПС_ОМС/><РасчСВ_ОПС_ОМС/><УплПерОПСДоп/><УплПерДСО/>"
      "<УплПревОСС/><РасчСВ_ОСС.ВНМ/><ПравТариф5.1.427/><СвПримТариф1.3.422/></ОбязПлатСВ>");
  EXPECT_EQ(m, (Messages{
                   "P - УплПерОПС: Тэг должен содержать атрибуты.",
                   "P - РасчСВ_ОПС_ОМС [2]: Тэг РасчСВ_ОПС_ОМС должен содержать атрибуты.",
                   "P - РасчСВ_ОПС_ОМС [2]: Тэг РасчСВ_ОПС_ОМС должен содержать дочерние тэги.",
                   "P - РасчСВ_ОПС_ОМС [3]: Тэг РасчСВ_ОПС_ОМС должен содержать атрибуты.",
                   "P - РасчСВ_ОПС_ОМС [3]: Тэг РасчСВ_ОПС_ОМС должен содержать дочерние тэги.",
                   "P - УплПерОПСДоп [4]: Тэг должен содержать атрибуты.",
                   "P - УплПерДСО [5]: Тэг должен содержать атрибуты.",
                   "P - УплПревОСС: Тэг УплПревОСС должен содержать атрибуты.",
                   "P - РасчСВ_ОСС.ВНМ: Тэг должен содержать атрибуты.",
                   "P - РасчСВ_ОСС.ВНМ: Тэг должен содержать дочерние тэги.",
                   "P - ПравТариф5.1.427: Тэг должен содержать атрибуты.",
                   "P - СвПримТариф1.3.422: Тэг должен содержать дочерние тэги.",
               }));
}

TEST(Structure501, SectionOneFillsEveryField) {
  const auto s = LoadFrom<TRSV501ObyazPlatSV>(
      "<ОбязПлатСВ ОКТМО=\"45\"><УплПерОПС КБК=\"1\" СумСВУплПер=\"1\"/><УплПерОМС КБК=\"2\"/>"
      "<УплПерОПСДоп КБК=\"3\"/><УплПерОПСДоп КБК=\"4\"/><УплПерДСО КБК=\"5\"/>"
      "<УплПревОСС КБК=\"6\"><УплПерОСС СумСВУплПер=\"2\"/><ПревРасхОСС ПревРасхСВПер=\"3\"/></УплПревОСС>"
      "<РасчСВ_ОПС_ОМС ТарифПлат=\"01\"><РасчСВ_ОПС><ПревБазОПС Кол1Посл3М=\"4\"/></РасчСВ_ОПС>"
      "<РасчСВ_ОМС><НачислСВ Сум3Посл3М=\"5\"/></РасчСВ_ОМС><РасчСВ_ОПС428><РасчСВ_428.1-2 ПрОснСВДоп=\"1\">"
      "<КолЛицНачСВ КолВсегоПер=\"1\"/></РасчСВ_428.1-2><РасчСВ_428.3 КодОснов=\"2\"><НачислСВДоп СумВсегоПер=\"1\"/>"
      "</РасчСВ_428.3></РасчСВ_ОПС428><РасчСВ_ДСО ПрРасчСум=\"1\"><НачислСВДСО СумВсегоПер=\"6\"/></РасчСВ_ДСО>"
      "</РасчСВ_ОПС_ОМС><РасчСВ_ОСС.ВНМ ПризВыпл=\"1\"><УплСВПрев><Упл3Посл3М Признак=\"2\" Сумма=\"7\"/></УплСВПрев>"
      "</РасчСВ_ОСС.ВНМ><РасхОССЗак><Итого РасхВсего=\"8\"/></РасхОССЗак><ВыплФинФБ><ДопФЗ255><Всего Расход=\"9\"/>"
      "</ДопФЗ255></ВыплФинФБ><ПравТариф3.1.427 СрЧисл_Пер=\"1\"><СвРеестрАкОрг НомЗапАкОрг=\"1\"/></ПравТариф3.1.427>"
      "<ПравТариф7.1.427 ДохВсПер=\"1\"/><СвПримТариф9.1.427><СведПатент НомПатент=\"П\"><СумВыплат СумВсегоПер=\"1\"/>"
      "</СведПатент></СвПримТариф9.1.427><СвПримТариф2.2.425><ВыплатИт Сум1Посл3М=\"1\"/></СвПримТариф2.2.425>"
      "<СвПримТариф1.3.422><СведОбуч УникНомер=\"1\"><СвРеестрМДО НаимМДО=\"М\"/><СвРеестрМДО НаимМДО=\"Н\"/></СведОбуч>"
      "</СвПримТариф1.3.422></ОбязПлатСВ>");
  EXPECT_TRUE(s.Errors.empty()) << s.Errors.front();
  EXPECT_EQ(s.ОКТМО, "45");
  ASSERT_TRUE(s.УплПерОПС && s.УплПерОМС && s.УплПревОСС && s.РасчСВ_ОСС_ВНМ && s.РасхОССЗак && s.ВыплФинФБ);
  EXPECT_EQ(s.УплПерОПС->СумСВУплПер, 10000);
  ASSERT_EQ(s.УплПерОПСДоп.size(), 2u);
  EXPECT_EQ(s.УплПерОПСДоп[1].КБК, "4");
  EXPECT_EQ(s.УплПерДСО.at(0).КБК, "5");
  EXPECT_EQ(s.УплПревОСС->ПревРасхОСС->ПревРасхСВПер, 30000);
  const auto& calc = s.РасчСВ_ОПС_ОМС.at(0);
  EXPECT_EQ(calc.РасчСВ_ОПС->ПревБазОПС->Кол1Посл3М, 4);
  EXPECT_EQ(calc.РасчСВ_ОМС->НачислСВ->Сум3Посл3М, 50000);
  EXPECT_EQ(calc.РасчСВ_ОПС428->РасчСВ_428_1_2.at(0).КолЛицНачСВ->КолВсегоПер, 1);
  EXPECT_EQ(calc.РасчСВ_ОПС428->РасчСВ_428_3.at(0).КодОснов, "2");
  EXPECT_EQ(calc.РасчСВ_ДСО.at(0).НачислСВДСО->СумВсегоПер, 60000);
  EXPECT_EQ(s.РасчСВ_ОСС_ВНМ->УплСВПрев->Упл3Посл3М->Сумма, 70000);
  EXPECT_EQ(s.РасхОССЗак->Итого->РасхВсего, 80000);
  EXPECT_EQ(s.ВыплФинФБ->ДопФЗ255->Всего->Расход, 90000);
  EXPECT_EQ(s.ПравТариф3_1_427->СвРеестрАкОрг->НомЗапАкОрг, "1");
  EXPECT_EQ(s.ПравТариф7_1_427->ДохВсПер, 1);
  EXPECT_EQ(s.СвПримТариф9_1_427->СведПатент.at(0).СумВыплат->СумВсегоПер, 10000);
  EXPECT_EQ(s.СвПримТариф2_2_425->ВыплатИт->Сум1Посл3М, 10000);
  ASSERT_EQ(s.СвПримТариф1_3_422->СведОбуч.at(0).СвРеестрМДО.size(), 2u);
  EXPECT_EQ(s.СвПримТариф1_3_422->СведОбуч[0].СвРеестрМДО[1].НаимМДО, "Н");
  EXPECT_FALSE(s.ПравТариф5_1_427);
}

// The totals of federal-budget payments are "Всего" in the schema and "Итого" in older
// drafts; both are the class with the optional attribute, unlike "Итого" of benefit expenses.
TEST(Structure501, FederalBudgetTotalsUnderEitherName) {
  for (const char* name : {"Всего", "Итого"}) {
    const std::string n(name);
    const auto fb = LoadFrom<TRSV501VyplFinFB>("<ВыплФинФБ><ЧернобАЭС><Всего ЧислПолуч=\"1\"/></ЧернобАЭС><" + n +
                                               "><Всего ЧислПолуч=\"2\" Расход=\"3\"/><ОплДопВыхИнв КолВыпл=\"x\"/></" + n +
                                               "></ВыплФинФБ>");
    EXPECT_EQ(fb.Errors, (Messages{"P - " + n + "[1] - ОплДопВыхИнв[1] - @КолВыпл: Значение не является числом."}))
        << name;
    ASSERT_TRUE(fb.Итого) << name;
    EXPECT_EQ(fb.Итого->Всего->ЧислПолуч, 2);
    EXPECT_EQ(fb.ЧернобАЭС->Всего->ЧислПолуч, 1);
    ASSERT_TRUE(fb.Итого->ОплДопВыхИнв);
  }
  const auto withShare = LoadFrom<TRSV501VyplFinFB>(
      "<ВыплФинФБ><Всего СВВнФУходИнв=\"12.5\"><ПосВрНетр КолВыпл=\"1\"/></Всего></ВыплФинФБ>");
  EXPECT_TRUE(withShare.Errors.empty());
  EXPECT_EQ(withShare.Итого->СВВнФУходИнв, 125000);
}

TEST(Structure501, RepeatedSingleChildReplacesTheEarlierOne) {
  const auto p = LoadFrom<TRSV501PersSvSL>(
      "<ПерсСвСтрахЛиц Номер=\"1\"><ДанФЛПолуч СНИЛС=\"1\" Х=\"1\"/><ДанФЛПолуч СНИЛС=\"2\"><ФИО Имя=\"И\"/>"
      "</ДанФЛПолуч></ПерсСвСтрахЛиц>");
  EXPECT_EQ(p.Errors, (Messages{"P - ДанФЛПолуч[0]: Неизвестный атрибут с именем Х",
                                "P - ДанФЛПолуч[0]: Тэг должен содержать дочерние тэги."}));
  ASSERT_TRUE(p.ДанФЛПолуч);
  EXPECT_EQ(p.ДанФЛПолуч->СНИЛС, "2");
  EXPECT_TRUE(p.ДанФЛПолуч->Errors.empty());
}

TEST(Structure501, MessageOfAnAbsentSiblingIsNotInvented) {
  const auto p = LoadFrom<TRSV501PersSvSL>(
      "<ПерсСвСтрахЛиц Номер=\"1\"><СвВыплСВОПС><ВыплСВДоп ВыплСВВс3=\"x\"><ВыплСВДопМТ Месяц=\"1\"/></ВыплСВДоп>"
      "</СвВыплСВОПС></ПерсСвСтрахЛиц>");
  EXPECT_EQ(p.Errors, (Messages{"P - СвВыплСВОПС[0] - ВыплСВДоп[0] - @ВыплСВВс3: Значение должно быть суммой."}));
  EXPECT_FALSE(p.СвВыплСВОПС->СвВыпл);
}

TEST(Structure501, PersonWithABadNumberIsStillRead) {
  const auto p = LoadFrom<TRSV501PersSvSL>(
      "<ПерсСвСтрахЛиц НомКорр=\"abc\" Период=\"21\" ОтчетГод=\"2017\" Номер=\"5\" Дата=\"01.04.2017\">"
      "<ДанФЛПолуч СНИЛС=\"1\"><ФИО Имя=\"И\"/></ДанФЛПолуч></ПерсСвСтрахЛиц>");
  EXPECT_EQ(p.Errors, (Messages{"P - @НомКорр: Значение должно быть числом."}));
  EXPECT_EQ(p.НомКорр, 0);
  EXPECT_EQ(p.Период, "21");
  EXPECT_EQ(p.ОтчетГод, 2017);
  EXPECT_EQ(p.Номер, 5);
  EXPECT_EQ(p.Дата, "01.04.2017");
  ASSERT_TRUE(p.ДанФЛПолуч);
}

TEST(Structure501, SectionTwo) {
  const auto k = LoadFrom<TRSV501ObyazPlatSV_KFH>(
      "<ОбязПлатСВ_КФХ ОКТМО=\"1\"><УплПерОПС КБК=\"1\" СумСВУплПер=\"x\"/><УплПерОМС КБК=\"2\"/>"
      "<РасчСВ_КФХ><СведЧлКФХ ГодРожд=\"1970\" НачислСВОМС=\"1.5\"><ФИО Имя=\"И\"/></СведЧлКФХ>"
      "<СведЧлКФХ ИННФЛ=\"2\"/></РасчСВ_КФХ></ОбязПлатСВ_КФХ>");
  EXPECT_EQ(k.Errors, (Messages{"P - УплПерОПС[0] - @СумСВУплПер: Значение не является суммой.",
                                "P - РасчСВ_КФХ[2] - СведЧлКФХ[1]: Тэг должен содержать дочерние тэги."}));
  ASSERT_EQ(k.РасчСВ_КФХ->СведЧлКФХ.size(), 2u);
  EXPECT_EQ(k.РасчСВ_КФХ->СведЧлКФХ[0].ГодРожд, 1970);
  EXPECT_EQ(k.РасчСВ_КФХ->СведЧлКФХ[0].НачислСВОМС, 15000);
  EXPECT_EQ(k.УплПерОМС->КБК, "2");
}

TEST(Structure501, DocumentTitlePage) {
  const TRSVFile file = LoadFile(
      "<СвНП ОКВЭД=\"62.01\" Тлф=\"123\" Х=\"1\"><НПЮЛ НаимОрг=\"&quot;О&quot;\" ИННЮЛ=\"7715\" КПП=\"77\"/></СвНП>"
      "<Подписант ПрПодп=\"1\"><ФИО Фамилия=\"Ф\"/></Подписант><РасчетСВ><ОбязПлатСВ_КФХ ОКТМО=\"1\">"
      "<РасчСВ_КФХ><СведЧлКФХ><ФИО Имя=\"И\"/></СведЧлКФХ></РасчСВ_КФХ></ОбязПлатСВ_КФХ></РасчетСВ>",
      "КНД=\"1151111\" ДатаДок=\"12.04.2017\" НомКорр=\"x\" Период=\"21\" ОтчетГод=\"2017\" КодНО=\"7715\""
      " ПоМесту=\"214\" Лишний=\"1\"");
  EXPECT_EQ(file.Errors,
            (Messages{" - Документ [1] - РасчетСВ - ОбязПлатСВ_КФХ - РасчСВ_КФХ[0] - СведЧлКФХ[0]: Тэг должен "
                      "содержать атрибуты."}));
  const TRSV501Document& d = *file.Document501;
  EXPECT_EQ(d.КНД, "1151111");
  EXPECT_EQ(d.ДатаДок, "12.04.2017");
  EXPECT_EQ(d.НомКорр, -1);
  EXPECT_EQ(d.Период, "21");
  EXPECT_EQ(d.ОтчетГод, 2017);
  EXPECT_EQ(d.КодНО, "7715");
  EXPECT_EQ(d.ПоМесту, "214");
  EXPECT_EQ(d.ОКВЭД, "62.01");
  EXPECT_EQ(d.Тлф, "123");
  ASSERT_TRUE(d.НПЮЛ);
  EXPECT_EQ(d.НПЮЛ->НаимОрг, "\"О\"");
  EXPECT_FALSE(d.НПИП || d.НПФЛ);
  ASSERT_TRUE(d.Подписант && d.Подписант->ФИО);
  EXPECT_EQ(d.Подписант->ПрПодп, 1);
  ASSERT_TRUE(d.РасчетСВ && d.РасчетСВ->ОбязПлатСВ_КФХ);
}

TEST(Structure501, DocumentMessages) {
  struct Case {
    std::string xml;
    Messages expected;
  };
  const Case cases[] = {
      {"<Документ/>", {"P: Тэг Документ не содержит атрибутов. Чтение невозможно."}},
      {"<Документ КНД=\"1\"/>", {"P: Тэг Документ не содержит дочерних тэгов. Чтение невозможно."}},
      {"<Документ КНД=\"1\"><Х/><СвНП><НПЮЛ/><НПИП/></СвНП></Документ>",
       {"P: Неизвестный дочерний элемент - Х",
        "P - СвНП: Тэг должен иметь хотя бы один атрибут. Проверьте заполнение реквизита \"Код по ОКВЭД\" на "
        "титульном листе формы.",
        "P - СвНП: Тэг должен содержать только один дочерний элемент. Проверьте заполнение реквизитов "
        "налогоплательщика на титульном листе формы."}},
      {"<Документ КНД=\"1\"><СвНП ОКВЭД=\"1\"/></Документ>",
       {"P - СвНП: Тэг должен содержать только один дочерний элемент. Проверьте заполнение реквизитов "
        "налогоплательщика на титульном листе формы."}},
      {"<Документ КНД=\"1\"><СвНП ОКВЭД=\"1\"><НПЮр/></СвНП></Документ>",
       {"P - СвНП: Неизвестное имя дочернего элемента - НПЮр"}},
      {"<Документ КНД=\"1\"><СвНП ОКВЭД=\"1\"><НПИП ИННФЛ=\"1\"/></СвНП><Подписант/></Документ>",
       {"P - СвНП - НПИП: В тэге \"Сведения об индивидуальном предпринимателе, главе крестьянского "
        "(фермерского) хозяйства\" должен быть ровно один дочерний элемент.",
        "P - Подписант: В тэге \"Сведения о лице, подписавшем документ\" должен быть ровно один атрибут."}},
      {"<Документ КНД=\"1\"><СвНП ОКВЭД=\"1\"><НПФЛ/></СвНП><РасчетСВ/></Документ>",
       {"P - СвНП - НПФЛ: В тэге \"Плательщик страховых взносов - физическое лицо, не являющееся ИП\" должны "
        "присутствовать дочерние тэги.",
        "P - РасчетСВ: Тэг РасчетСВ должен содержать дочерние элементы. Чтение невозможно."}},
  };
  for (const Case& c : cases) {
    const auto d = LoadFrom<TRSV501Document>(c.xml);
    EXPECT_EQ(d.Errors, c.expected) << c.xml;
    EXPECT_EQ(d.НомКорр, -1);
    EXPECT_EQ(d.ОтчетГод, -1);
  }
  // Two payers at once: neither is read.
  const auto two = LoadFrom<TRSV501Document>("<Документ КНД=\"1\"><СвНП ОКВЭД=\"1\"><НПЮЛ/><НПИП/></СвНП></Документ>");
  EXPECT_FALSE(two.НПЮЛ || two.НПИП);
  // Without children nothing is read, not even the attributes.
  const auto bare = LoadFrom<TRSV501Document>("<Документ КНД=\"1\" НомКорр=\"2\"/>");
  EXPECT_TRUE(bare.КНД.empty());
  EXPECT_EQ(bare.НомКорр, -1);
}

TEST(Structure501, LoadingAgainStartsAfresh) {
  TXMLFile xml;
  xml.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?><СвВыпл СумВыплВс3=\"x\"><СвВыплМК Месяц=\"1\"/></СвВыпл>");
  ASSERT_TRUE(xml.Parse());
  TRSV501SvVyplVpFL v;
  v.ВыплОПСВс3 = 5;
  EXPECT_FALSE(v.Load(xml.Root(), "P"));
  EXPECT_FALSE(v.Load(xml.Root(), "P"));
  EXPECT_EQ(v.Errors.size(), 1u);
  EXPECT_EQ(v.СвВыплМК.size(), 1u);
  EXPECT_EQ(v.ВыплОПСВс3, 0);
}

}  // namespace
}  // namespace orsvelt
