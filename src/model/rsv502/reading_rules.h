#pragma once
// What the format 5.02 rule tables share: amounts are read as written, a value that does
// not convert is stored as 0, and a child's path is its name after a dash unless a table
// says otherwise.

#include <span>
#include <string_view>

#include "model/common/element_rules.h"
#include "model/common/element_wordings.h"

namespace orsvelt::rsv502 {

// notNumber names the class the way its other messages do.
constexpr element::ValueRules Values(element::Wording notNumber) {
  return {.notNumber = notNumber, .notAmount = element::kValueNotSum, .amountsAsWritten = true,
          .zeroWhenUnreadable = true};
}

inline constexpr element::UnknownNames kUnknownOfTag{element::kUnknownTagAttribute, element::kUnknownTagChild};
inline constexpr element::UnknownNames kUnknownOfType{element::kUnknownTypeAttribute, element::kUnknownTagChild};
inline constexpr element::UnknownNames kUnknownOfElement{element::kUnknownElementAttribute,
                                                         element::kUnknownTagChild};

// The shapes most elements of 5.02 on share, each with the messages that name the element as
// a tag ("тэга") or as a type ("типа"):
// attributes and children, both required;
template <class T>
constexpr element::Rules<T> TagRules(std::string_view tag, std::span<const AttrField<T>> attrs,
                                     std::span<const element::ChildField<T>> kids) {
  return {.tag = tag, .attributes = element::Required(element::kTagContainsNoAttributes),
          .children = element::Required(element::kTagContainsNoChildren), .unknown = kUnknownOfTag,
          .values = Values(element::kTagAttributeNotNumeric), .attrs = attrs, .kids = kids};
}
// children only, which it must have;
template <class T>
constexpr element::Rules<T> ChildrenTagRules(std::string_view tag, std::span<const element::ChildField<T>> kids) {
  return {.tag = tag, .attributes = element::Forbidden(element::kTagMustNotContainAttributes),
          .children = element::Required(element::kTagContainsNoChildren), .unknown = kUnknownOfTag, .kids = kids};
}
// attributes only.
template <class T>
constexpr element::Rules<T> ValuesTagRules(std::string_view tag, std::span<const AttrField<T>> attrs) {
  return {.tag = tag, .children = element::Forbidden(element::kTagMustNotContainChildren), .unknown = kUnknownOfTag,
          .values = Values(element::kTagAttributeNotNumeric), .attrs = attrs};
}
template <class T>
constexpr element::Rules<T> ValuesTypeRules(std::string_view tag, std::span<const AttrField<T>> attrs) {
  return {.tag = tag, .children = element::Forbidden(element::kTypeMustNotContainChildren), .unknown = kUnknownOfType,
          .values = Values(element::kTypeAttributeNotNumeric), .attrs = attrs};
}

template <auto Slot>
constexpr auto Child(std::string_view name, const element::ChildPath& path = element::kDashName) {
  return element::ChildEntry<Slot>(name, path);
}

}  // namespace orsvelt::rsv502
