#pragma once
// Sums of figures taken from reports.

#include <concepts>
#include <limits>

namespace orsvelt {

// A report may carry figures near the type's limit; their sum stops at the limit rather
// than wrapping round to a wrong sign.
template <std::signed_integral T>
void AddSaturating(T& sum, T value) {
  constexpr T kMax = std::numeric_limits<T>::max();
  constexpr T kMin = std::numeric_limits<T>::min();
  if (value > 0 && sum > kMax - value)
    sum = kMax;
  else if (value < 0 && sum < kMin - value)
    sum = kMin;
  else
    sum += value;
}

// sum - value with the same stop; the lowest value has no negation of its own.
template <std::signed_integral T>
void SubtractSaturating(T& sum, T value) {
  if (value != std::numeric_limits<T>::min()) return AddSaturating(sum, static_cast<T>(-value));
  AddSaturating(sum, std::numeric_limits<T>::max());
  AddSaturating(sum, T{1});
}

}  // namespace orsvelt
