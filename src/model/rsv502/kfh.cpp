#include "model/rsv502/kfh.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502SumSvUpl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SumSvUpl;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК), AmountAttr("СумСВУплПер", &T::СумСВУплПер)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("СумСВУплТип", kAttrs);
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
  static constexpr Rules<T> kRules{.tag = "СведЧлКФХ", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_KFH;
  static constexpr ChildField<T> kKids[] = {Child<&T::СведЧлКФХ>("СведЧлКФХ", kListIndex)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_КФХ", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502ObyazPlatSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502ObyazPlatSV_KFH;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОПС>("УплПерОПС"), Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::РасчСВ_КФХ>("РасчСВ_КФХ")};
  static constexpr Rules<T> kRules = TagRules<T>("ОбязПлатСВ_КФХ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
