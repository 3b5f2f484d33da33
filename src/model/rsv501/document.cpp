#include "model/rsv501/document.h"

#include "model/rsv501/reading_rules.h"

namespace orsvelt {

using namespace element;
using namespace rsv501;

bool TRSV501RaschetSV::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501RaschetSV;
  TRSV501PersonHandOff::RestartCurrent();
  static constexpr ChildField<T> kChildren[] = {Child<&T::ОбязПлатСВ>("ОбязПлатСВ", kDashName),
                                                Child<&T::ОбязПлатСВ_КФХ>("ОбязПлатСВ_КФХ", kDashName),
                                                HandedChild<&T::ПерсСвСтрахЛиц>("ПерсСвСтрахЛиц", kSiblingIndexSpaced)};
  static constexpr Rules<T> kRules{.tag = "РасчетСВ",
                                   .attributes = Forbidden(kNamedTagMustNotContainAttributesUnreadable),
                                   .children = Required(kNamedTagMustContainChildElementsUnreadable),
                                   .unknown = {.child = kChildElementNotAllowedInTag}, .kids = kChildren,
                                   .brokenRuleEndsReading = true};
  return LoadElement(*this, e, path, kRules);
}

namespace {

// "СвНП" lends its attributes to the document and holds exactly one taxpayer.
void LoadSvNP(TRSV501Document& doc, TXMLElement e, const std::string& path) {
  using T = TRSV501Document;
  static constexpr AttrField<T> kAttrs[] = {TextAttr("ОКВЭД", &T::ОКВЭД), TextAttr("Тлф", &T::Тлф)};
  static constexpr ChildField<T> kPayers[] = {Child<&T::НПЮЛ>("НПЮЛ", kDashName),
                                              Child<&T::НПИП>("НПИП", kDashName),
                                              Child<&T::НПФЛ>("НПФЛ", kDashName)};
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
  if (const ChildField<T>* c = FindChild<T>(kPayers, payer.Name()))
    c->load(doc, payer, here, *c->path, 0);
  else
    doc.AddError(here + ": Неизвестное имя дочернего элемента - " + std::string(payer.Name()));
}

}  // namespace

bool TRSV501Document::Load(TXMLElement e, const std::string& path) {
  using T = TRSV501Document;
  TRSV501PersonHandOff::RestartCurrent();
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
  static constexpr ChildField<T> kChildren[] = {Child<&T::Подписант>("Подписант", kDashName),
                                                Child<&T::РасчетСВ>("РасчетСВ", kDashName)};
  for (const TXMLElement child : e.Children()) {
    if (child.Name() == "СвНП")
      LoadSvNP(*this, child, path);
    else if (const ChildField<T>* c = FindChild<T>(kChildren, child.Name()))
      c->load(*this, child, path, *c->path, 0);
    else
      AddError(path + ": Неизвестный дочерний элемент - " + std::string(child.Name()));
  }
  return Errors.empty();
}

}  // namespace orsvelt
