#include "model/rsv502/raschet.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::Child;
using rsv502::ChildField;
using rsv502::ElemRules;
using rsv502::PathForm;
using rsv502::Presence;

bool TRSV502ObyazPlatSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ObyazPlatSV;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТипПлат", &T::ТипПлат), TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОПС>("УплПерОПС"),
                                            Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::УплПерОПСДоп>("УплПерОПСДоп"),
                                            Child<&T::УплПерДСО>("УплПерДСО"),
                                            Child<&T::УплПревОСС>("УплПревОСС"),
                                            Child<&T::РасчСВ_ОПС_ОМС>("РасчСВ_ОПС_ОМС", PathForm::IndexFromOne),
                                            Child<&T::РасчСВ_ОСС_ВНМ>("РасчСВ_ОСС.ВНМ"),
                                            Child<&T::РасхОССЗак>("РасхОССЗак"),
                                            Child<&T::ВыплФинФБ>("ВыплФинФБ"),
                                            Child<&T::ПравТариф3_1_427>("ПравТариф3.1.427"),
                                            Child<&T::ПравТариф7_1_427>("ПравТариф7.1.427"),
                                            Child<&T::ПравТариф15_1_427>("ПравТариф15.1.427"),
                                            Child<&T::СвПримТариф2_2_425>("СвПримТариф2.2.425"),
                                            Child<&T::СвПримТариф1_3_422>("СвПримТариф1.3.422")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг ОбязПлатСВ не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга ОбязПлатСВ - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ОбязПлатСВ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ОбязПлатСВ - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschetSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschetSV;
  static constexpr ChildField<T> kKids[] = {Child<&T::ОбязПлатСВ>("ОбязПлатСВ"),
                                            Child<&T::ОбязПлатСВ_КФХ>("ОбязПлатСВ_КФХ"),
                                            Child<&T::ПерсСвСтрахЛиц>("ПерсСвСтрахЛиц", PathForm::Position)};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг РасчетСВ не может содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг РасчетСВ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга РасчетСВ - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
