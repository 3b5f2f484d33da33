#include "model/rsv502/sums.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::ElemRules;
using rsv502::Presence;

bool TRSV502ColLic::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ColLic;
  static constexpr AttrField<T> kAttrs[] = {
      Int32Attr("КолВсегоПер", &T::КолВсегоПер), Int32Attr("Кол1Посл3М", &T::Кол1Посл3М),
      Int32Attr("Кол2Посл3М", &T::Кол2Посл3М), Int32Attr("Кол3Посл3М", &T::Кол3Посл3М)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа КолЛицТип - ",
      .badInteger = "Атрибут элемента типа КолЛицТип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа КолЛицТип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvSum1::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvSum1;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумВсегоПер", &T::СумВсегоПер), AmountAttr("Сум1Посл3М", &T::Сум1Посл3М),
      AmountAttr("Сум2Посл3М", &T::Сум2Посл3М), AmountAttr("Сум3Посл3М", &T::Сум3Посл3М)};
  static constexpr ElemRules<T> kRules{
      .attributes = Presence::Required,
      .attributesMessage = "Элемент типа СвСум1Тип должен содержать атрибуты.",
      .unknownAttribute = "Неизвестный атрибут элемента типа СвСум1Тип - ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа СвСум1Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
