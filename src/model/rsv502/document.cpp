#include "model/rsv502/document.h"

#include <array>

namespace orsvelt {

namespace {

// "СвНП": the payer, an organisation or a natural person, with two attributes of the
// title page.
void LoadSvNP(TRSV502Document& doc, TXMLElement e, const std::string& path) {
  using T = TRSV502Document;
  static constexpr std::array<AttrField<T>, 2> kAttrs{TextAttr("ОКВЭД", &T::ОКВЭД), TextAttr("Тлф", &T::Тлф)};
  if (!e.HasAttributes())
    doc.AddError(path +
                 ": Тэг должен иметь хотя бы один атрибут. Проверьте заполнение реквизита \"Код по ОКВЭД\" на "
                 "титульном листе формы.");
  else
    LoadAttributes<T>(
        doc, e, kAttrs, [](std::string_view) {}, [](const AttrField<T>&) {});
  if (e.ChildCount() != 1) {
    doc.AddError(path +
                 ": Тэг должен содержать только один дочерний элемент. Проверьте заполнение реквизитов "
                 "налогоплательщика на титульном листе формы.");
    return;
  }
  const TXMLElement child = *e.Children().begin();
  const std::string childPath = path + " - " + std::string(child.Name());
  if (child.Name() == "НПЮЛ")
    LoadChild(NewChild(doc.НПЮЛ), child, childPath, doc.Errors);
  else if (child.Name() == "НПФЛ")
    LoadChild(NewChildOf(doc, doc.НПФЛ), child, childPath, doc.Errors);
  else
    doc.AddError(path + ": Неизвестное имя дочернего элемента - " + std::string(child.Name()));
}

}  // namespace

bool TRSV502Document::Load(TXMLElement e, const std::string& path) {
  using T = TRSV502Document;
  TRSV502PersonHandOff::RestartCurrent();
  const Edition readAs = edition;
  Clear();
  edition = readAs;
  if (!e.HasAttributes()) {
    AddError(path + ": Тэг Документ не содержит атрибутов. Чтение невозможно.");
    return false;
  }
  if (!e.HasChildren()) {
    AddError(path + ": Тэг Документ не содержит дочерних тэгов. Чтение невозможно.");
    return false;
  }
  static constexpr std::array<AttrField<T>, 7> kAttrs{
      RawTextAttr("КНД", &T::КНД),       TextAttr("ДатаДок", &T::ДатаДок),    Int32Attr("НомКорр", &T::НомКорр),
      RawTextAttr("Период", &T::Период), Int32Attr("ОтчетГод", &T::ОтчетГод), TextAttr("КодНО", &T::КодНО),
      TextAttr("ПоМесту", &T::ПоМесту)};
  // A number that does not convert is left at -1, which the analysis reads as absent.
  LoadAttributes<T>(
      *this, e, kAttrs, [](std::string_view) {}, [&](const AttrField<T>& f) { ResetAttr(*this, f, -1); });
  for (const TXMLElement child : e.Children()) {
    const std::string_view name = child.Name();
    if (name == "СвНП")
      LoadSvNP(*this, child, path + " - СвНП");
    else if (name == "Подписант")
      LoadChild(NewChild(Подписант), child, path + " - Подписант", Errors);
    else if (name == "РасчетСВ")
      LoadChild(NewChildOf(*this, РасчетСВ), child, path + " - РасчетСВ", Errors);
    else
      AddError(path + ": Неизвестный дочерний элемент - " + std::string(name));
  }
  return Errors.empty();
}

}  // namespace orsvelt
