// Every class keeps its attribute rule, child rule and order of the two phases.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "load_helpers.h"
#include "model/rsv501/document.h"

namespace orsvelt {
namespace {

using test501::ErrorsOf;

enum class A { R, R2, F, F2, Optional };
enum class C { R, F1, F2, F3, F4, Optional, Ignored };

std::string AttrMessage(A a) {
  switch (a) {
    case A::R: return "P: Тэг должен содержать атрибуты.";
    case A::R2: return "P: В тэге должны быть атрибуты.";
    case A::F: return "P: Тэг не должен содержать атрибуты.";
    case A::F2: return "P: Тэг не должен содержать атрибутов.";
    case A::Optional: break;
  }
  return "";
}

std::string ChildMessage(C c) {
  switch (c) {
    case C::R: return "P: Тэг должен содержать дочерние тэги.";
    case C::F1: return "P: Тэг не должен содержать дочерние тэги.";
    case C::F2: return "P: Дочерние тэги в данном тэге не предусмотрены форматом.";
    case C::F3: return "P: Формат тэга не предусматривает наличия дочерних элементов.";
    case C::F4: return "P: Тэг не должен содержать дочерних тэгов.";
    default: break;
  }
  return "";
}

struct ShapeCase {
  const char* element;
  Messages (*load)(std::string_view);
  A attrs;
  C children;
  bool childrenFirst = false;
};

template <class T>
constexpr auto L = &ErrorsOf<T>;

const ShapeCase kCases[] = {
    {"ПерсСвСтрахЛиц", L<TRSV501PersSvSL>, A::R, C::R},
    {"ДанФЛПолуч", L<TRSV501DanFLPoluch>, A::R, C::R},
    {"СвВыплСВОПС", L<TRSV501SvVyplSVOPS>, A::F, C::R},
    {"СвВыпл", L<TRSV501SvVyplVpFL>, A::R, C::R},
    {"СвВыплМК", L<TRSV501SvVyplMK>, A::R, C::F1},
    {"ВыплСВДоп", L<TRSV501SvVyplFPDop>, A::R, C::R},
    {"ВыплСВДопМТ", L<TRSV501VyplSvDopMT>, A::R, C::F2},
    {"ОбязПлатСВ_КФХ", L<TRSV501ObyazPlatSV_KFH>, A::R, C::R},
    {"УплПерОПС", L<TRSV501SumSVUplType>, A::R, C::F2},
    {"РасчСВ_КФХ", L<TRSV501RaschSV_KFH>, A::F, C::R},
    {"СведЧлКФХ", L<TRSV501SvedChlKFH>, A::R, C::R},
    {"УплПерОПС", L<TRSV501UplPer>, A::R, C::F4, true},
    {"УплПерОСС", L<TRSV501UplPerOSS>, A::R, C::F4, true},
    {"ПревРасхОСС", L<TRSV501PrevRashOSS>, A::R, C::F4, true},
    {"РасчСВ_ОПС", L<TRSV501RaschSV_OPS>, A::F2, C::R},
    {"РасчСВ_ОМС", L<TRSV501RaschSV_OMS>, A::F2, C::R},
    {"РасчСВ_ОПС428", L<TRSV501RaschSV_OPS428>, A::F2, C::R},
    {"РасчСВ_428.1-2", L<TRSV501RaschSV_428_1_2>, A::R, C::R},
    {"РасчСВ_428.3", L<TRSV501RaschSV_428_3>, A::R, C::R},
    {"РасчСВ_ДСО", L<TRSV501RaschSV_DSO>, A::R, C::R},
    {"РасчСВ_ОСС.ВНМ", L<TRSV501RaschSv_OSS>, A::R, C::R},
    {"УплСВПрев", L<TRSV501UplSVprev>, A::F, C::R},
    {"УплВсегоПер", L<TRSV501UplSVprevType>, A::R, C::F3},
    {"ВыплНачислФЛ", L<TRSV501SvSum1>, A::R, C::F4, true},
    {"КолСтрахЛицВс", L<TRSV501ColLic>, A::R, C::F4, true},
    {"РасхОССЗак", L<TRSV501RashOSSZak>, A::F, C::R},
    {"ПосВрНетр", L<TRSV501RashOSS1Type>, A::R, C::F3},
    {"ПосВрНетрИн", L<TRSV501RashOSS2Type>, A::R, C::F3},
    {"ЕдПосРожд", L<TRSV501RashOSS3Type>, A::R, C::F3},
    {"НачНевыплПос", L<TRSV501RashOSS4Type>, A::R, C::F3},
    {"ОплДопВыхИнв", L<TRSV501OplDopVykhInv>, A::R, C::F3},
    {"ВыплФинФБ", L<TRSV501VyplFinFB>, A::F, C::R},
    {"ЧернобАЭС", L<TRSV501VypFinFBType>, A::F, C::R},
    {"СемипалатПолигон", L<TRSV501SemipalatPolygon>, A::F, C::R},
    {"ДопФЗ255", L<TRSV501DopFZ255>, A::F, C::R},
    {"Итого", L<TRSV501Itogo>, A::Optional, C::R},
    {"Всего", L<TRSV501RashVypl1Type>, A::R, C::F3},
    {"ПосВрНетр", L<TRSV501RashVypl2Type>, A::R, C::F3},
    {"ОплДопВыхИнв", L<TRSV501OplDopVykhInv_432>, A::R, C::F3},
    {"ПравТариф3.1.427", L<TRSV501PravTarif3_1_427>, A::R, C::R},
    {"СвРеестрАкОрг", L<TRSV501SvReestrAkOrg>, A::R, C::F3},
    {"ПравТариф5.1.427", L<TRSV501PravTarif5_1_427>, A::R, C::F2},
    {"ПравТариф7.1.427", L<TRSV501PravTarif7_1_427>, A::R, C::F2},
    {"СвПримТариф9.1.427", L<TRSV501SvPrimTarif9_1_427>, A::F, C::R},
    {"СведПатент", L<TRSV501SvedPatent>, A::R, C::R},
    {"СвПримТариф2.2.425", L<TRSV501SvPrimTarif2_2_425>, A::F, C::R},
    {"СвИноГражд", L<TRSV501SvInoGrazhd>, A::R, C::R},
    {"СвПримТариф1.3.422", L<TRSV501SvPrimTarif1_3_422>, A::F, C::R},
    {"СведОбуч", L<TRSV501SvedObuch>, A::R, C::R},
    {"СправСтудОтряд", L<TRSV501SpravType>, A::R2, C::Ignored},
    {"СвРеестрМДО", L<TRSV501SvReestrMDO>, A::R2, C::F2},
};

Messages InOrder(const ShapeCase& c, std::string attr, std::string child) {
  Messages out;
  for (std::string* m : c.childrenFirst ? std::vector{&child, &attr} : std::vector{&attr, &child})
    if (!m->empty()) out.push_back(*m);
  return out;
}

// An element without attributes and children breaks only the "required" rules.
TEST(ShapeRules501, EmptyElementBreaksRequiredRules) {
  for (const ShapeCase& c : kCases) {
    const std::string xml = "<" + std::string(c.element) + "/>";
    const std::string attr = c.attrs == A::R || c.attrs == A::R2 ? AttrMessage(c.attrs) : "";
    const std::string child = c.children == C::R ? ChildMessage(c.children) : "";
    EXPECT_EQ(c.load(xml), InOrder(c, attr, child)) << c.element;
  }
}

// An element with an unknown attribute and child breaks the "forbidden" rules; where the
// names are read, each unknown name is reported.
TEST(ShapeRules501, UnknownNamesOrForbiddenContent) {
  for (const ShapeCase& c : kCases) {
    const std::string xml = "<" + std::string(c.element) + " Zz=\"1\"><Qq/></" + c.element + ">";
    const bool attrsForbidden = c.attrs == A::F || c.attrs == A::F2;
    const std::string attr = attrsForbidden ? AttrMessage(c.attrs) : "P: Неизвестный атрибут с именем Zz";
    std::string child;
    if (c.children == C::R || c.children == C::Optional)
      child = "P: Неизвестный дочерний тэг с именем Qq";
    else if (c.children != C::Ignored)
      child = ChildMessage(c.children);
    EXPECT_EQ(c.load(xml), InOrder(c, attr, child)) << c.element;
  }
}

// Forbidden attributes are not read, forbidden children are not loaded.
TEST(ShapeRules501, ForbiddenContentIsNotRead) {
  const auto ops = test501::LoadFrom<TRSV501RaschSV_OPS>(
      "<РасчСВ_ОПС X=\"1\"><НачислСВ СумВсегоПер=\"5\"/></РасчСВ_ОПС>");
  EXPECT_EQ(ops.Errors, (Messages{"P: Тэг не должен содержать атрибутов."}));
  ASSERT_TRUE(ops.НачислСВ);
  EXPECT_EQ(ops.НачислСВ->СумВсегоПер, 50000);

  const auto mt = test501::LoadFrom<TRSV501VyplSvDopMT>(
      "<ВыплСВДопМТ Месяц=\"01\"><ВыплСВДопМТ ВыплСВ=\"x\"/></ВыплСВДопМТ>");
  EXPECT_EQ(mt.Errors, (Messages{"P: Дочерние тэги в данном тэге не предусмотрены форматом."}));
  EXPECT_EQ(mt.Месяц, "01");

  const auto zak = test501::LoadFrom<TRSV501RashOSSZak>(
      "<РасхОССЗак ЧислСлуч=\"x\"><ПосВрНетр ЧислСлуч=\"2\"/><НачНевыплПос РасхВсего=\"1\"/></РасхОССЗак>");
  EXPECT_EQ(zak.Errors, (Messages{"P: Тэг не должен содержать атрибуты."}));
  ASSERT_TRUE(zak.ПосВрНетр && zak.НачНевыплПос);
  EXPECT_EQ(zak.ПосВрНетр->ЧислСлуч, 2);

  // A certificate does not look at its children at all.
  const auto sprav = test501::LoadFrom<TRSV501SpravType>(
      "<СправСтудОтряд Номер=\"1\" Дата=\"01.01.2017\"><Что Угодно=\"x\"/></СправСтудОтряд>");
  EXPECT_TRUE(sprav.Errors.empty());
  EXPECT_EQ(sprav.Номер, "1");
}

// The classes with their own wordings.
TEST(ShapeRules501, OwnWordings) {
  struct Case {
    Messages (*load)(std::string_view);
    std::string xml;
    Messages expected;
  };
  const Case cases[] = {
      {L<TRSV501ObyazPlatSV>, "<ОбязПлатСВ/>",
       {"P: Тэг ОбязПлатСВ должен содержать атрибуты.", "P: Тэг ОбязПлатСВ должен содержать дочерние элементы."}},
      {L<TRSV501ObyazPlatSV>, "<ОбязПлатСВ ОКТМО=\"1\" Х=\"2\"><Прочее/></ОбязПлатСВ>",
       {"P: Тэг ОбязПлатСВ - неизвестный атрибут Х", "P: Тэг ОбязПлатСВ - неизвестный дочерний тэг Прочее"}},
      {L<TRSV501RaschSv_OPS_OMS>, "<РасчСВ_ОПС_ОМС/>",
       {"P: Тэг РасчСВ_ОПС_ОМС должен содержать атрибуты.", "P: Тэг РасчСВ_ОПС_ОМС должен содержать дочерние тэги."}},
      {L<TRSV501RaschSv_OPS_OMS>, "<РасчСВ_ОПС_ОМС Х=\"1\"><Qq/></РасчСВ_ОПС_ОМС>",
       {"P: Неизвестный атрибут с именем Х", "P: Неизвестный дочерний тэг с именем Qq"}},
      {L<TRSV501UplPrevOSS>, "<УплПревОСС/>", {"P: Тэг УплПревОСС должен содержать атрибуты."}},
      {L<TRSV501UplPrevOSS>, "<УплПревОСС КБК=\"1\"/>", {}},
      {L<TRSV501UplPrevOSS>, "<УплПревОСС КБК=\"1\"><Qq/></УплПревОСС>", {"P: Неизвестный дочерний тэг с именем Qq"}},
      // "РасчетСВ" stops at the first broken rule.
      {L<TRSV501RaschetSV>, "<РасчетСВ Х=\"1\"/>", {"P: Тэг РасчетСВ не должен содержать атрибутов. Чтение невозможно."}},
      {L<TRSV501RaschetSV>, "<РасчетСВ/>", {"P: Тэг РасчетСВ должен содержать дочерние элементы. Чтение невозможно."}},
      {L<TRSV501RaschetSV>, "<РасчетСВ Х=\"1\"><Qq/></РасчетСВ>",
       {"P: Тэг РасчетСВ не должен содержать атрибутов. Чтение невозможно."}},
      {L<TRSV501RaschetSV>, "<РасчетСВ><персСвСтрахЛиц/></РасчетСВ>",
       {"P: Недопустимый дочерний элемент в тэге РасчетСВ - персСвСтрахЛиц"}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.load(c.xml), c.expected) << c.xml;
}

// A class that tests children first reports them first; the others report attributes first.
TEST(ShapeRules501, OrderOfThePhases) {
  EXPECT_EQ(ErrorsOf<TRSV501SvSum1>("<НачислСВ><Х/></НачислСВ>"),
            (Messages{"P: Тэг не должен содержать дочерних тэгов.", "P: Тэг должен содержать атрибуты."}));
  EXPECT_EQ(ErrorsOf<TRSV501SvVyplMK>("<СвВыплМК><Х/></СвВыплМК>"),
            (Messages{"P: Тэг должен содержать атрибуты.", "P: Тэг не должен содержать дочерние тэги."}));
  EXPECT_EQ(ErrorsOf<TRSV501UplPer>("<УплПерОПС СумСВУплПер=\"x\"><Х/></УплПерОПС>"),
            (Messages{"P: Тэг не должен содержать дочерних тэгов.", "P - @СумСВУплПер: Значение не является суммой."}));
}

}  // namespace
}  // namespace orsvelt
