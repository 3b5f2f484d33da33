#include "model/rsv502/persons.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502SvVyplMK::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVyplMK;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("Месяц", &T::Месяц),
                                            TextAttr("КодКатЛиц", &T::КодКатЛиц),
                                            AmountAttr("СумВыпл", &T::СумВыпл),
                                            AmountAttr("ВыплОПС", &T::ВыплОПС),
                                            AmountAttr("ВыплОПСДог", &T::ВыплОПСДог),
                                            AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr AttrField<T> kAttrs508[] = {Int32Attr("Месяц", &T::Месяц),
                                               TextAttr("КодКатЛиц", &T::КодКатЛиц),
                                               AmountAttr("СумВыпл", &T::СумВыпл),
                                               AmountAttr("СумВыплДог", &T::СумВыплДог),
                                               AmountAttr("ВыплОПС", &T::ВыплОПС),
                                               AmountAttr("ВыплОПСДог", &T::ВыплОПСДог),
                                               AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr Rules<T> kRules{.tag = "СвВыплМК", .children = Forbidden(kTagMustNotContainChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric),
                                   .attrs = kAttrs};
  static constexpr Rules<T> kRules508{.tag = "СвВыплМК", .children = Forbidden(kTagMustNotContainChildren),
                                      .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric),
                                      .attrs = kAttrs508};
  static constexpr EditionRules<T> kByEdition[] = {{Edition::V502, &kRules}, {Edition::V508, &kRules508}};
  return LoadElement(*this, e, path, RulesFor(edition, kByEdition));
}

bool TRSV502SvVypl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVypl;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвВыплМК>("СвВыплМК", kListIndex)};
  static constexpr Rules<T> kRules{.tag = "СвВыпл", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  const bool read = LoadElement(*this, e, path, kRules);
  // A person's list has about three months, for which the growing list keeps room for four;
  // 100 000 persons of the main file live through the whole run.
  СвВыплМК.shrink_to_fit();
  return read;
}

bool TRSV502VyplSVDopMT::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VyplSVDopMT;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("Месяц", &T::Месяц), TextAttr("КодСтрахЛиц", &T::КодСтрахЛиц),
                                            AmountAttr("ВыплСВ", &T::ВыплСВ), AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr Rules<T> kRules{.tag = "ВыплСВДопМТ", .children = Forbidden(kTagMustNotContainChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502VyplSVDop::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VyplSVDop;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплСВДопМТ>("ВыплСВДопМТ", kListIndex)};
  static constexpr Rules<T> kRules{.tag = "ВыплСВДоп", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvVyplSVOPS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvVyplSVOPS;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвВыпл>("СвВыпл"), Child<&T::ВыплСВДоп>("ВыплСВДоп")};
  static constexpr Rules<T> kRules{.tag = "СвВыплСВОПС", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
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
  static constexpr Rules<T> kRules{.tag = "ДанФЛПолуч", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PersSvStrakhLic::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PersSvStrakhLic;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ПрАннулир", &T::ПрАннулир)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ДанФЛПолуч>("ДанФЛПолуч"), Child<&T::СвВыплСВОПС>("СвВыплСВОПС")};
  static constexpr Rules<T> kRules{.tag = "ПерсСвСтрахЛиц", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
