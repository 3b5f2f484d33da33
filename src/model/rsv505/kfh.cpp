#include "model/rsv505/kfh.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505PerOsv::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505PerOsv;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодОсв", &T::КодОсв), TextAttr("ДатаНачОсв", &T::ДатаНачОсв),
                                            TextAttr("ДатаКонОсв", &T::ДатаКонОсв)};
  static constexpr Rules<T> kRules{.tag = "ПерОсв", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Forbidden(kTagMustNotContainChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505PerKFHRasch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505PerKFHRasch;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаНачЧлКФХ", &T::ДатаНачЧлКФХ),
                                            TextAttr("ДатаКонЧлКФХ", &T::ДатаКонЧлКФХ),
                                            AmountAttr("ИсчСВПер", &T::ИсчСВПер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ПерОсв>("ПерОсв", kListNumber)};
  static constexpr Rules<T> kRules{.tag = "ПерКФХРасч", .attributes = Required(kTagContainsNoAttributes),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric),
                                   .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvedChlKFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvedChlKFH;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("РасчСост", &T::РасчСост),   TextAttr("ПрПрекр", &T::ПрПрекр),     TextAttr("ИННФЛ", &T::ИННФЛ),
      TextAttr("СНИЛС", &T::СНИЛС),         TextAttr("ДатаРожд", &T::ДатаРожд),   TextAttr("Пол", &T::Пол),
      TextAttr("КодВидДок", &T::КодВидДок), TextAttr("СерНомДок", &T::СерНомДок),
      AmountAttr("ИсчСВРасчПер", &T::ИсчСВРасчПер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::ПерКФХРасч>("ПерКФХРасч", kListNumber)};
  static constexpr Rules<T> kRules = TagRules<T>("СведЧлКФХ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSV_KFH;
  static constexpr ChildField<T> kKids[] = {Child<&T::СведЧлКФХ>("СведЧлКФХ", kListNumber)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_КФХ", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505ObyazPlatSV_KFH::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505ObyazPlatSV_KFH;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОПСОМС>("УплПерОПСОМС"),
                                            Child<&T::УплПерОМС>("УплПерОМС"), Child<&T::РасчСВ_КФХ>("РасчСВ_КФХ")};
  static constexpr Rules<T> kRules = TagRules<T>("ОбязПлатСВ_КФХ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
