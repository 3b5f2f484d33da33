#pragma once
// The composition block of a 5.01 protocol, the same rows on the page and in the workbook:
// each part of the report with whether it is there (or how many) and its note.

#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

// What the middle column shows: "есть"/"нет", or a count.
struct CompositionValue {
  bool counted = false;
  bool present = false;     // when not counted
  std::int32_t count = 0;   // when counted
};

struct CompositionPart {
  std::string_view part;
  std::string_view note;
  CompositionValue (*value)(const TRSV501ProtData&);
};

// The rows in the order both protocols print them.
std::span<const CompositionPart> CompositionParts();

inline std::string_view PresenceText(bool present) { return present ? "есть" : "нет"; }

}  // namespace orsvelt::prot501
