#include "model/rsv501/section2.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501SumSVUplType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SumSVUplType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК), AmountAttr("СумСВУплПер", &T::СумСВУплПер)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildTagsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvedChlKFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvedChlKFH;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ),
      TextAttr("СНИЛС", &T::СНИЛС),
      Int32Attr("ГодРожд", &T::ГодРожд),
      TextAttr("ДатаНачЧлКФХ", &T::ДатаНачЧлКФХ),
      TextAttr("ДатаКонЧлКФХ", &T::ДатаКонЧлКФХ),
      AmountAttr("НачислСВОПС", &T::НачислСВОПС),
      AmountAttr("НачислСВОМС", &T::НачислСВОМС)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::ФИО>("ФИО")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_KFH;
  static constexpr ChildField<T> kChildren[] = {Child<&T::СведЧлКФХ>("СведЧлКФХ")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501ObyazPlatSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501ObyazPlatSV_KFH;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::УплПерОПС>("УплПерОПС"), Child<&T::УплПерОМС>("УплПерОМС"),
                                                Child<&T::РасчСВ_КФХ>("РасчСВ_КФХ")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
