#include "model/rsv505/paid_persons.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505SvFLVypl6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLVypl6_2_431;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),
                                            TextAttr("Гражд", &T::Гражд)};
  static constexpr AttrField<T> kAttrs507[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),         TextAttr("Гражд", &T::Гражд),
      TextAttr("ДатаРожд", &T::ДатаРожд), TextAttr("Пол", &T::Пол), TextAttr("КодВидДок", &T::КодВидДок),
      TextAttr("СерНомДок", &T::СерНомДок)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат")};
  static constexpr ChildField<T> kKids507[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат"),
                                               Child<&T::БазаИсч>("БазаИсч")};
  static constexpr Rules<T> kRules{.tag = "СвФЛВыпл6.2.431", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  static constexpr Rules<T> kRules507{.tag = "СвФЛВыпл6.2.431", .attributes = Required(kTagContainsNoAttributes),
                                      .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                      .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs507,
                                      .kids = kKids507};
  static constexpr EditionRules<T> kByEdition[] = {{Edition::V505, &kRules}, {Edition::V507, &kRules507}};
  return LoadElement(*this, e, path, RulesFor(edition, kByEdition));
}

bool TRSV505SvFLIsch6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLIsch6_2_431;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвФЛВыпл6_2_431>("СвФЛВыпл6.2.431", kListNumber)};
  static constexpr Rules<T> kRules{.tag = "СвФЛИсч6.2.431", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvFLVypl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLVypl;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС)};
  static constexpr AttrField<T> kAttrs508[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),         TextAttr("ДатаРожд", &T::ДатаРожд),
      TextAttr("Пол", &T::Пол),     TextAttr("КодВидДок", &T::КодВидДок), TextAttr("СерНомДок", &T::СерНомДок)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат"),
                                            Child<&T::БазаИсч>("БазаИсч")};
  static constexpr Rules<T> kRules{.tag = "СвФЛВыпл", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  static constexpr Rules<T> kRules508{.tag = "СвФЛВыпл", .attributes = Required(kTagContainsNoAttributes),
                                      .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                      .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs508, .kids = kKids};
  static constexpr EditionRules<T> kByEdition[] = {{Edition::V505, &kRules}, {Edition::V508, &kRules508}};
  return LoadElement(*this, e, path, RulesFor(edition, kByEdition));
}

bool TRSV505SvPrimTarif4_425::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvPrimTarif4_425;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвФЛВыпл>("СвФЛВыпл", kListNumber)};
  static constexpr Rules<T> kRules{.tag = "СвПримТариф4.425", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505RaschSV_OSS_VNM::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505RaschSV_OSS_VNM;
  static constexpr ChildField<T> kKids[] = {
      Child<&T::КолСтрахЛицВс>("КолСтрахЛицВс"), Child<&T::КолЛицНачСВВс>("КолЛицНачСВВс"),
      Child<&T::ВыплНачислФЛ>("ВыплНачислФЛ"),   Child<&T::НеОбложенСВ>("НеОбложенСВ"),
      Child<&T::БазПревышСВ>("БазПревышСВ"),     Child<&T::БазИсчислОСС>("БазИсчислОСС"),
      Child<&T::ИсчислОСС>("ИсчислОСС"),         Child<&T::БазИсчислОМС>("БазИсчислОМС"),
      Child<&T::ИсчислОМС>("ИсчислОМС")};
  static constexpr Rules<T> kRules{.tag = "РасчСВ_ОСС.ВНМ", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505ObyazPlatSV_6_1_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505ObyazPlatSV_6_1_431;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПревОСС>("УплПревОСС"), Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::РасчСВ_ОСС_ВНМ>("РасчСВ_ОСС.ВНМ"),
                                            Child<&T::СвПримТариф4_425>("СвПримТариф4.425")};
  static constexpr Rules<T> kRules{.tag = "ОбязПлатСВ_6.1.431", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
