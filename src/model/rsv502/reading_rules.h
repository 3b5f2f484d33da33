#pragma once
// What the format 5.02 rule tables share: amounts are read as written, a value that does
// not convert is stored as 0, and a child's path is its name after a dash unless a table
// says otherwise.

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

template <auto Slot>
constexpr auto Child(std::string_view name, const element::ChildPath& path = element::kDashName) {
  return element::ChildEntry<Slot>(name, path);
}

}  // namespace orsvelt::rsv502
