#include "model/rsv501/section3.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501DanFLPoluch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501DanFLPoluch;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ),         TextAttr("СНИЛС", &T::СНИЛС),         TextAttr("ДатаРожд", &T::ДатаРожд),
      TextAttr("Гражд", &T::Гражд),         TextAttr("Пол", &T::Пол),             TextAttr("КодВидДок", &T::КодВидДок),
      TextAttr("СерНомДок", &T::СерНомДок), TextAttr("ПризОПС", &T::ПризОПС),     TextAttr("ПризОМС", &T::ПризОМС),
      TextAttr("ПризОСС", &T::ПризОСС)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::ФИО>("ФИО")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvVyplMK::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvVyplMK;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("Месяц", &T::Месяц),           TextAttr("КодКатЛиц", &T::КодКатЛиц),
      AmountAttr("СумВыпл", &T::СумВыпл),     AmountAttr("ВыплОПС", &T::ВыплОПС),
      AmountAttr("ВыплОПСДог", &T::ВыплОПСДог), AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kMustNotContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvVyplVpFL::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvVyplVpFL;
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("СумВыплВс3", &T::СумВыплВс3), AmountAttr("ВыплОПСВс3", &T::ВыплОПСВс3),
      AmountAttr("ВыплОПСДогВс3", &T::ВыплОПСДогВс3), AmountAttr("НачислСВВс3", &T::НачислСВВс3)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::СвВыплМК>("СвВыплМК")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  const bool loaded = LoadElement(*this, e, path, kRules);
  // Three months as a rule, for which growing leaves room for four: in a large report the
  // spare places would weigh a tenth of its model.
  СвВыплМК.shrink_to_fit();
  return loaded;
}

bool TRSV501VyplSvDopMT::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501VyplSvDopMT;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Месяц", &T::Месяц), TextAttr("Тариф", &T::Тариф),
                                            AmountAttr("ВыплСВ", &T::ВыплСВ), AmountAttr("НачислСВ", &T::НачислСВ)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildTagsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvVyplFPDop::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvVyplFPDop;
  // Real files and the official schema end both names in the digit 3.
  static constexpr AttrField<T> kAttrs[] = {
      AmountAttr("ВыплСВВсЗ", &T::ВыплСВВсЗ), AmountAttr("НачислСВВсЗ", &T::НачислСВВсЗ),
      AmountAttr("ВыплСВВс3", &T::ВыплСВВсЗ), AmountAttr("НачислСВВс3", &T::НачислСВВсЗ)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::ВыплСВДопМТ>("ВыплСВДопМТ")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvVyplSVOPS::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvVyplSVOPS;
  static constexpr ChildField<T> kChildren[] = {Child<&T::СвВыпл>("СвВыпл"), Child<&T::ВыплСВДоп>("ВыплСВДоп")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501PersSvSL::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501PersSvSL;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("НомКорр", &T::НомКорр), TextAttr("Период", &T::Период),
                                            Int32Attr("ОтчетГод", &T::ОтчетГод), Int32Attr("Номер", &T::Номер),
                                            TextAttr("Дата", &T::Дата)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::ДанФЛПолуч>("ДанФЛПолуч"),
                                                Child<&T::СвВыплСВОПС>("СвВыплСВОПС")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
