#include "model/rsv502/sums.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502ColLic::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ColLic;
  static constexpr AttrField<T> kAttrs[] = {
      Int32Attr("КолВсегоПер", &T::КолВсегоПер), Int32Attr("Кол1Посл3М", &T::Кол1Посл3М),
      Int32Attr("Кол2Посл3М", &T::Кол2Посл3М), Int32Attr("Кол3Посл3М", &T::Кол3Посл3М)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("КолЛицТип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvSum1::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvSum1;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумВсегоПер", &T::СумВсегоПер), AmountAttr("Сум1Посл3М", &T::Сум1Посл3М),
      AmountAttr("Сум2Посл3М", &T::Сум2Посл3М), AmountAttr("Сум3Посл3М", &T::Сум3Посл3М)};
  static constexpr Rules<T> kRules{.tag = "СвСум1Тип", .attributes = Required(kTypeMustContainAttributes),
                                   .children = Forbidden(kTypeMustNotContainChildren), .unknown = kUnknownOfType,
                                   .values = Values(kTypeAttributeNotNumeric), .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
