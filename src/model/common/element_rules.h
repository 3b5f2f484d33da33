#pragma once
// The one loader of the element classes of every format version. A class hands LoadElement
// its rule table: what it says when attributes or children are missing or present against
// the rule, the attributes and children it reads, how a child's path is formed and how
// values are read. A format version is its tables; the order of the checks and of the
// messages is the loader's.

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/path_buffer.h"

namespace orsvelt::element {

// A reading message as written, with {path} for the element's path, {tag} for the name the
// class's messages give the element and {name} for the attribute or child it is about.
struct Wording {
  std::string_view text;
};

// The message of w for the element at path.
std::string Say(Wording w, std::string_view path, std::string_view tag, std::string_view name = {});

enum class Presence { Optional, Required, Forbidden };

// Whether a class wants attributes (or children) and what it says when an element breaks that.
// A broken rule ends that phase: nothing of it is read one by one.
struct Rule {
  Presence presence = Presence::Optional;
  Wording broken = {};
};
constexpr Rule Required(Wording broken) { return {Presence::Required, broken}; }
constexpr Rule Forbidden(Wording broken) { return {Presence::Forbidden, broken}; }

// What is said about an attribute or child that the table lacks.
struct UnknownNames {
  Wording attribute = {};
  Wording child = {};
};

// What is said about a value that does not convert, and how values are read.
struct ValueRules {
  Wording notNumber = {};  // integers
  Wording notAmount = {};  // amounts
  bool amountsAsWritten = false;     // no entity is decoded in an amount
  bool zeroWhenUnreadable = false;   // such a value is stored as 0 rather than left as it was
};

// Which number follows a child's name in its path.
enum class Count {
  None,
  AmongSiblings,         // 0-based position among all children of the parent
  AmongSiblingsFromOne,  // the same from 1
  InList,                // 0-based position in the list that holds it
  InListFromOne,         // the same from 1
};

// A child's path: the parent's path, separator, name, then open, number and close.
struct ChildPath {
  std::string_view separator;
  Count count;
  std::string_view open = {};
  std::string_view close = {};
};
inline constexpr ChildPath kDashName{" - ", Count::None};                                // " - Name"
inline constexpr ChildPath kSpaceName{" ", Count::None};                                 // " Name"
inline constexpr ChildPath kSiblingIndex{" - ", Count::AmongSiblings, "[", "]"};         // " - Name[0]"
inline constexpr ChildPath kSiblingIndexSpaced{" - ", Count::AmongSiblings, " (", ")"};  // " - Name (0)"
inline constexpr ChildPath kSiblingNumber{" - ", Count::AmongSiblingsFromOne, "(", ")"};  // " - Name(1)"
inline constexpr ChildPath kSiblingNumberSpaced{" - ", Count::AmongSiblingsFromOne, " [", "]"};  // " - Name [1]"
inline constexpr ChildPath kListIndex{" - ", Count::InList, "[", "]"};                   // " - Name[0]"
inline constexpr ChildPath kListNumber{" - ", Count::InListFromOne, "[", "]"};           // " - Name[1]"

// Forms the path of a child with the given positions into out.
void BuildChildPath(std::string& out, const std::string& parent, std::string_view name, const ChildPath& form,
                    std::size_t amongSiblings, std::size_t inList);

namespace detail {

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
  using Class = C;
};

template <class T>
struct IsList : std::false_type {};
template <class T>
struct IsList<std::vector<T>> : std::true_type {};

}  // namespace detail

// One child element a class reads: its name, its path form, and how an object for it is
// made in its slot and loaded.
template <class T>
struct ChildField {
  std::string_view name;
  const ChildPath* path;
  void (*load)(T& parent, TXMLElement e, const std::string& parentPath, const ChildPath& form, std::size_t sibling);
  Edition from = Edition::V501;  // the first version that has it
  // The same child, known only from version first on.
  constexpr ChildField From(Edition first) const {
    ChildField c = *this;
    c.from = first;
    return c;
  }
};

template <auto Slot>
void LoadIntoSlot(typename detail::MemberOf<decltype(Slot)>::Class& parent, TXMLElement e,
                  const std::string& parentPath, const ChildPath& form, std::size_t sibling) {
  auto& slot = parent.*Slot;
  std::size_t inList = 0;
  if constexpr (detail::IsList<std::remove_cvref_t<decltype(slot)>>::value) inList = slot.size();
  auto& child = NewChildOf(parent, slot);
  ChildPathBuffer childPath;
  BuildChildPath(childPath.Text(), parentPath, e.Name(), form, sibling, inList);
  LoadChild(child, e, childPath.Text(), parent.Errors);
}

