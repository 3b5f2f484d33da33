#include "model/rsv501/sum_groups.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501SvSum1::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvSum1;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумВсегоПер", &T::СумВсегоПер), AmountAttr("СумВсегоПосл3М", &T::СумВсегоПосл3М),
      AmountAttr("Сум1Посл3М", &T::Сум1Посл3М), AmountAttr("Сум2Посл3М", &T::Сум2Посл3М),
      AmountAttr("Сум3Посл3М", &T::Сум3Посл3М)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainAnyChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .childrenFirst = true};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501ColLic::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501ColLic;
  static constexpr AttrField<T> kAttrs[] = {
      Int32Attr("КолВсегоПер", &T::КолВсегоПер), Int32Attr("КолВсегоПосл3М", &T::КолВсегоПосл3М),
      Int32Attr("Кол1Посл3М", &T::Кол1Посл3М), Int32Attr("Кол2Посл3М", &T::Кол2Посл3М),
      Int32Attr("Кол3Посл3М", &T::Кол3Посл3М)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainAnyChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .childrenFirst = true};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
