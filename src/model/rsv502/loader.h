#pragma once
// The one loader of the format 5.02 element classes. Every class describes itself by a
// table (its attributes, its child elements with their slots and path forms, and the
// wording of its messages) and hands that table to LoadElement, so the order of the
// checks and of the messages is the same for all of them.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/path_buffer.h"

namespace orsvelt::rsv502 {

// Whether a class wants attributes (or child elements): a message is added when the
// element breaks the rule. Optional means the count is not examined.
enum class Presence { Optional, Required, Forbidden };

// How a child's message path is formed from the parent's path P and the child's name:
// k is the child's 1-based position among all children of the parent, j its 0-based
// position in its list.
enum class PathForm {
  Dash,         // P + " - " + name
  Blank,        // P + " " + name
  Position,     // P + " - " + name + "(" + k + ")"
  Index,        // P + " - " + name + "[" + j + "]"
  IndexFromOne  // P + " - " + name + "[" + (j + 1) + "]"
};

inline void BuildChildPath(std::string& out, const std::string& path, std::string_view name, PathForm form,
                           std::size_t k, std::size_t j) {
  out.assign(path);
  const std::string_view separator = form == PathForm::Blank ? " " : " - ";
  switch (form) {
    case PathForm::Dash:
    case PathForm::Blank: return AppendPathStep(out, separator, name, {}, 0, {});
    case PathForm::Position: return AppendPathStep(out, separator, name, "(", k, ")");
    case PathForm::Index: return AppendPathStep(out, separator, name, "[", j, "]");
    case PathForm::IndexFromOne: return AppendPathStep(out, separator, name, "[", j + 1, "]");
  }
}

namespace detail {

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Class = C;
  using Type = T;
};

template <class T>
struct IsList : std::false_type {};
template <class T>
struct IsList<std::vector<T>> : std::true_type {};

}  // namespace detail

// One child element a class accepts: its name, its path form, and how an object for it
// is made in its slot (a single object or a list) and loaded.
template <class T>
struct ChildField {
  std::string_view name;
  PathForm form;
  void (*load)(T& parent, TXMLElement e, const std::string& path, std::string_view name, PathForm form, std::size_t k);
};

template <auto Slot>
void LoadIntoSlot(typename detail::MemberOf<decltype(Slot)>::Class& parent, TXMLElement e, const std::string& path,
                  std::string_view name, PathForm form, std::size_t k) {
  auto& slot = parent.*Slot;
  std::size_t j = 0;
  if constexpr (detail::IsList<std::remove_cvref_t<decltype(slot)>>::value) j = slot.size();
  auto& child = NewChild(slot);
  ChildPathBuffer childPath;
  BuildChildPath(childPath.Text(), path, name, form, k, j);
  LoadChild(child, e, childPath.Text(), parent.Errors);
}

// The table entry for the child element `name` held in the member Slot (a
// std::unique_ptr for a single child, a std::vector for a list).
template <auto Slot>
constexpr ChildField<typename detail::MemberOf<decltype(Slot)>::Class> Child(std::string_view name,
                                                                             PathForm form = PathForm::Dash) {
  return {name, form, &LoadIntoSlot<Slot>};
}

// Everything the loader needs to know about one class. The messages are the class's own
// wordings; those that name something are followed by the name.
template <class T>
struct ElemRules {
  Presence attributes = Presence::Optional;
  std::string_view attributesMessage = {};  // added when the attribute rule is broken
  std::string_view unknownAttribute = {};   // + name
  std::string_view badInteger = {};         // + name + " имеет не числовое значение."
  Presence children = Presence::Optional;
  std::string_view childrenMessage = {};  // added when the children rule is broken
  std::string_view unknownChild = {};     // + name
  // A class without attributes (children) of its own only applies the rule to them;
  // they are not looked at one by one.
  std::span<const AttrField<T>> attrs = {};
  std::span<const ChildField<T>> kids = {};
};

template <class T>
const ChildField<T>* FindChild(std::span<const ChildField<T>> table, std::string_view name) {
  for (const auto& c : table)
    if (c.name == name) return &c;
  return nullptr;
}

inline bool BreaksRule(Presence rule, bool present) {
  return (rule == Presence::Required && !present) || (rule == Presence::Forbidden && present);
}

template <class T>
void LoadAttrs(T& obj, TXMLElement e, const std::string& path, const ElemRules<T>& rules) {
  for (const TXMLAttr a : e.Attributes()) {
    const AttrField<T>* f = FindAttr(rules.attrs, a.Name);
    if (!f) {
      obj.AddError(std::string(rules.unknownAttribute) + std::string(a.Name));
    } else if (f->kind == ValueKind::Amount) {
      // An amount is read as written: no entity can be part of a number.
      if (auto v = ParseAmount(a.Value)) {
        obj.*(f->int64) = *v;
      } else {
        ResetAttr(obj, *f);
        obj.AddError(path + " - @" + std::string(a.Name) + ": Значение не является суммой.");
      }
    } else if (!StoreAttr(obj, *f, a.Value)) {
      ResetAttr(obj, *f);
      obj.AddError(std::string(rules.badInteger) + std::string(a.Name) + " имеет не числовое значение.");
    }
  }
}

template <class T>
void LoadKids(T& obj, TXMLElement e, const std::string& path, const ElemRules<T>& rules) {
  std::size_t k = 0;
  for (const TXMLElement child : e.Children()) {
    ++k;
    if (const ChildField<T>* c = FindChild(rules.kids, child.Name()))
      c->load(obj, child, path, c->name, c->form, k);
    else
      obj.AddError(std::string(rules.unknownChild) + std::string(child.Name()));
  }
}

// Clears obj and loads it from e: attribute rule, each attribute in order, children
// rule, each child in order. True when no error was found here or below.
template <class T>
bool LoadElement(T& obj, TXMLElement e, const std::string& path, const ElemRules<T>& rules) {
  obj.Clear();
  if (BreaksRule(rules.attributes, e.HasAttributes())) obj.AddError(std::string(rules.attributesMessage));
  if (!rules.attrs.empty()) LoadAttrs(obj, e, path, rules);
  if (BreaksRule(rules.children, e.HasChildren())) obj.AddError(std::string(rules.childrenMessage));
  if (!rules.kids.empty()) LoadKids(obj, e, path, rules);
  return obj.Errors.empty();
}

}  // namespace orsvelt::rsv502
