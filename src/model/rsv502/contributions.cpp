#include "model/rsv502/contributions.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502SvUplPer::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvUplPer;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("КБК", &T::КБК), AmountAttr("СумСВУплПер", &T::СумСВУплПер), AmountAttr("СумСВУпл1М", &T::СумСВУпл1М),
      AmountAttr("СумСВУпл2М", &T::СумСВУпл2М), AmountAttr("СумСВУпл3М", &T::СумСВУпл3М)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("СВУплПерТип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502UplPerOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502UplPerOSS;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумСВУплПер", &T::СумСВУплПер), AmountAttr("СумСВУпл1М", &T::СумСВУпл1М),
      AmountAttr("СумСВУпл2М", &T::СумСВУпл2М), AmountAttr("СумСВУпл3М", &T::СумСВУпл3М)};
  static constexpr Rules<T> kRules{.tag = "УплПерОСС", .children = Forbidden(kElementMustNotContainChildren),
                                   .unknown = kUnknownOfElement, .values = Values(kElementAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PrevRashOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PrevRashOSS;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("ПревРасхСВПер", &T::ПревРасхСВПер), AmountAttr("ПревРасхСВ1М", &T::ПревРасхСВ1М),
      AmountAttr("ПревРасхСВ2М", &T::ПревРасхСВ2М), AmountAttr("ПревРасхСВ3М", &T::ПревРасхСВ3М)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("ПревРасхОСС", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502UplPrevOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502UplPrevOSS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПерОСС>("УплПерОСС"), Child<&T::ПревРасхОСС>("ПревРасхОСС")};
  static constexpr Rules<T> kRules{.tag = "УплПревОСС", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_OPS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_OPS;
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::ПревБазОПС>("ПревБазОПС"),       Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"),     Child<&T::РасхПринВыч>("РасхПринВыч"),
      Child<&T::БазНачислСВ>("БазНачислСВ"),     Child<&T::БазПревышОПС>("БазПревышОПС"),
      Child<&T::НачислСВ>("НачислСВ"),           Child<&T::НачислСВНеПрев>("НачислСВНеПрев"),
      // From 2021 the base within the limit has its own line (051).
      Child<&T::БазНеПревышОПС>("БазНеПревышОПС").From(Edition::V503)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_ОПС", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_OMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_OMS;
  static constexpr ChildField<T> kKids[] = {Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"),
                                            Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
                                            Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
                                            Child<&T::НеОбложенСВ>("НеОбложенСВ"),
                                            Child<&T::РасхПринВыч>("РасхПринВыч"),
                                            Child<&T::БазНачислСВ>("БазНачислСВ"),
                                            Child<&T::НачислСВ>("НачислСВ")};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_ОМС", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV428_12::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV428_12;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрОснСВДоп", &T::ПрОснСВДоп)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДоп>("БазНачислСВДоп"),
      Child<&T::НачислСВДоп>("НачислСВДоп")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_428.1-2", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV428_3::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV428_3;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодОснов", &T::КодОснов),
                                            TextAttr("КласУслТруд", &T::КласУслТруд)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДоп>("БазНачислСВДоп"),
      Child<&T::НачислСВДоп>("НачислСВДоп")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_428.3", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_OPS428::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_OPS428;
  static constexpr ChildField<T> kKids[] = {Child<&T::РасчСВ_428_1_2>("РасчСВ_428.1-2", kSiblingNumber),
                                            Child<&T::РасчСВ_428_3>("РасчСВ_428.3", kSiblingNumber)};
  static constexpr Rules<T> kRules{.tag = "РасчСВ_ОПС428", .attributes = Forbidden(kTagCannotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

// The wording names "СведЧлКФХ", as the program has always reported it.
bool TRSV502RaschSV_DSO::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_DSO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрРасчСум", &T::ПрРасчСум)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДСО>("БазНачислСВДСО"),
      Child<&T::НачислСВДСО>("НачислСВДСО")};
  static constexpr Rules<T> kRules{.tag = "СведЧлКФХ", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSvOPS_OMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSvOPS_OMS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТарифПлат", &T::ТарифПлат)};
  static constexpr ChildField<T> kKids[] = {Child<&T::РасчСВ_ОПС>("РасчСВ_ОПС"), Child<&T::РасчСВ_ОМС>("РасчСВ_ОМС"),
                                            Child<&T::РасчСВ_ОПС428>("РасчСВ_ОПС428"),
                                            Child<&T::РасчСВ_ДСО>("РасчСВ_ДСО", kSiblingNumber)};
  static constexpr Rules<T> kRules{.tag = "РасчСВ_ОПС_ОМС", .attributes = Required(kTagMustContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfType,
                                   .values = Values(kTypeAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RaschSV_OMS_VNMKod::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSV_OMS_VNMKod;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТарифПлат", &T::ТарифПлат), TextAttr("ПризВыпл", &T::ПризВыпл)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),   Child<&T::НеОбложенСВ>("НеОбложенСВ"),
      Child<&T::БазПревышСВ>("БазПревышСВ"),     Child<&T::БазНачислСВ>("БазНачислСВ"),
      Child<&T::БазНачислСВИн>("БазНачислСВИн"), Child<&T::НачислСВ>("НачислСВ")};
  static constexpr Rules<T> kRules = TagRules<T>("РасчСВ_ОСС.ВНМКод", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502UplSVPrevType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502UplSVPrevType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Признак", &T::Признак), AmountAttr("Сумма", &T::Сумма)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("УплСВПревТип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502UplSVPrev::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502UplSVPrev;
  static constexpr ChildField<T> kKids[] = {Child<&T::УплВсегоПер>("УплВсегоПер"), Child<&T::Упл1Посл3М>("Упл1Посл3М"),
                                            Child<&T::Упл2Посл3М>("Упл2Посл3М"), Child<&T::Упл3Посл3М>("Упл3Посл3М")};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("УплСВПрев", kKids);
  return LoadElement(*this, e, path, kRules);
}

// Attributes are forbidden here, though the wording is that of a missing one.
bool TRSV502RaschSvOSS_VNM::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RaschSvOSS_VNM;
  static constexpr ChildField<T> kKids[] = {Child<&T::РасчСВ_ОСС_ВНМКод>("РасчСВ_ОСС.ВНМКод"),
                                            Child<&T::ПроизвРасхСО>("ПроизвРасхСО"),
                                            Child<&T::ВозмРасхСО>("ВозмРасхСО"), Child<&T::УплСВПрев>("УплСВПрев")};
  static constexpr Rules<T> kRules{.tag = "РасчСВ_ОСС.ВНМ", .attributes = Forbidden(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
