#include "model/rsv501/document.h"

#include "model/rsv501/loader.h"

namespace orsvelt {

using namespace rsv501;

bool TRSV501RaschetSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschetSV;
  static constexpr ChildField<T> kChildren[] = {
      Child<&T::ОбязПлатСВ, ChildPath::Plain>("ОбязПлатСВ"),
      Child<&T::ОбязПлатСВ_КФХ, ChildPath::Plain>("ОбязПлатСВ_КФХ"),
      Child<&T::ПерсСвСтрахЛиц, ChildPath::Parenthesized>("ПерсСвСтрахЛиц")};
  static constexpr ElementShape<T> kShape{
      .attrRule = {AttrRule::Forbidden, ": Тэг РасчетСВ не должен содержать атрибутов. Чтение невозможно."},
      .childRule = {ChildRule::Required, ": Тэг РасчетСВ должен содержать дочерние элементы. Чтение невозможно."},
      .children = kChildren,
      .stopOnShape = true,
      .unknownChild = ": Недопустимый дочерний элемент в тэге РасчетСВ - "};
  return LoadElement(*this, e, path, kShape);
}

namespace {

// "СвНП" lends its attributes to the document and holds exactly one taxpayer.
void LoadSvNP(TRSV501Document& doc, TXMLElement e, const std::string& path) {
  using T = TRSV501Document;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКВЭД", &T::ОКВЭД), TextAttr("Тлф", &T::Тлф)};
  static constexpr ChildField<T> kPayers[] = {Child<&T::НПЮЛ, ChildPath::Plain>("НПЮЛ"),
                                              Child<&T::НПИП, ChildPath::Plain>("НПИП"),
                                              Child<&T::НПФЛ, ChildPath::Plain>("НПФЛ")};
  const std::string here = path + " - СвНП";
  if (!e.HasAttributes())
    doc.AddError(here +
                 ": Тэг должен иметь хотя бы один атрибут. Проверьте заполнение реквизита \"Код по ОКВЭД\" на "
                 "титульном листе формы.");
  LoadAttributes<T>(doc, e, kAttrs, [](std::string_view) {}, [](const AttrField<T>&) {});
  if (e.ChildCount() != 1) {
    doc.AddError(here +
                 ": Тэг должен содержать только один дочерний элемент. Проверьте заполнение реквизитов "
                 "налогоплательщика на титульном листе формы.");
    return;
  }
  const TXMLElement payer = *e.Children().begin();
  if (const ChildField<T>* c = detail::FindChild<T>(kPayers, payer.Name()))
    c->load(doc, payer, MakeChildPath(here, payer.Name(), c->path, 0), doc.Errors);
  else
    doc.AddError(here + ": Неизвестное имя дочернего элемента - " + std::string(payer.Name()));
}

}  // namespace

bool TRSV501Document::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501Document;
  Clear();
  if (!e.HasAttributes()) {
    AddError(path + ": Тэг Документ не содержит атрибутов. Чтение невозможно.");
    return false;
  }
  if (!e.HasChildren()) {
    AddError(path + ": Тэг Документ не содержит дочерних тэгов. Чтение невозможно.");
    return false;
  }
  static constexpr AttrField<T> kAttrs[] = {
      RawTextAttr("КНД", &T::КНД),       TextAttr("ДатаДок", &T::ДатаДок), Int32Attr("НомКорр", &T::НомКорр),
      RawTextAttr("Период", &T::Период), Int32Attr("ОтчетГод", &T::ОтчетГод), TextAttr("КодНО", &T::КодНО),
      TextAttr("ПоМесту", &T::ПоМесту)};
  // The title page is forgiving: unknown attributes and unreadable numbers pass in silence,
  // the numbers then staying -1.
  LoadAttributes<T>(*this, e, kAttrs, [](std::string_view) {}, [](const AttrField<T>&) {});
  static constexpr ChildField<T> kChildren[] = {Child<&T::Подписант, ChildPath::Plain>("Подписант"),
                                                Child<&T::РасчетСВ, ChildPath::Plain>("РасчетСВ")};
  for (const TXMLElement child : e.Children()) {
    if (child.Name() == "СвНП")
      LoadSvNP(*this, child, path);
    else if (const ChildField<T>* c = detail::FindChild<T>(kChildren, child.Name()))
      c->load(*this, child, MakeChildPath(path, child.Name(), c->path, 0), Errors);
    else
      AddError(path + ": Неизвестный дочерний элемент - " + std::string(child.Name()));
  }
  return Errors.empty();
}

}  // namespace orsvelt
