#include "model/rsv502/persons.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::Child;
using rsv502::ChildField;
using rsv502::ElemRules;
using rsv502::PathForm;
using rsv502::Presence;

bool TRSV502SvVyplMK::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVyplMK;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("Месяц", &T::Месяц),
                                            TextAttr("КодКатЛиц", &T::КодКатЛиц),
                                            AmountAttr("СумВыпл", &T::СумВыпл),
                                            AmountAttr("ВыплОПС", &T::ВыплОПС),
                                            AmountAttr("ВыплОПСДог", &T::ВыплОПСДог),
                                            AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга СвВыплМК - ",
                                       .badInteger = "Атрибут тэга СвВыплМК ",
                                       .children = Presence::Forbidden,
                                       .childrenMessage = "Тэг СвВыплМК не должен содержать дочерних элементов.",
                                       .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvVypl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVypl;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвВыплМК>("СвВыплМК", PathForm::Index)};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг СвВыпл не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СвВыпл не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СвВыпл - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502VyplSVDopMT::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VyplSVDopMT;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("Месяц", &T::Месяц), TextAttr("КодСтрахЛиц", &T::КодСтрахЛиц),
                                            AmountAttr("ВыплСВ", &T::ВыплСВ), AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга ВыплСВДопМТ - ",
                                       .badInteger = "Атрибут тэга ВыплСВДопМТ ",
                                       .children = Presence::Forbidden,
                                       .childrenMessage = "Тэг ВыплСВДопМТ не должен содержать дочерних элементов.",
                                       .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502VyplSVDop::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VyplSVDop;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплСВДопМТ>("ВыплСВДопМТ", PathForm::Index)};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг ВыплСВДоп не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ВыплСВДоп не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ВыплСВДоп - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvVyplSVOPS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVyplSVOPS;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвВыпл>("СвВыпл"), Child<&T::ВыплСВДоп>("ВыплСВДоп")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг СвВыплСВОПС не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СвВыплСВОПС не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СвВыплСВОПС - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502DanFLPoluch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502DanFLPoluch;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ),        TextAttr("СНИЛС", &T::СНИЛС), TextAttr("ДатаРожд", &T::ДатаРожд),
      TextAttr("Гражд", &T::Гражд),        TextAttr("Пол", &T::Пол),     TextAttr("КодВидДок", &T::КодВидДок),
      TextAttr("СерНомДок", &T::СерНомДок)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО")};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга ДанФЛПолуч - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ДанФЛПолуч не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ДанФЛПолуч - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PersSvStrakhLic::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PersSvStrakhLic;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрАннулир", &T::ПрАннулир)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ДанФЛПолуч>("ДанФЛПолуч"), Child<&T::СвВыплСВОПС>("СвВыплСВОПС")};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга ПерсСвСтрахЛиц - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ПерсСвСтрахЛиц не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ПерсСвСтрахЛиц - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
