#include "model/common/format5.h"

#include <array>

#include "model/common/element_wordings.h"

namespace orsvelt {

using namespace element;

namespace {

// Every element here reports an attribute of an unknown name the same way: a fixed
// wording around the name.
template <class T>
void ReadAttributes(T& obj, TXMLElement e, std::span<const AttrField<T>> table, const std::string& before,
                    const std::string& after) {
  LoadAttributes(
      obj, e, table, [&](std::string_view name) { obj.AddError(before + std::string(name) + after); },
      [](const AttrField<T>&) {});
}

}  // namespace

bool TFIO::Load(TXMLElement e, const std::string& path) {
  using T = TFIO;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("Фамилия", &T::Фамилия), TextAttr("Имя", &T::Имя),
                                            TextAttr("Отчество", &T::Отчество)};
  static constexpr Rules<T> kRules{.tag = "\"Фамилия, имя, отчество\"", .attributes = Required(kInTagMustBeAttributes),
                                   .unknown = {.attribute = kUnknownAttributeNamed}, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TUdLichn::Load(TXMLElement e, const std::string& path) {
  using T = TUdLichn;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("КодВидДок", &T::КодВидДок), TextAttr("СерНомДок", &T::СерНомДок),
                                            TextAttr("ВыдДок", &T::ВыдДок), TextAttr("ДатаДок", &T::ДатаДок)};
  static constexpr Rules<T> kRules{.tag = "\"Сведения о документе, удостоверяющем личность\"",
                                   .attributes = Required(kInTagNoAttributes),
                                   .children = Forbidden(kInTagChildTagsNotProvided),
                                   .unknown = {.attribute = kAttributeNotAllowedInTag}, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TAddrRF::Load(TXMLElement e, const std::string& path) {
  using T = TAddrRF;
  static constexpr AttrField<T> kAttrs[] = {
      TextAttr("Индекс", &T::Индекс),         TextAttr("КодРегион", &T::КодРегион), TextAttr("Район", &T::Район),
      TextAttr("Город", &T::Город),           TextAttr("НаселПункт", &T::НаселПункт), TextAttr("Улица", &T::Улица),
      TextAttr("Дом", &T::Дом),               TextAttr("Корпус", &T::Корпус),       TextAttr("Кварт", &T::Кварт)};
  static constexpr Rules<T> kRules{.tag = "\"Адрес в Российской Федерации\"",
                                   .attributes = Required(kInTagNoAttributes),
                                   .children = Forbidden(kInTagChildTagsNotProvided),
                                   .unknown = {.attribute = kAttributeNotAllowedInTag}, .attrs = kAttrs};
  return LoadElement(*this, e, path, kRules);
}

bool TSvPred::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TSvPred>, 2> kAttrs{TextAttr("НаимДок", &TSvPred::НаимДок),
                                                             TextAttr("НаимОрг", &TSvPred::НаимОрг)};
  const std::size_t count = e.AttributeCount();
  if (count < 1 || count > 2) {
    AddError(path +
             ": В тэге \"Сведения о представителе плательщика страховых взносов\" должно быть один или два "
             "атрибута.");
  } else {
    ReadAttributes<TSvPred>(*this, e, kAttrs, path + ": Недопустимый атрибут ", "");
  }
  return Errors.empty();
}

bool TPodpisant::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TPodpisant>, 1> kAttrs{Int32Attr("ПрПодп", &TPodpisant::ПрПодп)};
  if (e.AttributeCount() != 1) {
    AddError(path + ": В тэге \"Сведения о лице, подписавшем документ\" должен быть ровно один атрибут.");
  } else {
    LoadAttributes<TPodpisant>(
        *this, e, kAttrs,
        [&](std::string_view name) { AddError(path + ": Недопустимый атрибут " + std::string(name)); },
        [&](const AttrField<TPodpisant>&) {
          AddError(path + ": Неверное значение реквизита \"Признак лица, подписавшего документ\".");
        });
  }
  for (const TXMLElement child : e.Children()) {
    if (child.Name() == "ФИО")
      LoadChild(NewChild(ФИО), child, path + " - ФИО", Errors);
    else if (child.Name() == "СвПред")
      LoadChild(NewChild(СвПред), child, path + " - СвПред", Errors);
    else
      AddError(path + ": Недопустимый дочерний элемент с именем " + std::string(child.Name()));
  }
  return Errors.empty();
}

bool TOrgUL::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TOrgUL>, 3> kAttrs{
      TextAttr("НаимОрг", &TOrgUL::НаимОрг), TextAttr("ИННЮЛ", &TOrgUL::ИННЮЛ), TextAttr("КПП", &TOrgUL::КПП)};
  static constexpr std::array<AttrField<TOrgUL>, 3> kReorgAttrs{TextAttr("ФормРеорг", &TOrgUL::ФормРеорг),
                                                                TextAttr("ИННЮЛ", &TOrgUL::СвРеоргЮЛ_ИННЮЛ),
                                                                TextAttr("КПП", &TOrgUL::СвРеоргЮЛ_КПП)};
  const std::string tag = "\"Сведения о юридическом лице\"";
  if (e.AttributeCount() != 3) {
    AddError(path + ": В тэге " + tag + " должно быть ровно 3 атрибута.");
  } else {
    ReadAttributes<TOrgUL>(*this, e, kAttrs, path + ": Недопустимый атрибут с именем \"", "\" в тэге " + tag);
  }
  const std::string reorgTag = "\"Сведения о реорганизованной (ликвидированной) организации\"";
  for (const TXMLElement child : e.Children()) {
    if (child.Name() != "СвРеоргЮЛ") {
      AddError(path + ": Недопустимый дочерний тэг с именем \"" + std::string(child.Name()) + "\" в тэге " + tag);
      continue;
    }
    const std::size_t count = child.AttributeCount();
    if (count != 1 && count != 3)
      AddError(path + " - СвРеоргЮЛ: Тэг " + reorgTag + " должен содержать 1 или 3 элемента.");
    ReadAttributes<TOrgUL>(*this, child, kReorgAttrs, path + " - СвРеоргЮЛ: Недопустимый атрибут ",
                           " в тэге " + reorgTag + ".");
  }
  return Errors.empty();
}

