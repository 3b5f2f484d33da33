#pragma once
// What the format 5.01 rule tables share: the wordings for unknown names and unreadable
// values, and the path of a child, numbered among all its siblings unless a table says
// otherwise.

#include <string_view>

#include "model/common/element_rules.h"
#include "model/common/element_wordings.h"

namespace orsvelt::rsv501 {

inline constexpr element::UnknownNames kUnknownNamed{element::kUnknownAttributeNamed, element::kUnknownChildTagNamed};

inline constexpr element::ValueRules kValuesMustBe{element::kValueMustBeNumber, element::kValueMustBeSum};
inline constexpr element::ValueRules kValuesNotNumberOrSum{element::kValueNotNumber, element::kValueNotSum};
// Amounts too are said to be numbers.
inline constexpr element::ValueRules kValuesMustBeNumbers{element::kValueMustBeNumber, element::kValueMustBeNumber};

template <auto Slot>
constexpr auto Child(std::string_view name, const element::ChildPath& path = element::kSiblingIndex) {
  return element::ChildEntry<Slot>(name, path);
}

}  // namespace orsvelt::rsv501
