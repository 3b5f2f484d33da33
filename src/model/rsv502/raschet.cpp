#include "model/rsv502/raschet.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502ObyazPlatSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ObyazPlatSV;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТипПлат", &T::ТипПлат), TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОПС>("УплПерОПС"),
                                            Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::УплПерОПСДоп>("УплПерОПСДоп"),
                                            Child<&T::УплПерДСО>("УплПерДСО"),
                                            Child<&T::УплПревОСС>("УплПревОСС"),
                                            Child<&T::РасчСВ_ОПС_ОМС>("РасчСВ_ОПС_ОМС", kListNumber),
                                            Child<&T::РасчСВ_ОСС_ВНМ>("РасчСВ_ОСС.ВНМ"),
                                            Child<&T::РасхОССЗак>("РасхОССЗак"),
                                            Child<&T::ВыплФинФБ>("ВыплФинФБ"),
                                            Child<&T::ПравТариф3_1_427>("ПравТариф3.1.427"),
                                            Child<&T::ПравТариф7_1_427>("ПравТариф7.1.427"),
                                            Child<&T::ПравТариф15_1_427>("ПравТариф15.1.427"),
                                            Child<&T::СвПримТариф2_2_425>("СвПримТариф2.2.425"),
                                            Child<&T::СвПримТариф1_3_422>("СвПримТариф1.3.422")};
  static constexpr Rules<T> kRules = TagRules<T>("ОбязПлатСВ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschetSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschetSV;
  TRSV502PersonHandOff::RestartCurrent();
  static constexpr ChildField<T> kKids[] = {Child<&T::ОбязПлатСВ>("ОбязПлатСВ"),
                                            Child<&T::ОбязПлатСВ_КФХ>("ОбязПлатСВ_КФХ"),
                                            HandedChild<&T::ПерсСвСтрахЛиц>("ПерсСвСтрахЛиц", kSiblingNumber)};
  static constexpr Rules<T> kRules{.tag = "РасчетСВ", .attributes = Forbidden(kTagCannotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
