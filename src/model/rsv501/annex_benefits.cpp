#include "model/rsv501/annex_benefits.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501RashOSS1Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashOSS1Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashOSS2Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashOSS2Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashOSS3Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashOSS3Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashOSS4Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashOSS4Type;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501OplDopVykhInv::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501OplDopVykhInv;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashOSSZak::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashOSSZak;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::ПосВрНетр>("ПосВрНетр"),         Child<&T::ПосВрНетрСов>("ПосВрНетрСов"),
      Child<&T::ПосВрНетрИн>("ПосВрНетрИн"),     Child<&T::ПосВрНетрИнСов>("ПосВрНетрИнСов"),
      Child<&T::БеремРод>("БеремРод"),           Child<&T::БеремРодСов>("БеремРодСов"),
      Child<&T::ЕдПосРанБерем>("ЕдПосРанБерем"), Child<&T::ЕдПосРожд>("ЕдПосРожд"),
      Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),   Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"),
      Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2"), Child<&T::ОплДопВыхИнв>("ОплДопВыхИнв"),
      Child<&T::СВДопУходИнв>("СВДопУходИнв"),   Child<&T::СоцПосПогреб>("СоцПосПогреб"),
      Child<&T::Итого>("Итого"),                 Child<&T::НачНевыплПос>("НачНевыплПос")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashVypl1Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashVypl1Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501RashVypl2Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RashVypl2Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501OplDopVykhInv_432::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501OplDopVykhInv_432;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules{.attributes = Required(kMustContainAttributes),
                                   .children = Forbidden(kChildElementsNotProvided), .unknown = kUnknownNamed,
                                   .values = kValuesNotNumberOrSum, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501VypFinFBType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501VypFinFBType;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::Всего>("Всего"),               Child<&T::ПосВрНетр>("ПосВрНетр"),
      Child<&T::ПосБеремРод>("ПосБеремРод"),   Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),
      Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"), Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501SemipalatPolygon::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501SemipalatPolygon;
  static constexpr ChildField<T> kChildren[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501DopFZ255::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501DopFZ255;
  static constexpr ChildField<T> kChildren[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр"),
                                                Child<&T::ПосБеремРод>("ПосБеремРод")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501Itogo::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501Itogo;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("СВВнФУходИнв", &T::СВВнФУходИнв)};
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::Всего>("Всего"),                 Child<&T::ПосВрНетр>("ПосВрНетр"),
      Child<&T::ПосБеремРод>("ПосБеремРод"),     Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),
      Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"), Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2"),
      Child<&T::ОплДопВыхИнв>("ОплДопВыхИнв")};
  // The schema makes СВВнФУходИнв optional, so its absence is no fault.
  static constexpr Rules<T> kRules{.children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .values = kValuesMustBe, .attrs = kAttrs, .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV501VyplFinFB::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501VyplFinFB;
  // The schema and real files name the totals "Всего"; "Итого" is read as well.
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::ЧернобАЭС>("ЧернобАЭС"),       Child<&T::ПОМаяк>("ПОМаяк"),
      Child<&T::СемипалатПолигон>("СемипалатПолигон"), Child<&T::ПодрОсобРиск>("ПодрОсобРиск"),
      Child<&T::ДопФЗ255>("ДопФЗ255"),         Child<&T::Итого>("Итого"),
      Child<&T::Итого>("Всего")};
  static constexpr Rules<T> kRules{.attributes = Forbidden(kMustNotContainAttributes),
                                   .children = Required(kMustContainChildTags), .unknown = kUnknownNamed,
                                   .kids = kChildren};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
