#include "model/rsv502/kfh.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::Child;
using rsv502::ChildField;
using rsv502::ElemRules;
using rsv502::PathForm;
using rsv502::Presence;

bool TRSV502SumSvUpl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SumSvUpl;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК), AmountAttr("СумСВУплПер", &T::СумСВУплПер)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа СумСВУплТип - ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа СумСВУплТип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvedChlKFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvedChlKFH;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ),
                                            TextAttr("СНИЛС", &T::СНИЛС),
                                            TextAttr("ДатаРожд", &T::ДатаРожд),
                                            TextAttr("Пол", &T::Пол),
                                            TextAttr("КодВидДок", &T::КодВидДок),
                                            TextAttr("СерНомДок", &T::СерНомДок),
                                            TextAttr("ДатаНачЧлКФХ", &T::ДатаНачЧлКФХ),
                                            TextAttr("ДатаКонЧлКФХ", &T::ДатаКонЧлКФХ),
                                            AmountAttr("НачислСВОПС", &T::НачислСВОПС),
                                            AmountAttr("НачислСВОМС", &T::НачислСВОМС)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО")};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга СведЧлКФХ - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СведЧлКФХ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СведЧлКФХ - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_KFH;
  static constexpr ChildField<T> kKids[] = {Child<&T::СведЧлКФХ>("СведЧлКФХ", PathForm::Index)};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг РасчСВ_КФХ не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг РасчСВ_КФХ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга РасчСВ_КФХ - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502ObyazPlatSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ObyazPlatSV_KFH;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОПС>("УплПерОПС"), Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::РасчСВ_КФХ>("РасчСВ_КФХ")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг ОбязПлатСВ_КФХ не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга ОбязПлатСВ_КФХ - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ОбязПлатСВ_КФХ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ОбязПлатСВ_КФХ - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
