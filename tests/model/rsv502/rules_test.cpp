// The loading rules shared by all element classes: which texts appear, in which order,
// what is still read after a fault, and how children replace or accumulate.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/rsv502/document.h"
#include "xml_fixture.h"

namespace orsvelt {
namespace {

using test::LoadFrom;
using Messages = std::vector<std::string>;

TEST(Rules, UnknownAttributeIsReportedAndTheRestStillRead) {
  const auto person = LoadFrom<TRSV502PersSvStrakhLic>(
      "<ПерсСвСтрахЛиц Лишний=\"1\" ПрАннулир=\"1\"><ДанФЛПолуч СНИЛС=\"1\"><ФИО Фамилия=\"Иванов\"/>"
      "</ДанФЛПолуч></ПерсСвСтрахЛиц>");
  EXPECT_EQ(person.Errors, Messages{"Неизвестный атрибут тэга ПерсСвСтрахЛиц - Лишний"});
  EXPECT_EQ(person.ПрАннулир, "1");
  ASSERT_TRUE(person.ДанФЛПолуч);
  EXPECT_EQ(person.ДанФЛПолуч->СНИЛС, "1");
}

TEST(Rules, MessagesFollowAttributesThenChildrenInDocumentOrder) {
  const auto mk =
      LoadFrom<TRSV502SvVyplMK>("<СвВыплМК СумВыпл=\"1,5\" Х=\"1\" Месяц=\"май\" КодКатЛиц=\"НР\"><А/><Б/></СвВыплМК>");
  EXPECT_EQ(mk.Errors, (Messages{" P - @СумВыпл: Значение не является суммой.", "Неизвестный атрибут тэга СвВыплМК - Х",
                                 "Атрибут тэга СвВыплМК Месяц имеет не числовое значение.",
                                 "Тэг СвВыплМК не должен содержать дочерних элементов."}));
  EXPECT_EQ(mk.КодКатЛиц, "НР");

  // A parent's own texts and those taken over from its children interleave as met.
  const auto ops = LoadFrom<TRSV502RaschSV_OPS>(
      "<РасчСВ_ОПС><КолСтрахЛицВс КолВсегоПер=\"x\"/><Чужой/><НачислСВ Сум1Посл3М=\"y\"/></РасчСВ_ОПС>");
  EXPECT_EQ(ops.Errors, (Messages{"Атрибут элемента типа КолЛицТип КолВсегоПер имеет не числовое значение.",
                                  "Неизвестный элемент тэга РасчСВ_ОПС - Чужой",
                                  " P - НачислСВ - @Сум1Посл3М: Значение не является суммой."}));
}

TEST(Rules, AttributesRequiredForbiddenOrOptional) {
  // Required: the text comes first, the children are still read.
  const auto kod =
      LoadFrom<TRSV502RaschSV_OMS_VNMKod>("<РасчСВ_ОСС.ВНМКод><НачислСВ СумВсегоПер=\"1\"/></РасчСВ_ОСС.ВНМКод>");
  EXPECT_EQ(kod.Errors, Messages{"Тэг РасчСВ_ОСС.ВНМКод не содержит атрибутов."});
  ASSERT_TRUE(kod.НачислСВ);
  EXPECT_EQ(kod.НачислСВ->СумВсегоПер, 10000);

  // Forbidden: one text however many attributes, and the children are still read; the
  // wording of "РасчСВ_ОСС.ВНМ" is that of a missing attribute, as users know it.
  const auto vnm = LoadFrom<TRSV502RaschSvOSS_VNM>(
      "<РасчСВ_ОСС.ВНМ А=\"1\" Б=\"2\"><ПроизвРасхСО СумВсегоПер=\"2\"/></РасчСВ_ОСС.ВНМ>");
  EXPECT_EQ(vnm.Errors, Messages{"Тэг РасчСВ_ОСС.ВНМ не содержит атрибутов."});
  ASSERT_TRUE(vnm.ПроизвРасхСО);
  EXPECT_EQ(vnm.ПроизвРасхСО->СумВсегоПер, 20000);
  EXPECT_TRUE(LoadFrom<TRSV502RaschSvOSS_VNM>("<РасчСВ_ОСС.ВНМ><ВозмРасхСО Сум1Посл3М=\"0\"/></РасчСВ_ОСС.ВНМ>")
                  .Errors.empty());

  // Optional: no attributes at all is fine.
  EXPECT_TRUE(
      LoadFrom<TRSV502PersSvStrakhLic>("<ПерсСвСтрахЛиц><ДанФЛПолуч><ФИО Фамилия=\"А\"/></ДанФЛПолуч></ПерсСвСтрахЛиц>")
          .Errors.empty());
}

TEST(Rules, ChildrenRequiredOrForbidden) {
  EXPECT_EQ(LoadFrom<TRSV502PersSvStrakhLic>("<ПерсСвСтрахЛиц ПрАннулир=\"1\"/>").Errors,
            Messages{"Тэг ПерсСвСтрахЛиц не содержит дочерних элементов."});
  // Forbidden children are counted, not looked at one by one.
  const auto sum = LoadFrom<TRSV502SvSum1>("<ВыплатИт СумВсегоПер=\"1\"><А/><Б Х=\"1\"/></ВыплатИт>");
  EXPECT_EQ(sum.Errors, Messages{"Элемент типа СвСум1Тип не должен содержать дочерних элементов."});
  EXPECT_EQ(sum.СумВсегоПер, 10000);
}

TEST(Rules, ARepeatedSingleChildReplacesTheEarlierOneAndListsAccumulate) {
  const auto t = LoadFrom<TRSV502SvPrimTarif1_3_422>(
      "<СвПримТариф1.3.422><ВыплатИт Сум1Посл3М=\"1\"/><СведОбуч УникНомер=\"1\"><ФИО Имя=\"А\"/></СведОбуч>"
      "<ВыплатИт Сум2Посл3М=\"2\"/><СведОбуч УникНомер=\"2\"><ФИО Имя=\"Б\"/></СведОбуч></СвПримТариф1.3.422>");
  EXPECT_TRUE(t.Errors.empty());
  ASSERT_TRUE(t.ВыплатИт);
  EXPECT_EQ(t.ВыплатИт->Сум1Посл3М, 0);
  EXPECT_EQ(t.ВыплатИт->Сум2Посл3М, 20000);
  ASSERT_EQ(t.СведОбуч.size(), 2u);
  EXPECT_EQ(t.СведОбуч[0].УникНомер, "1");
  EXPECT_EQ(t.СведОбуч[1].УникНомер, "2");
}

TEST(Rules, ChildrenOfTheSameNameUseTheClassOfTheirParent) {
  // "Итого" is a benefits line in "РасхОССЗак" and a block of its own in "ВыплФинФБ".
  const auto zak = LoadFrom<TRSV502RashOSSZak>("<РасхОССЗак><Итого РасхВсего=\"1\" РасхФинФБ=\"2\"/></РасхОССЗак>");
  EXPECT_TRUE(zak.Errors.empty());
  ASSERT_TRUE(zak.Итого);
  EXPECT_EQ(zak.Итого->РасхФинФБ, 20000);
  const auto fb = LoadFrom<TRSV502VyplFinFB>(
      "<ВыплФинФБ><Итого СВВнФУходИнв=\"3\"><Всего ЧислПолуч=\"4\" Расход=\"5\"/></Итого></ВыплФинФБ>");
  EXPECT_TRUE(fb.Errors.empty());
  ASSERT_TRUE(fb.Итого && fb.Итого->Всего);
  EXPECT_EQ(fb.Итого->СВВнФУходИнв, 30000);
  EXPECT_EQ(fb.Итого->Всего->ЧислПолуч, 4);
}

TEST(Rules, LoadingAgainStartsFromScratch) {
  test::XmlFixture full("<СвВыпл><СвВыплМК Месяц=\"1\" СумВыпл=\"x\"/><СвВыплМК Месяц=\"2\"/></СвВыпл>");
  test::XmlFixture bare("<СвВыпл><СвВыплМК Месяц=\"3\"/></СвВыпл>");
  TRSV502SvVypl v;
  EXPECT_FALSE(v.Load(full.Root(), " P"));
  EXPECT_EQ(v.СвВыплМК.size(), 2u);
  EXPECT_TRUE(v.Load(bare.Root(), " P"));
  EXPECT_TRUE(v.Errors.empty());
  ASSERT_EQ(v.СвВыплМК.size(), 1u);
  EXPECT_EQ(v.СвВыплМК[0].Месяц, 3);
}

}  // namespace
}  // namespace orsvelt
