#include "model/rsv505/paid_persons.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV505SvFLVypl6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLVypl6_2_431;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ),
      TextAttr("СНИЛС", &T::СНИЛС),
      TextAttr("Гражд", &T::Гражд),
      TextAttr("ДатаРожд", &T::ДатаРожд).From(Edition::V507),
      TextAttr("Пол", &T::Пол).From(Edition::V507),
      TextAttr("КодВидДок", &T::КодВидДок).From(Edition::V507),
      TextAttr("СерНомДок", &T::СерНомДок).From(Edition::V507)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат"),
                                            Child<&T::БазаИсч>("БазаИсч").From(Edition::V507)};
  static constexpr Rules<T> kRules = TagRules<T>("СвФЛВыпл6.2.431", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvFLIsch6_2_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLIsch6_2_431;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвФЛВыпл6_2_431>("СвФЛВыпл6.2.431", kListNumber)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СвФЛИсч6.2.431", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvFLVypl::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvFLVypl;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("ИННФЛ", &T::ИННФЛ),
      TextAttr("СНИЛС", &T::СНИЛС),
      TextAttr("ДатаРожд", &T::ДатаРожд).From(Edition::V508),
      TextAttr("Пол", &T::Пол).From(Edition::V508),
      TextAttr("КодВидДок", &T::КодВидДок).From(Edition::V508),
      TextAttr("СерНомДок", &T::СерНомДок).From(Edition::V508)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат"),
                                            Child<&T::БазаИсч>("БазаИсч")};
  static constexpr Rules<T> kRules = TagRules<T>("СвФЛВыпл", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505SvPrimTarif4_425::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505SvPrimTarif4_425;
  static constexpr ChildField<T> kKids[] = {Child<&T::СвФЛВыпл>("СвФЛВыпл", kListNumber)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СвПримТариф4.425", kKids);
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
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасчСВ_ОСС.ВНМ", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV505ObyazPlatSV_6_1_431::Load(TXMLElement e, const std::string& path) {
  using T = TRSV505ObyazPlatSV_6_1_431;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКТМО", &T::ОКТМО)};
  static constexpr ChildField<T> kKids[] = {Child<&T::УплПревОСС>("УплПревОСС"), Child<&T::УплПерОМС>("УплПерОМС"),
                                            Child<&T::РасчСВ_ОСС_ВНМ>("РасчСВ_ОСС.ВНМ"),
                                            Child<&T::СвПримТариф4_425>("СвПримТариф4.425")};
  static constexpr Rules<T> kRules = TagRules<T>("ОбязПлатСВ_6.1.431", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