bool TOrgIP::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TOrgIP>, 1> kAttrs{TextAttr("ИННФЛ", &TOrgIP::ИННФЛ)};
  const std::string tag =
      "\"Сведения об индивидуальном предпринимателе, главе крестьянского (фермерского) хозяйства\"";
  if (e.AttributeCount() != 1)
    AddError(path + ": В тэге " + tag + " должен быть ровно один атрибут.");
  else
    ReadAttributes<TOrgIP>(*this, e, kAttrs, path + ": Недопустимый атрибут с именем ", "");
  if (e.ChildCount() != 1) {
    AddError(path + ": В тэге " + tag + " должен быть ровно один дочерний элемент.");
    return Errors.empty();
  }
  const TXMLElement child = *e.Children().begin();
  if (child.Name() == "ФИОИП")
    LoadChild(NewChild(ФИОИП), child, path + " - ФИОИП", Errors);
  else
    AddError(path + ": Недопустимый дочерний элемент с именем " + std::string(child.Name()));
  return Errors.empty();
}

bool TSvedPL::Load(TXMLElement e, const std::string& path) {
  using T = TSvedPL;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ДатаРожд", &T::ДатаРожд), TextAttr("МестоРожд", &T::МестоРожд),
                                            TextAttr("Гражд", &T::Гражд)};
  static constexpr ChildField<T> kKids[] = {ChildEntry<&T::УдЛичнФЛ>("УдЛичнФЛ", kDashName),
                                            ChildEntry<&T::АдрМЖРФ>("АдрМЖРФ", kDashName)};
  static constexpr Rules<T> kRules{
      .tag = "\"Сведения о физическом лице, не являющемся индивидуальным предпринимателем\"",
      .attributes = Required(kInTagNoRequiredAttributes), .children = Required(kInTagMustBeChildElements),
      .unknown = {kUnknownAttributeDash, kUnknownChildElementDash}, .attrs = kAttrs, .kids = kKids};
  return LoadElement(*this, e, path, kRules);
}

bool TOrgPL::Load(TXMLElement e, const std::string& path) {
  Clear();
  const std::string tag = "\"Плательщик страховых взносов - физическое лицо, не являющееся ИП\"";
  if (e.HasAttributes()) AddError(path + ": В тэге " + tag + " присутствие атрибутов не допускается.");
  if (!e.HasChildren()) AddError(path + ": В тэге " + tag + " должны присутствовать дочерние тэги.");
  int n = 0;
  for (const TXMLElement child : e.Children()) {
    ++n;
    if (child.Name() == "ФИО")
      LoadChild(NewChild(ФИО), child, path + " - ФИО [" + std::to_string(n) + "]", Errors);
    else if (child.Name() == "ИННФЛ")
      ИННФЛ = DecodeEntities(Trim(child.Text()));
    else if (child.Name() == "СвНПФЛ")
      LoadChild(NewChild(СвНПФЛ), child, path + " - СвНПФЛ [" + std::to_string(n) + "]", Errors);
    else
      AddError(path + ": Недопустимое имя дочернего тэга: " + std::string(child.Name()));
  }
  return Errors.empty();
}

}  // namespace orsvelt
