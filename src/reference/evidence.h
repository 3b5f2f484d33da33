#pragma once
// How a reference row is known, so that a check built on it can choose between a fault and a warning.

#include "xml/amount.h"

namespace orsvelt {

enum class Evidence {
  established,  // read in the act, in the format, or in report files that agree with it
  inferred,     // concluded from general knowledge of the rules; a check on it reports a warning
};

// A value from a reference table together with how it is known.
struct KnownAmount {
  Amount value = 0;
  Evidence evidence = Evidence::inferred;

  friend bool operator==(const KnownAmount&, const KnownAmount&) = default;
};

// The weaker of two marks: a value computed from an inferred one is inferred.
constexpr Evidence Weaker(Evidence a, Evidence b) {
  return a == Evidence::established && b == Evidence::established ? Evidence::established : Evidence::inferred;
}

}  // namespace orsvelt
