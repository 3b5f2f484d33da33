#include "model/rsv505/document.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505OrgPL::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505OrgPL;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("ОГРНИП", &T::ОГРНИП)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО")};
  static constexpr Rules<T> kRules = TagRules<T>("НПФЛ", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvNP::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvNP;
  // Both attributes are optional: a branch of places 222 and 335 gives neither.
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("СрЧисл", &T::СрЧисл), TextAttr("Тлф", &T::Тлф)};
  static constexpr ChildField<T> kKids[] = {Child<&T::НПЮЛ>("НПЮЛ"), Child<&T::НПФЛ>("НПФЛ")};
  static constexpr Rules<T> kRules{.tag = "СвНП", .children = Required(kTagContainsNoChildren),
                                   .unknown = kUnknownOfTag, .values = Values(kTagAttributeNotNumeric),
                                   .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505Document::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505Document;
  TRSV502PersonHandOff::RestartCurrent();
  static constexpr AttrField<T> kAttrs[] = {
      RawTextAttr("КНД", &T::КНД),       TextAttr("ДатаДок", &T::ДатаДок),    Int32Attr("НомКорр", &T::НомКорр),
      RawTextAttr("Период", &T::Период), Int32Attr("ОтчетГод", &T::ОтчетГод), TextAttr("КодНО", &T::КодНО),
      TextAttr("ПоМесту", &T::ПоМесту)};
  static constexpr ChildField<T> kKids[] = {Child<&T::СвНП>("СвНП"), Child<&T::Подписант>("Подписант"),
                                            Child<&T::РасчетСВ>("РасчетСВ")};
  // A number that does not convert stays -1, which the analysis reads as absent.
  static constexpr Rules<T> kRules{.tag = "Документ",
                                   .attributes = Required(kNamedTagContainsNoAttributesUnreadable),
                                   .children = Required(kNamedTagContainsNoChildTagsUnreadable),
                                   .unknown = kUnknownOfTag,
                                   .values = {.notNumber = kTagAttributeNotNumeric, .notAmount = kValueNotSum},
                                   .attrs = kAttrs,
                                   .kids = kKids,
                                   .brokenRuleEndsReading = true};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