// The table entry for the child element `name` held in the member Slot: a std::unique_ptr
// (a repeated element replaces the earlier one) or a std::vector (appended to). A format
// version wraps it as Child, with its usual path form as the default.
template <auto Slot>
constexpr ChildField<typename detail::MemberOf<decltype(Slot)>::Class> ChildEntry(std::string_view name,
                                                                                  const ChildPath& path) {
  return {name, &path, &LoadIntoSlot<Slot>};
}

// Everything the loader needs to know about one class.
template <class T>
struct Rules {
  std::string_view tag = {};  // fills {tag}
  Rule attributes = {};
  Rule children = {};
  UnknownNames unknown = {};
  ValueRules values = {};
  std::span<const AttrField<T>> attrs = {};  // none: attributes are not read one by one
  std::span<const ChildField<T>> kids = {};  // none: children are not read one by one
  bool childrenFirst = false;                // children are examined before attributes
  bool brokenRuleEndsReading = false;        // the second phase is skipped after a broken rule
};

// The rules of the latest version in table that is not later than edition; the table lists
// versions oldest first, and its first row is taken for a version before all of them.
template <class T>
struct EditionRules {
  Edition from;
  const Rules<T>* rules;
};
template <class T, std::size_t N>
const Rules<T>& RulesFor(Edition edition, const EditionRules<T> (&table)[N]) {
  const Rules<T>* chosen = table[0].rules;
  for (const auto& row : table)
    if (row.from <= edition) chosen = row.rules;
  return *chosen;
}

// The table entry for name that edition knows, or null.
template <class T>
const ChildField<T>* FindChild(std::span<const ChildField<T>> table, std::string_view name,
                               Edition edition = Edition::V501) {
  for (const auto& c : table)
    if (c.name == name && c.from <= edition) return &c;
  return nullptr;
}

namespace detail {

inline bool Breaks(const Rule& rule, bool present) {
  return (rule.presence == Presence::Required && !present) || (rule.presence == Presence::Forbidden && present);
}

// False when the rule was broken.
template <class T>
bool AttributePhase(T& obj, TXMLElement e, const std::string& path, const Rules<T>& rules) {
  if (Breaks(rules.attributes, e.HasAttributes())) {
    obj.AddError(Say(rules.attributes.broken, path, rules.tag));
    return false;
  }
  if (rules.attrs.empty()) return true;
  const ValueRules& values = rules.values;
  for (const TXMLAttr a : e.Attributes()) {
    const AttrField<T>* f = FindAttr(rules.attrs, a.Name, obj.edition);
    if (!f) {
      obj.AddError(Say(rules.unknown.attribute, path, rules.tag, a.Name));
      continue;
    }
    bool stored;
    if (f->kind == ValueKind::Amount && values.amountsAsWritten) {
      const auto v = ParseAmount(a.Value);
      if (v) obj.*(f->int64) = *v;
      stored = v.has_value();
    } else {
      stored = StoreAttr(obj, *f, a.Value);
    }
    if (stored) continue;
    if (values.zeroWhenUnreadable) ResetAttr(obj, *f);
    obj.AddError(Say(f->kind == ValueKind::Amount ? values.notAmount : values.notNumber, path, rules.tag, a.Name));
  }
  return true;
}

// False when the rule was broken.
template <class T>
bool ChildPhase(T& obj, TXMLElement e, const std::string& path, const Rules<T>& rules) {
  if (Breaks(rules.children, e.HasChildren())) {
    obj.AddError(Say(rules.children.broken, path, rules.tag));
    return false;
  }
  if (rules.kids.empty()) return true;
  std::size_t sibling = 0;
  for (const TXMLElement child : e.Children()) {
    if (const ChildField<T>* c = FindChild(rules.kids, child.Name(), obj.edition))
      c->load(obj, child, path, *c->path, sibling);
    else
      obj.AddError(Say(rules.unknown.child, path, rules.tag, child.Name()));
    ++sibling;
  }
  return true;
}

}  // namespace detail

// Clears obj (keeping the version it is read under; through its Clear() where it has one) and
// loads it from e: the attribute rule and each attribute in document order, then the children
// rule and each child (or children first where the class says so). True when no message was
// added here or below.
template <class T>
bool LoadElement(T& obj, TXMLElement e, const std::string& path, const Rules<T>& rules) {
  const Edition edition = obj.edition;
  if constexpr (requires { obj.Clear(); })
    obj.Clear();
  else
    obj = T();
  obj.edition = edition;
  if (rules.childrenFirst) {
    if (!detail::ChildPhase(obj, e, path, rules) && rules.brokenRuleEndsReading) return false;
    detail::AttributePhase(obj, e, path, rules);
  } else {
    if (!detail::AttributePhase(obj, e, path, rules) && rules.brokenRuleEndsReading) return false;
    detail::ChildPhase(obj, e, path, rules);
  }
  return obj.Errors.empty();
}

}  // namespace orsvelt::element
