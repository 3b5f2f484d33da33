#include "model/rsv502/tariffs.h"

#include "model/rsv502/loader.h"

namespace orsvelt {

using rsv502::Child;
using rsv502::ChildField;
using rsv502::ElemRules;
using rsv502::PathForm;
using rsv502::Presence;

bool TRSV502SvReestrOrg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvReestrOrg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаЗапАкОрг", &T::ДатаЗапАкОрг),
                                            TextAttr("НомЗапАкОрг", &T::НомЗапАкОрг)};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга СвРеестрОрг - ",
                                       .children = Presence::Forbidden,
                                       .childrenMessage = "Тэг СвРеестрОрг не должен содержать дочерних элементов.",
                                       .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvSvidUdReg::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvSvidUdReg;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаРег", &T::ДатаРег), TextAttr("РегНом", &T::РегНом)};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга СвСвидУдРег - ",
                                       .children = Presence::Forbidden,
                                       .childrenMessage = "Тэг СвСвидУдРег не должен содержать дочерних элементов.",
                                       .attrs = kAttrs};
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
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут элемента ПравТариф3.1.427 - ",
                                       .badInteger = "Атрибут элемента ПравТариф3.1.427 ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Элемент ПравТариф3.1.427 не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ПравТариф3.1.427 - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502PravTarif7_1_427::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502PravTarif7_1_427;
  static constexpr AttrField<T> kAttrs[] = {
      Int64Attr("ДохВсПред", &T::ДохВсПред),           Int64Attr("ДохВсПер", &T::ДохВсПер),
      Int64Attr("ДохЦелПостПред", &T::ДохЦелПостПред), Int64Attr("ДохЦелПостПер", &T::ДохЦелПостПер),
      Int64Attr("ДохГрантПред", &T::ДохГрантПред),     Int64Attr("ДохГрантПер", &T::ДохГрантПер),
      Int64Attr("ДохЭкДеятПред", &T::ДохЭкДеятПред),   Int64Attr("ДохЭкДеятПер", &T::ДохЭкДеятПер),
      AmountAttr("ДолДохПред", &T::ДолДохПред),        AmountAttr("ДолДохПер", &T::ДолДохПер)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента ПравТариф7.1.427 - ",
      .badInteger = "Атрибут элемента ПравТариф7.1.427 ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент ПравТариф7.1.427 не должен содержать дочерних элементов.",
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
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг ПравТариф15.1.427 не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга ПравТариф15.1.427 - ",
                                       .badInteger = "Атрибут элемента типа ПравТариф15.1.427 ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг ПравТариф15.1.427 не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга ПравТариф15.1.427 - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvInoGrazhd::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvInoGrazhd;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ИННФЛ", &T::ИННФЛ), TextAttr("СНИЛС", &T::СНИЛС),
                                            TextAttr("Гражд", &T::Гражд)};
  static constexpr ChildField<T> kKids[] = {Child<&T::ФИО>("ФИО"), Child<&T::СумВыплат>("СумВыплат")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг СвИноГражд не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга СвИноГражд - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СвИноГражд не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СвИноГражд - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvPrimTarif2_2_425::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvPrimTarif2_2_425;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплатИт>("ВыплатИт"),
                                            Child<&T::СвИноГражд>("СвИноГражд", PathForm::Blank)};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг СвПримТариф2.2.425 не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СвПримТариф2.2.425 не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СвПримТариф2.2.425 - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SpravType::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SpravType;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Дата", &T::Дата), TextAttr("Номер", &T::Номер)};
  static constexpr ElemRules<T> kRules{
      .unknownAttribute = "Неизвестный атрибут элемента типа СправТип - ",
      .children = Presence::Forbidden,
      .childrenMessage = "Элемент типа СправТип не должен содержать дочерних элементов.",
      .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvReestrMDO::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvReestrMDO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("НаимМДО", &T::НаимМДО), TextAttr("ДатаЗапис", &T::ДатаЗапис),
                                            TextAttr("НомерЗапис", &T::НомерЗапис)};
  static constexpr ElemRules<T> kRules{.unknownAttribute = "Неизвестный атрибут тэга СвРеестрМДО - ",
                                       .children = Presence::Forbidden,
                                       .childrenMessage = "Тэг СвРеестрМДО не должен содержать дочерних элементов.",
                                       .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvedObuch::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvedObuch;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("УникНомер", &T::УникНомер)};
  static constexpr ChildField<T> kKids[] = {
      Child<&T::ФИО>("ФИО"), Child<&T::СведФормОбуч>("СведФормОбуч"), Child<&T::СумВыплат>("СумВыплат"),
      Child<&T::СведСтудОтряд>("СведСтудОтряд"), Child<&T::СвРеестрМДО>("СвРеестрМДО")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Required,
                                       .attributesMessage = "Тэг СведОбуч не содержит атрибутов.",
                                       .unknownAttribute = "Неизвестный атрибут тэга СведОбуч - ",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СведОбуч не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СведОбуч - ",
                                       .attrs = kAttrs,
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TRSV502SvPrimTarif1_3_422::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502SvPrimTarif1_3_422;
  static constexpr ChildField<T> kKids[] = {Child<&T::ВыплатИт>("ВыплатИт"), Child<&T::СведОбуч>("СведОбуч")};
  static constexpr ElemRules<T> kRules{.attributes = Presence::Forbidden,
                                       .attributesMessage = "Тэг СвПримТариф1.3.422 не должен содержать атрибутов.",
                                       .children = Presence::Required,
                                       .childrenMessage = "Тэг СвПримТариф1.3.422 не содержит дочерних элементов.",
                                       .unknownChild = "Неизвестный элемент тэга СвПримТариф1.3.422 - ",
                                       .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

}  // namespace orsvelt
