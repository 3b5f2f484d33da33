#include "model/rsv502/benefits.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::Child;
using rsv502::ChildField;
using rsv502::ElemRules;
using rsv502::Presence;

bool TRSV502RashOSS1::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS1;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхОСС1Тип - ",
      .badInteger = "Атрибут элемента типа РасхОСС1Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхОСС1Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS2::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS2;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислСлуч", &T::ЧислСлуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхОСС2Тип - ",
      .badInteger = "Атрибут элемента типа РасхОСС2Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхОСС2Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS3::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS3;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхОСС3Тип - ",
      .badInteger = "Атрибут элемента типа РасхОСС3Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхОСС3Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS4::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS4;
  static constexpr AttrField<T> kAttrs[] = {AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхОСС4Тип - ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхОСС4Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashOSS5::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashOSS5;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("КолВыпл", &T::КолВыпл), AmountAttr("РасхВсего", &T::РасхВсего),
                                            AmountAttr("РасхФинФБ", &T::РасхФинФБ)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхОСС5Тип - ",
      .badInteger = "Атрибут элемента типа РасхОСС5Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхОСС5Тип не должен содержать дочерних элементов.",
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
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг РасхОССЗак не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг РасхОССЗак не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга РасхОССЗак - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl1Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl1Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), AmountAttr("Расход", &T::Расход)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхВыпл1Тип - ",
      .badInteger = "Атрибут элемента типа РасхВыпл1Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхВыпл1Тип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502RashVypl2Type::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502RashVypl2Type;
  static constexpr AttrField<T> kAttrs[] = {Int32Attr("ЧислПолуч", &T::ЧислПолуч), Int32Attr("КолВыпл", &T::КолВыпл),
                                            AmountAttr("Расход", &T::Расход)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа РасхВыпл2Тип - ",
      .badInteger = "Атрибут элемента типа РасхВыпл2Тип ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа РасхВыпл2Тип не должен содержать дочерних элементов.",
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
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Элемент типа ВыпФинФБТип не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Элемент типа ВыпФинФБТип не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент в типе ВыпФинФБТип - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SemipalatPolygon::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SemipalatPolygon;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг СемипалатПолигон не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СемипалатПолигон не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СемипалатПолигон - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502DopFZ255::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502DopFZ255;
  static constexpr ChildField<T> kKids[] = {Child<&T::Всего>("Всего"), Child<&T::ПосВрНетр>("ПосВрНетр"),
                                            Child<&T::ПосБеремРод>("ПосБеремРод")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг ДопФЗ255 не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ДопФЗ255 не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ДопФЗ255 - ",
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
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг Итого не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга Итого - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг Итого не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга Итого - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
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
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг ВыплФинФБ не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ВыплФинФБ не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ВыплФинФБ - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
