#include "model/rsv501/annex_tariffs.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501SvReestrAkOrg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvReestrAkOrg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаЗапАкОрг", &T::ДатаЗапАкОрг),
                                            TextAttr("НомЗапАкОрг", &T::НомЗапАкОрг)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

// Incomes are read as 64-bit integers: a yearly income above 2147483647 roubles is valid.
bool TRSV501PravTarif3_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501PravTarif3_1_427;
  static constexpr AttrField<T> kAttrs[] = {
      Int32Attr("СрЧисл_9МПр", &T::СрЧисл_9МПр),
      Int32Attr("СрЧисл_Пер", &T::СрЧисл_Пер),
      Int64Attr("Дох248_9МПр", &T::Дох248_9МПр),
      Int64Attr("Дох248_Пер", &T::Дох248_Пер),
      Int64Attr("ДохКр5.427_9МПр", &T::ДохКр5_427_9МПр),
      Int64Attr("ДохКр5.427_Пер", &T::ДохКр5_427_Пер),
      AmountAttr("ДолДох5.427_9МПр", &T::ДолДох5_427_9МПр),
      AmountAttr("ДолДох5.427_Пер", &T::ДолДох5_427_Пер)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::СвРеестрАкОрг>("СвРеестрАкОрг")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBeNumbers, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501PravTarif5_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501PravTarif5_1_427;
  static constexpr AttrField<T> kAttrs[] = {Int64Attr("Дох346.15Вс", &T::Дох346_15Вс),
                                            Int64Attr("Дох6.427", &T::Дох6_427),
                                            AmountAttr("ДолДох6.427", &T::ДолДох6_427)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildTagsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesMustBeNumbers, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501PravTarif7_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501PravTarif7_1_427;
  static constexpr AttrField<T> kAttrs[] = {
      Int64Attr("ДохВсПред", &T::ДохВсПред),         Int64Attr("ДохВсПер", &T::ДохВсПер),
      Int64Attr("ДохЦелПостПред", &T::ДохЦелПостПред), Int64Attr("ДохЦелПостПер", &T::ДохЦелПостПер),
      Int64Attr("ДохГрантПред", &T::ДохГрантПред),   Int64Attr("ДохГрантПер", &T::ДохГрантПер),
      Int64Attr("ДохЭкДеятПред", &T::ДохЭкДеятПред), Int64Attr("ДохЭкДеятПер", &T::ДохЭкДеятПер),
      AmountAttr("ДолДохПред", &T::ДолДохПред),      AmountAttr("ДолДохПер", &T::ДолДохПер)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildTagsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesMustBeNumbers, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvedPatent::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvedPatent;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("НомПатент", &T::НомПатент), TextAttr("ВидДеятПатент", &T::ВидДеятПатент),
      TextAttr("ДатаНачДейст", &T::ДатаНачДейст), TextAttr("ДатаКонДейст", &T::ДатаКонДейст)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::СумВыплат>("СумВыплат")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvPrimTarif9_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvPrimTarif9_1_427;
  static constexpr ChildField<T> kChildren[] = {Child<&T::ВыплатИт>("ВыплатИт"), Child<&T::СведПатент>("СведПатент")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvInoGrazhd::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvInoGrazhd;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),
                                            TextAttr("Гражд", &T::Гражд)};
  static constexpr ChildField<T> kChildren[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvPrimTarif2_2_425::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvPrimTarif2_2_425;
  static constexpr ChildField<T> kChildren[] = {Child<&T::ВыплатИт>("ВыплатИт"), Child<&T::СвИноГражд>("СвИноГражд")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SpravType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SpravType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Номер", &T::Номер), TextAttr("Дата", &T::Дата)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustHaveAttributes), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvReestrMDO::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvReestrMDO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("НаимМДО", &T::НаимМДО), TextAttr("ДатаЗапис", &T::ДатаЗапис),
                                            TextAttr("НомерЗапис", &T::НомерЗапис)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustHaveAttributes),
                                   .children = Forbidden(kChildTagsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvedObuch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvedObuch;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("УникНомер", &T::УникНомер)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::ФИО>("ФИО"), Child<&T::СправСтудОтряд>("СправСтудОтряд"), Child<&T::СправФормОбуч>("СправФормОбуч"),
      Child<&T::СумВыплат>("СумВыплат"), Child<&T::СвРеестрМДО>("СвРеестрМДО")};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SvPrimTarif1_3_422::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SvPrimTarif1_3_422;
  static constexpr ChildField<T> kChildren[] = {Child<&T::ВыплатИт>("ВыплатИт"), Child<&T::СведОбуч>("СведОбуч")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
