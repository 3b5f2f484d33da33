#include "model/common/format5.h"

#include <array>

namespace orsvelt {

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

void TakeOverAll(TElem& parent, const TElem& child) {
  TakeOver(parent.Errors, child.Errors);
  TakeOver(parent.Warnings, child.Warnings);
}

}  // namespace

bool TFIO::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TFIO>, 3> kAttrs{
      TextAttr("Фамилия", &TFIO::Фамилия), TextAttr("Имя", &TFIO::Имя), TextAttr("Отчество", &TFIO::Отчество)};
  if (!e.HasAttributes()) AddError(path + ": В тэге \"Фамилия, имя, отчество\" должны быть атрибуты.");
  ReadAttributes<TFIO>(*this, e, kAttrs, path + ": Неизвестный атрибут с именем ", "");
  return Errors.empty();
}

bool TUdLichn::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TUdLichn>, 4> kAttrs{
      TextAttr("КодВидДок", &TUdLichn::КодВидДок), TextAttr("СерНомДок", &TUdLichn::СерНомДок),
      TextAttr("ВыдДок", &TUdLichn::ВыдДок), TextAttr("ДатаДок", &TUdLichn::ДатаДок)};
  const std::string tag = "\"Сведения о документе, удостоверяющем личность\"";
  if (!e.HasAttributes()) AddError(path + ": В тэге " + tag + " отсутствуют атрибуты.");
  ReadAttributes<TUdLichn>(*this, e, kAttrs, path + ": Недопустимый атрибут с именем \"", "\" в тэге " + tag);
  if (e.HasChildren())
    AddError(path + ": В тэге " + tag + " присутствуют дочерние тэги, не предусмотренные форматом.");
  return Errors.empty();
}

bool TAddrRF::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TAddrRF>, 9> kAttrs{
      TextAttr("Индекс", &TAddrRF::Индекс),         TextAttr("КодРегион", &TAddrRF::КодРегион),
      TextAttr("Район", &TAddrRF::Район),           TextAttr("Город", &TAddrRF::Город),
      TextAttr("НаселПункт", &TAddrRF::НаселПункт), TextAttr("Улица", &TAddrRF::Улица),
      TextAttr("Дом", &TAddrRF::Дом),               TextAttr("Корпус", &TAddrRF::Корпус),
      TextAttr("Кварт", &TAddrRF::Кварт)};
  const std::string tag = "\"Адрес в Российской Федерации\"";
  if (!e.HasAttributes()) AddError(path + ": В тэге " + tag + " отсутствуют атрибуты.");
  ReadAttributes<TAddrRF>(*this, e, kAttrs, path + ": Недопустимый атрибут с именем \"", "\" в тэге " + tag);
  if (e.HasChildren())
    AddError(path + ": В тэге " + tag + " присутствуют дочерние тэги, не предусмотренные форматом.");
  return Errors.empty();
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
    if (child.Name() == "ФИО") {
      auto& fio = NewChild(ФИО);
      fio.Load(child, path + " - ФИО");
      TakeOverAll(*this, fio);
    } else if (child.Name() == "СвПред") {
      auto& pred = NewChild(СвПред);
      pred.Load(child, path + " - СвПред");
      TakeOverAll(*this, pred);
    } else {
      AddError(path + ": Недопустимый дочерний элемент с именем " + std::string(child.Name()));
    }
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
  if (child.Name() == "ФИОИП") {
    auto& fio = NewChild(ФИОИП);
    fio.Load(child, path + " - ФИОИП");
    TakeOverAll(*this, fio);
  } else {
    AddError(path + ": Недопустимый дочерний элемент с именем " + std::string(child.Name()));
  }
  return Errors.empty();
}

bool TSvedPL::Load(TXMLElement e, const std::string& path) {
  Clear();
  static constexpr std::array<AttrField<TSvedPL>, 3> kAttrs{TextAttr("ДатаРожд", &TSvedPL::ДатаРожд),
                                                            TextAttr("МестоРожд", &TSvedPL::МестоРожд),
                                                            TextAttr("Гражд", &TSvedPL::Гражд)};
  const std::string tag = "\"Сведения о физическом лице, не являющемся индивидуальным предпринимателем\"";
  if (!e.HasAttributes()) AddError(path + ": В тэге " + tag + " отсутствуют обязательные атрибуты.");
  ReadAttributes<TSvedPL>(*this, e, kAttrs, path + ": Неизвестный атрибут - ", "");
  if (!e.HasChildren()) AddError(path + ": В тэге " + tag + " должны присутствовать дочерние элементы.");
  for (const TXMLElement child : e.Children()) {
    if (child.Name() == "УдЛичнФЛ")
      LoadChild(NewChild(УдЛичнФЛ), child, path + " - УдЛичнФЛ", Errors);
    else if (child.Name() == "АдрМЖРФ")
      LoadChild(NewChild(АдрМЖРФ), child, path + " - АдрМЖРФ", Errors);
    else
      AddError(path + ": Неизвестный дочерний элемент - " + std::string(child.Name()));
  }
  return Errors.empty();
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
