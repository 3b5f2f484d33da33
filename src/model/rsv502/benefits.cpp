#include "model/rsv502/benefits.h"

#include "model/rsv502/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv502;

bool TRSV502RashOSS1::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS1;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.tag = "РасхОСС1Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS2::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS2;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules{.tag = "РасхОСС2Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS3::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS3;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules{.tag = "РасхОСС3Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS4::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS4;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.tag = "РасхОСС4Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS5::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS5;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules{.tag = "РасхОСС5Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSSZak::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSSZak;
  static constexpr ChildField<T> kKids[] = {Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосВрНетрСов>("ПосВрНетрСов"),
                                            Child<&T::ПосВрНетрИн>("ПосВрНетрИн"),
                                            Child<&T::ПосВрНетрИнСов>("ПосВрНетрИнСов"),
                                            Child<&T::БеремРод>("БеремРод"),
                                            Child<&T::БеремРодСов>("БеремРодСов"),
                                            Child<&T::ЕдПосРанБерем>("ЕдПосРанБерем"),
                                            Child<&T::ЕдПосРожд>("ЕдПосРожд"),
                                            Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),
                                            Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"),
                                            Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2"),
                                            Child<&T::ОплДопВыхИнв>("ОплДопВыхИнв"),
                                            Child<&T::СВДопУходИнв>("СВДопУходИнв"),
                                            Child<&T::СоцПосПогреб>("СоцПосПогреб"),
                                            Child<&T::Итого>("Итого"),
                                            Child<&T::НачНевыплПос>("НачНевыплПос")};
  static constexpr Rules<T> kRules{.tag = "РасхОССЗак", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl1Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl1Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules{.tag = "РасхВыпл1Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl2Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl2Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules{.tag = "РасхВыпл2Тип", .children = Forbidden(kTypeMustNotContainChildren),
                                   .unknown = kUnknownOfType, .values = Values(kTypeAttributeNotNumeric),
                                   .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502VypFinFBType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VypFinFBType;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"),
                                            Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосБеремРод>("ПосБеремРод"),
                                            Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),
                                            Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"),
                                            Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2")};
  static constexpr Rules<T> kRules{.tag = "ВыпФинФБТип", .attributes = Forbidden(kTypeMustNotContainAttributes),
                                   .children = Required(kTypeContainsNoChildren),
                                   .unknown = {.child = kUnknownChildInType}, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SemipalatPolygon::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SemipalatPolygon;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр")};
  static constexpr Rules<T> kRules{.tag = "СемипалатПолигон", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502DopFZ255::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502DopFZ255;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосБеремРод>("ПосБеремРод")};
  static constexpr Rules<T> kRules{.tag = "ДопФЗ255", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502Itogo::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502Itogo;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("СВВнФУходИнв", &T::СВВнФУходИнв)};
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"),
                                            Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосБеремРод>("ПосБеремРод"),
                                            Child<&T::ЕжПосУходРеб>("ЕжПосУходРеб"),
                                            Child<&T::ЕжПосУходРеб1>("ЕжПосУходРеб1"),
                                            Child<&T::ЕжПосУходРеб2>("ЕжПосУходРеб2"),
                                            Child<&T::ОплДопВыхИнв>("ОплДопВыхИнв")};
  static constexpr Rules<T> kRules{.tag = "Итого", .attributes = Required(kTagContainsNoAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .values = Values(kTagAttributeNotNumeric), .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502VyplFinFB::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502VyplFinFB;
  static constexpr ChildField<T> kKids[] = {Child<&T::ЧернобАЭС>("ЧернобАЭС"),
                                            Child<&T::ПОМаяк>("ПОМаяк"),
                                            Child<&T::СемипалатПолигон>("СемипалатПолигон"),
                                            Child<&T::ПодрОсобРиск>("ПодрОсобРиск"),
                                            Child<&T::ДопФЗ255>("ДопФЗ255"),
                                            Child<&T::Итого>("Итого")};
  static constexpr Rules<T> kRules{.tag = "ВыплФинФБ", .attributes = Forbidden(kTagMustNotContainAttributes),
                                   .children = Required(kTagContainsNoChildren), .unknown = kUnknownOfTag,
                                   .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
