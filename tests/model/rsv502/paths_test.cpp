// The message paths children receive: by name, by position among all children, by index
// in their list, and the few forms of their own.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/rsv502/document.h"
#include "xml_fixture.h"

namespace orsvelt {
namespace {

using test::LoadFrom;
using Messages = std::vector<std::string>;

constexpr const char* kBadSum = "<ВыплНачислФЛ СумВсегоПер=\"x\"/>";

std::string GoodPerson() {
  return "<ПерсСвСтрахЛиц><ДанФЛПолуч СНИЛС=\"1\"><ФИО Фамилия=\"А\"/></ДанФЛПолуч></ПерсСвСтрахЛиц>";
}
std::string PersonWithBadSecondMonth() {
  return "<ПерсСвСтрахЛиц><СвВыплСВОПС><СвВыпл><СвВыплМК Месяц=\"1\"/><СвВыплМК Месяц=\"2\" СумВыпл=\"1,0\"/>"
         "<СвВыплМК Месяц=\"3\"/></СвВыпл></СвВыплСВОПС></ПерсСвСтрахЛиц>";
}

TEST(Paths, PersonsAreNumberedByTheirPositionAmongAllChildren) {
  const auto r = LoadFrom<TRSV502RaschetSV>(
      "<РасчетСВ><ОбязПлатСВ ОКТМО=\"1\"><УплПерОПС КБК=\"1\"/></ОбязПлатСВ>"
      "<ОбязПлатСВ_КФХ ОКТМО=\"1\"><УплПерОПС/></ОбязПлатСВ_КФХ>" +
      GoodPerson() + PersonWithBadSecondMonth() + "</РасчетСВ>");
  ASSERT_EQ(r.ПерсСвСтрахЛиц.size(), 2u);
  EXPECT_TRUE(r.ПерсСвСтрахЛиц[0].Errors.empty());
  ASSERT_TRUE(r.ПерсСвСтрахЛиц[1].СвВыплСВОПС && r.ПерсСвСтрахЛиц[1].СвВыплСВОПС->СвВыпл);
  EXPECT_EQ(r.ПерсСвСтрахЛиц[1].СвВыплСВОПС->СвВыпл->СвВыплМК.size(), 3u);
  EXPECT_EQ(r.Errors, Messages{" P - ПерсСвСтрахЛиц(4) - СвВыплСВОПС - СвВыпл - СвВыплМК[1] - @СумВыпл: "
                               "Значение не является суммой."});
}

struct PathCase {
  const char* what;
  std::string (*load)(const std::string& xml);
  std::string xml;
  std::string message;  // the one text expected
};

template <class C>
std::string OnlyMessage(const std::string& xml) {
  const auto obj = LoadFrom<C>(xml);
  EXPECT_EQ(obj.Errors.size(), 1u);
  return obj.Errors.empty() ? "" : obj.Errors.front();
}

TEST(Paths, EveryFormOfChildPath) {
  const std::string suffix = " - @СумВсегоПер: Значение не является суммой.";
  const std::string ops = "<РасчСВ_ОПС><НачислСВ Сум1Посл3М=\"1\"/></РасчСВ_ОПС>";
  const std::string dso = "<РасчСВ_ДСО><НачислСВДСО СумВсегоПер=\"1\"/></РасчСВ_ДСО>";
  const PathCase cases[] = {
      {"tariffs from one", &OnlyMessage<TRSV502ObyazPlatSV>,
       "<ОбязПлатСВ ОКТМО=\"1\"><РасчСВ_ОПС_ОМС ТарифПлат=\"01\">" + ops +
           "</РасчСВ_ОПС_ОМС><УплПерОМС/><РасчСВ_ОПС_ОМС ТарифПлат=\"02\"><РасчСВ_ОПС>" + kBadSum +
           "</РасчСВ_ОПС></РасчСВ_ОПС_ОМС></ОбязПлатСВ>",
       " P - РасчСВ_ОПС_ОМС[2] - РасчСВ_ОПС - ВыплНачислФЛ" + suffix},
      {"additional voluntary by position", &OnlyMessage<TRSV502RaschSvOPS_OMS>,
       "<РасчСВ_ОПС_ОМС ТарифПлат=\"01\">" + ops + dso + "<РасчСВ_ДСО>" + kBadSum + "</РасчСВ_ДСО></РасчСВ_ОПС_ОМС>",
       " P - РасчСВ_ДСО(3) - ВыплНачислФЛ" + suffix},
      {"additional tariffs by position", &OnlyMessage<TRSV502RaschSV_OPS428>,
       "<РасчСВ_ОПС428><РасчСВ_428.3 КодОснов=\"1\"><НачислСВДоп СумВсегоПер=\"1\"/></РасчСВ_428.3>"
       "<РасчСВ_428.1-2 ПрОснСВДоп=\"1\">" +
           std::string(kBadSum) + "</РасчСВ_428.1-2></РасчСВ_ОПС428>",
       " P - РасчСВ_428.1-2(2) - ВыплНачислФЛ" + suffix},
      {"article 428.3 by position", &OnlyMessage<TRSV502RaschSV_OPS428>,
       "<РасчСВ_ОПС428><РасчСВ_428.3 КодОснов=\"1\">" + std::string(kBadSum) + "</РасчСВ_428.3></РасчСВ_ОПС428>",
       " P - РасчСВ_428.3(1) - ВыплНачислФЛ" + suffix},
      {"social insurance tariffs without index", &OnlyMessage<TRSV502RaschSvOSS_VNM>,
       "<РасчСВ_ОСС.ВНМ><РасчСВ_ОСС.ВНМКод ТарифПлат=\"1\"><НачислСВ СумВсегоПер=\"1\"/></РасчСВ_ОСС.ВНМКод>"
       "<РасчСВ_ОСС.ВНМКод ТарифПлат=\"2\">" +
           std::string(kBadSum) + "</РасчСВ_ОСС.ВНМКод></РасчСВ_ОСС.ВНМ>",
       " P - РасчСВ_ОСС.ВНМКод - ВыплНачислФЛ" + suffix},
      {"foreign workers after a blank", &OnlyMessage<TRSV502SvPrimTarif2_2_425>,
       "<СвПримТариф2.2.425><СвИноГражд ИННФЛ=\"1\"><СумВыплат СумВсегоПер=\"x\"/></СвИноГражд>"
       "</СвПримТариф2.2.425>",
       " P СвИноГражд - СумВыплат" + suffix},
      {"students by name", &OnlyMessage<TRSV502SvPrimTarif1_3_422>,
       "<СвПримТариф1.3.422><СведОбуч УникНомер=\"1\"><СумВыплат СумВсегоПер=\"x\"/></СведОбуч>"
       "</СвПримТариф1.3.422>",
       " P - СведОбуч - СумВыплат" + suffix},
      {"household members from zero", &OnlyMessage<TRSV502RaschSV_KFH>,
       "<РасчСВ_КФХ><СведЧлКФХ ИННФЛ=\"1\"><ФИО Имя=\"А\"/></СведЧлКФХ><СведЧлКФХ НачислСВОМС=\"1.2.3\">"
       "<ФИО Имя=\"Б\"/></СведЧлКФХ></РасчСВ_КФХ>",
       " P - СведЧлКФХ[1] - @НачислСВОМС: Значение не является суммой."},
      {"additional tariff months from zero", &OnlyMessage<TRSV502VyplSVDop>,
       "<ВыплСВДоп><ВыплСВДопМТ Месяц=\"1\" ВыплСВ=\"x\"/></ВыплСВДоп>",
       " P - ВыплСВДопМТ[0] - @ВыплСВ: Значение не является суммой."},
      {"a common class below a person", &OnlyMessage<TRSV502DanFLPoluch>,
       "<ДанФЛПолуч СНИЛС=\"1\"><ФИО Фамилия=\"А\" Лишний=\"1\"/></ДанФЛПолуч>",
       " P - ФИО: Неизвестный атрибут с именем Лишний"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(c.load(c.xml), c.message);
  }
}

}  // namespace
}  // namespace orsvelt
