#include "model/rsv502/tariffs.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502SvReestrOrg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvReestrOrg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаЗапАкОрг", &T::ДатаЗапАкОрг),
                                            TextAttr("НомЗапАкОрг", &T::НомЗапАкОрг)};
  static constexpr Rules<T> kRules = ValuesTagRules<T>("СвРеестрОрг", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvSvidUdReg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvSvidUdReg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаРег", &T::ДатаРег), TextAttr("РегНом", &T::РегНом)};
  static constexpr Rules<T> kRules = ValuesTagRules<T>("СвСвидУдРег", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PravTarif3_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PravTarif3_1_427;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("СрЧисл_9МПр", &T::СрЧисл_9МПр),
                                            Int32Attr("СрЧисл_Пер", &T::СрЧисл_Пер),
                                            Int64Attr("Дох248_9МПр", &T::Дох248_9МПр),
                                            Int64Attr("Дох248_Пер", &T::Дох248_Пер),
                                            Int64Attr("ДохКр5.427_9МПр", &T::ДохКр5_427_9МПр),
                                            Int64Attr("ДохКр5.427_Пер", &T::ДохКр5_427_Пер),
                                            AmountAttr("ДолДох5.427_9МПр", &T::ДолДох5_427_9МПр),
                                            AmountAttr("ДолДох5.427_Пер", &T::ДолДох5_427_Пер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::СвРеестрОрг>("СвРеестрОрг"),
                                            Child<&T::СвСвидУдРег>("СвСвидУдРег")};
  static constexpr Rules<T> kRules{.tag = "ПравТариф3.1.427", .children = Required(kElementContainsNoChildren),
                                   .unknown = kUnknownOfElement, .values = Values(kElementAttributeNotNumeric),
                                   .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PravTarif7_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PravTarif7_1_427;
  static constexpr AttrField<T> kAttrs[] = {
      Int64Attr("ДохВсПред", &T::ДохВсПред),           Int64Attr("ДохВсПер", &T::ДохВсПер),
      Int64Attr("ДохЦелПостПред", &T::ДохЦелПостПред), Int64Attr("ДохЦелПостПер", &T::ДохЦелПостПер),
      Int64Attr("ДохГрантПред", &T::ДохГрантПред),     Int64Attr("ДохГрантПер", &T::ДохГрантПер),
      Int64Attr("ДохЭкДеятПред", &T::ДохЭкДеятПред),   Int64Attr("ДохЭкДеятПер", &T::ДохЭкДеятПер),
      AmountAttr("ДолДохПред", &T::ДолДохПред),        AmountAttr("ДолДохПер", &T::ДолДохПер),
      // From 2025 (line 041): incomes under agreements on employing disabled persons.
      Int64Attr("ДохИнвПред", &T::ДохИнвПред).From(Edition::V507),
      Int64Attr("ДохИнвПер", &T::ДохИнвПер).From(Edition::V507)};
  static constexpr Rules<T> kRules{.tag = "ПравТариф7.1.427", .children = Forbidden(kElementMustNotContainChildren),
                                   .unknown = kUnknownOfElement, .values = Values(kElementAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PravTarif15_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PravTarif15_1_427;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("СрЧисл_9МПр", &T::СрЧисл_9МПр),
                                            Int32Attr("СрЧисл_Пер", &T::СрЧисл_Пер),
                                            Int64Attr("Дох248_9МПр", &T::Дох248_9МПр),
                                            Int64Attr("Дох248_Пер", &T::Дох248_Пер),
                                            Int64Attr("ДохКр12.427_9МПр", &T::ДохКр12_427_9МПр),
                                            Int64Attr("ДохКр12.427_Пер", &T::ДохКр12_427_Пер),
                                            AmountAttr("ДолДох12.427_9МПр", &T::ДолДох12_427_9МПр),
                                            AmountAttr("ДолДох12.427_Пер", &T::ДолДох12_427_Пер)};
  static constexpr ChildField<T> kKids[] = {Child<&T::СвРеестрОрг>("СвРеестрОрг")};
  static constexpr Rules<T> kRules{.tag = "ПравТариф15.1.427", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTypeAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvInoGrazhd::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvInoGrazhd;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),
                                            TextAttr("Гражд", &T::Гражд)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат")};
  static constexpr Rules<T> kRules = TagRules<T>("СвИноГражд", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvPrimTarif2_2_425::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvPrimTarif2_2_425;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплатИт>("ВыплатИт"),
                                            Child<&T::СвИноГражд>("СвИноГражд", kSpaceName)};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СвПримТариф2.2.425", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SpravType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SpravType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Дата", &T::Дата), TextAttr("Номер", &T::Номер)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("СправТип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvReestrMDO::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvReestrMDO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("НаимМДО", &T::НаимМДО), TextAttr("ДатаЗапис", &T::ДатаЗапис),
                                            TextAttr("НомерЗапис", &T::НомерЗапис)};
  static constexpr Rules<T> kRules = ValuesTagRules<T>("СвРеестрМДО", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvedObuch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvedObuch;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("УникНомер", &T::УникНомер)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::ФИО>("ФИО"), Child<&T::СведФормОбуч>("СведФормОбуч"), Child<&T::СумВыплат>("СумВыплат"),
      Child<&T::СведСтудОтряд>("СведСтудОтряд"), Child<&T::СвРеестрМДО>("СвРеестрМДО")};
  static constexpr Rules<T> kRules = TagRules<T>("СведОбуч", kAttrs, kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvPrimTarif1_3_422::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvPrimTarif1_3_422;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплатИт>("ВыплатИт"), Child<&T::СведОбуч>("СведОбуч")};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СвПримТариф1.3.422", kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
