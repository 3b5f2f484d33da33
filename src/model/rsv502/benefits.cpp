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
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхОСС1Тип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS2::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS2;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхОСС2Тип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS3::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS3;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхОСС3Тип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS4::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS4;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхОСС4Тип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS5::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS5;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхОСС5Тип", kAttrs);
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
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("РасхОССЗак", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl1Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl1Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхВыпл1Тип", kAttrs);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl2Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl2Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("Расход", &T::Расход)};
  static constexpr Rules<T> kRules = ValuesTypeRules<T>("РасхВыпл2Тип", kAttrs);
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
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("СемипалатПолигон", kKids);
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502DopFZ255::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502DopFZ255;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосБеремРод>("ПосБеремРод")};
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("ДопФЗ255", kKids);
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
  static constexpr Rules<T> kRules = TagRules<T>("Итого", kAttrs, kKids);
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
  static constexpr Rules<T> kRules = ChildrenTagRules<T>("ВыплФинФБ", kKids);
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
