#include "model/rsv505/raschet.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505ObyazPlatSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505ObyazPlatSV;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТипПлат", &T::ТипПлат), TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::УплПерОПС>("УплПерОПС"),
      Child<&T::УплПерОПСДоп>("УплПерОПСДоп", kListNumber),
      Child<&T::УплПерДСО>("УплПерДСО", kListNumber),
      Child<&T::УплОПС6_2_431>("УплОПС6.2.431"),
      Child<&T::УплОСС6_2_431>("УплОСС6.2.431"),
      Child<&T::УплОМС6_2_431>("УплОМС6.2.431"),
      Child<&T::РасчСВ_ОПС_ОМС>("РасчСВ_ОПС_ОМС", kListNumber),
      Child<&T::РасчСВ_ОПС428>("РасчСВ_ОПС428", kListNumber),
      Child<&T::РасчСВ_ДСО>("РасчСВ_ДСО"),
      Child<&T::РасчСВ_6_2_431>("РасчСВ_6.2.431", kListNumber),
      Child<&T::ПравТариф3_18_1_427>("ПравТариф3_18.1.427", kListNumber),
      Child<&T::ПравТариф7_1_427>("ПравТариф7.1.427"),
      Child<&T::ПравТариф15_1_427>("ПравТариф15.1.427"),
      // From 2025 (appendix 3.1): the single reduced tariff of manufacturing small businesses.
      Child<&T::ПравТариф13_2_427>("ПравТариф13.2.427", kListNumber).From(Edition::V507),
      Child<&T::СвПримТариф20_1_427>("СвПримТариф20.1.427"),
      Child<&T::СвФЛИсч6_2_431>("СвФЛИсч6.2.431")};
  static constexpr Rules<T> kRules = TagRules<T>("ОбязПлатСВ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschetSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschetSV;
  TRSV502PersonHandOff::RestartCurrent();
  static constexpr ChildField<T> kKids[] = {Child<&T::ОбязПлатСВ>("ОбязПлатСВ"),
                                            Child<&T::ОбязПлатСВ_КФХ>("ОбязПлатСВ_КФХ"),
                                            HandedChild<&T::ПерсСвСтрахЛиц>("ПерсСвСтрахЛиц", kSiblingNumber),
                                            Child<&T::ОбязПлатСВ_6_1_431>("ОбязПлатСВ_6.1.431").From(Edition::V506)};
  static constexpr Rules<T> kRules{.tag = "РасчетСВ", .attributes = Forbidden(kTagCannotContainAttributes),
                                   .unknown = kUnknownOfTag, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
