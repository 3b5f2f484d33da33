#pragma once
// Exact parsing of the numbers that reports carry.

#include <cstdint>
#include <optional>
#include <string_view>

namespace orsvelt {

// A monetary amount: the value times 10000 (four decimal places; reports carry two).
using Amount = std::int64_t;
inline constexpr Amount kAmountScale = 10000;

// Parses an amount exactly, in decimal: optional leading blanks, optional sign, digits
// with an optional "." and fraction digits, optional exponent ("E"/"e", optional sign,
// digits), nothing after. No comma, no grouping; empty is not a sum. The value is rounded
// half to even at the fourth decimal. A value outside the 64-bit range is not a sum.
std::optional<Amount> ParseAmount(std::string_view text);

// Parses a 32-bit signed decimal integer: optional leading blanks, optional sign, digits,
// nothing after; empty or out of range is not a number.
std::optional<std::int32_t> ParseInt32(std::string_view text);

// The same syntax for 64-bit integers (incomes of whole organisations exceed 32 bits).
std::optional<std::int64_t> ParseInt64(std::string_view text);

}  // namespace orsvelt
