#include "model/rsv505/tariffs.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505SvReestrOrg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvReestrOrg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаЗапОрг", &T::ДатаЗапОрг),
                                            TextAttr("НомЗапОрг", &T::НомЗапОрг)};
  static constexpr Rules<T> kRules = ValuesTagRules<T>("СвРеестрОрг", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505PravTarif3_18_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505PravTarif3_18_1_427;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("КодПлат", &T::КодПлат), Int64Attr("Дох427_Пер", &T::Дох427_Пер),
      Int64Attr("ДохКр5.427_Пер", &T::ДохКр5_427_Пер), AmountAttr("ДолДох5.427_Пер", &T::ДолДох5_427_Пер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::СвРеестрОрг>("СвРеестрОрг"),
                                            Child<&T::СвСвидУдРег>("СвСвидУдРег")};
  static constexpr Rules<T> kRules = TagRules<T>("ПравТариф3_18.1.427", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505PravTarif13_2_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505PravTarif13_2_427;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодПлат", &T::КодПлат),
                                            Int64Attr("Дох26.2Пред", &T::Дох26_2Пред),
                                            Int64Attr("Дох26.2Пер", &T::Дох26_2Пер),
                                            Int64Attr("ДохОснПред", &T::ДохОснПред),
                                            Int64Attr("ДохОснПер", &T::ДохОснПер),
                                            AmountAttr("ДолДох13.2.427Пред", &T::ДолДох13_2_427Пред),
                                            AmountAttr("ДолДох13.2.427Пер", &T::ДолДох13_2_427Пер)};
  static constexpr Rules<T> kRules{.tag = "ПравТариф13.2.427", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Forbidden(kTagMustNotContainChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvedObuch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvedObuch;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("УникНомер", &T::УникНомер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СведФормОбуч>("СведФормОбуч"),
                                            Child<&T::СведСтудОтряд>("СведСтудОтряд"),
                                            Child<&T::СвРеестрМДО>("СвРеестрМДО")};
  static constexpr Rules<T> kRules = TagRules<T>("СведОбуч", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvPrimTarif20_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvPrimTarif20_1_427;
  static constexpr ChildField<T> kKids[] = {Child<&T::СведОбуч>("СведОбуч", kListNumber)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СвПримТариф20.1.427", kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
