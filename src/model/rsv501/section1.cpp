#include "model/rsv501/section1.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501UplPer::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501UplPer;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК), AmountAttr("СумСВУплПер", &T::СумСВУплПер),
                                            AmountAttr("СумСВУпл1М", &T::СумСВУпл1М),
                                            AmountAttr("СумСВУпл2М", &T::СумСВУпл2М),
                                            AmountAttr("СумСВУпл3М", &T::СумСВУпл3М)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainAnyChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .childrenFirst = true};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501UplPerOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501UplPerOSS;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумСВУплПер", &T::СумСВУплПер), AmountAttr("СумСВУпл1М", &T::СумСВУпл1М),
      AmountAttr("СумСВУпл2М", &T::СумСВУпл2М), AmountAttr("СумСВУпл3М", &T::СумСВУпл3М)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainAnyChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .childrenFirst = true};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501PrevRashOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501PrevRashOSS;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("ПревРасхСВПер", &T::ПревРасхСВПер), AmountAttr("ПревРасхСВ1М", &T::ПревРасхСВ1М),
      AmountAttr("ПревРасхСВ2М", &T::ПревРасхСВ2М), AmountAttr("ПревРасхСВ3М", &T::ПревРасхСВ3М)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainAnyChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .childrenFirst = true};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501UplPrevOSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501UplPrevOSS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КБК", &T::КБК)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::УплПерОСС>("УплПерОСС"),
                                                Child<&T::ПревРасхОСС>("ПревРасхОСС")};
  static constexpr Rules<T> kRules{.tag = "УплПревОСС", .attributes = Required(kNamedTagMustContainAttributes),
                                   .unknown = kUnknownNamed, .values = kValuesNotNumberOrSum, .attrs = kAttrs,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_OPS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_OPS;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"),   Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::ПревБазОПС>("ПревБазОПС"),         Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"),       Child<&T::БазНачислСВ>("БазНачислСВ"),
      Child<&T::БазПревышОПС>("БазПревышОПС"),     Child<&T::НачислСВ>("НачислСВ"),
      Child<&T::НачислСВНеПрев>("НачислСВНеПрев"), Child<&T::НачислСВПрев>("НачислСВПрев")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAnyAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_OMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_OMS;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),   Child<&T::НеОбложенСВ>("НеОбложенСВ"),
      Child<&T::БазНачислСВ>("БазНачислСВ"),     Child<&T::НачислСВ>("НачислСВ")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAnyAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_428_1_2::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_428_1_2;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрОснСВДоп", &T::ПрОснСВДоп)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДоп>("БазНачислСВДоп"),
      Child<&T::НачислСВДоп>("НачислСВДоп")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_428_3::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_428_3;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодОснов", &T::КодОснов), TextAttr("ОсновЗап", &T::ОсновЗап),
                                            TextAttr("КласУслТруд", &T::КласУслТруд)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДоп>("БазНачислСВДоп"),
      Child<&T::НачислСВДоп>("НачислСВДоп")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_OPS428::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_OPS428;
  static constexpr ChildField<T> kChildren[] = {Child<&T::РасчСВ_428_1_2>("РасчСВ_428.1-2"),
                                                Child<&T::РасчСВ_428_3>("РасчСВ_428.3")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAnyAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSV_DSO::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSV_DSO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрРасчСум", &T::ПрРасчСум)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолЛицНачСВ>("КолЛицНачСВ"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"), Child<&T::БазНачислСВДСО>("БазНачислСВДСО"),
      Child<&T::НачислСВДСО>("НачислСВДСО")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSv_OPS_OMS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSv_OPS_OMS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ТарифПлат", &T::ТарифПлат)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::РасчСВ_ОПС>("РасчСВ_ОПС"), Child<&T::РасчСВ_ОМС>("РасчСВ_ОМС"),
      Child<&T::РасчСВ_ОПС428>("РасчСВ_ОПС428"), Child<&T::РасчСВ_ДСО>("РасчСВ_ДСО")};
  static constexpr Rules<T> kRules{.tag = "РасчСВ_ОПС_ОМС", .attributes = Required(kNamedTagMustContainAttributes),
                                   .children = Required(kNamedTagMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501UplSVprevType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501UplSVprevType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Признак", &T::Признак), AmountAttr("Сумма", &T::Сумма)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501UplSVprev::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501UplSVprev;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::УплВсегоПер>("УплВсегоПер"), Child<&T::УплВсегоПосл3М>("УплВсегоПосл3М"),
      Child<&T::Упл1Посл3М>("Упл1Посл3М"),   Child<&T::Упл2Посл3М>("Упл2Посл3М"),
      Child<&T::Упл3Посл3М>("Упл3Посл3М")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RaschSv_OSS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschSv_OSS;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПризВыпл", &T::ПризВыпл)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),
      Child<&T::НеОбложенСВ>("НеОбложенСВ"),     Child<&T::БазПревышСВ>("БазПревышСВ"),
      Child<&T::БазНачислСВ>("БазНачислСВ"),     Child<&T::БазНачСВФарм>("БазНачСВФарм"),
      Child<&T::БазНачСВЧлЭС>("БазНачСВЧлЭС"),   Child<&T::БазНачСВПат>("БазНачСВПат"),
      Child<&T::БазНачСВИнЛиц>("БазНачСВИнЛиц"), Child<&T::НачислСВ>("НачислСВ"),
      Child<&T::ПроизвРасхСО>("ПроизвРасхСО"),   Child<&T::ВозмРасхСО>("ВозмРасхСО"),
      Child<&T::УплСВПрев>("УплСВПрев")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501ObyazPlatSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501ObyazPlatSV;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::УплПерОПС>("УплПерОПС", kDashName),
      Child<&T::УплПерОМС>("УплПерОМС", kDashName),
      Child<&T::УплПерОПСДоп>("УплПерОПСДоп", kSiblingNumberSpaced),
      Child<&T::УплПерДСО>("УплПерДСО", kSiblingNumberSpaced),
      Child<&T::УплПревОСС>("УплПревОСС", kDashName),
      Child<&T::РасчСВ_ОПС_ОМС>("РасчСВ_ОПС_ОМС", kSiblingNumberSpaced),
      Child<&T::РасчСВ_ОСС_ВНМ>("РасчСВ_ОСС.ВНМ", kDashName),
      Child<&T::РасхОССЗак>("РасхОССЗак", kDashName),
      Child<&T::ВыплФинФБ>("ВыплФинФБ", kDashName),
      Child<&T::ПравТариф3_1_427>("ПравТариф3.1.427", kDashName),
      Child<&T::ПравТариф5_1_427>("ПравТариф5.1.427", kDashName),
      Child<&T::ПравТариф7_1_427>("ПравТариф7.1.427", kDashName),
      Child<&T::СвПримТариф9_1_427>("СвПримТариф9.1.427", kDashName),
      Child<&T::СвПримТариф2_2_425>("СвПримТариф2.2.425", kDashName),
      Child<&T::СвПримТариф1_3_422>("СвПримТариф1.3.422", kDashName)};
  static constexpr Rules<T> kRules{.tag = "ОбязПлатСВ", .attributes = Required(kNamedTagMustContainAttributes),
                                   .children = Required(kNamedTagMustContainChildElements),
                                   .unknown = {kNamedTagUnknownAttribute, kNamedTagUnknownChildTag},
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
