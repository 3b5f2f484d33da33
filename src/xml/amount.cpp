#include "xml/amount.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

namespace orsvelt {

namespace {

constexpr std::uint64_t kMaxPositive = std::numeric_limits<std::int64_t>::max();
constexpr std::uint64_t kMaxNegative = kMaxPositive + 1;

// Beyond this an exponent can only push the value out of range or to zero; saturating
// keeps "1e99999999999999999999" from overflowing the counter.
constexpr std::int64_t kExponentCap = 1'000'000'000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct Cursor {
  std::string_view text;
  std::size_t i = 0;

  bool AtEnd() const { return i == text.size(); }
  bool Peek(char c) const { return i < text.size() && text[i] == c; }
  bool PeekDigit() const { return i < text.size() && IsDigit(text[i]); }

  void SkipBlanks() {
    while (Peek(' ') || Peek('\t')) ++i;
  }

  // True when a minus sign was read.
  bool ReadSign() {
    if (Peek('+')) {
      ++i;
    } else if (Peek('-')) {
      ++i;
      return true;
    }
    return false;
  }
};

std::int64_t ApplySign(std::uint64_t magnitude, bool negative) {
  // Unsigned to signed conversion is modular, so 2^63 becomes the minimum.
  return static_cast<std::int64_t>(negative ? 0 - magnitude : magnitude);
}

}  // namespace

std::optional<std::int64_t> ParseInt64(std::string_view text) {
  Cursor c{text};
  c.SkipBlanks();
  const bool negative = c.ReadSign();
  if (c.AtEnd()) return std::nullopt;
  const std::uint64_t limit = negative ? kMaxNegative : kMaxPositive;
  std::uint64_t magnitude = 0;
  for (; !c.AtEnd(); ++c.i) {
    if (!c.PeekDigit()) return std::nullopt;
    const unsigned d = static_cast<unsigned>(text[c.i] - '0');
    if (magnitude > (limit - d) / 10) return std::nullopt;
    magnitude = magnitude * 10 + d;
  }
  return ApplySign(magnitude, negative);
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  const auto value = ParseInt64(text);
  if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
      *value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(*value);
}

namespace {

// The form nearly every sum of a report has: digits, optionally a point and at most four
// digits, no sign, blanks or exponent. Nothing to round; too long a text is left to the
// general reading.
std::optional<Amount> ParsePlainAmount(std::string_view text) {
  constexpr std::size_t kMaxWholeDigits = 14;  // 10^14 * 10^4 stays far inside 64 bits
  std::size_t i = 0;
  std::uint64_t value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) value = value * 10 + static_cast<unsigned>(text[i] - '0');
  const std::size_t whole = i;
  if (whole == 0 || whole > kMaxWholeDigits) return std::nullopt;
  std::size_t decimals = 0;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]) && decimals < 4; ++i, ++decimals)
      value = value * 10 + static_cast<unsigned>(text[i] - '0');
  }
  if (i != text.size()) return std::nullopt;
  for (; decimals < 4; ++decimals) value *= 10;
  return static_cast<Amount>(value);
}

}  // namespace

std::optional<Amount> ParseAmount(std::string_view text) {
  if (const auto plain = ParsePlainAmount(text)) return plain;
  Cursor c{text};
  c.SkipBlanks();
  const bool negative = c.ReadSign();

  // The value is digits * 10^scale, digits without leading zeros.
  std::string digits;
  std::int64_t scale = 0;
  bool any_digit = false;
  const auto read_digits = [&](bool fraction) {
    for (; c.PeekDigit(); ++c.i) {
      any_digit = true;
      if (!digits.empty() || text[c.i] != '0') digits += text[c.i];
      if (fraction) --scale;
    }
  };
  read_digits(false);
  if (c.Peek('.')) {
    ++c.i;
    read_digits(true);
  }
  if (!any_digit) return std::nullopt;

  if (c.Peek('e') || c.Peek('E')) {
    ++c.i;
    const bool exponent_negative = c.ReadSign();
    if (!c.PeekDigit()) return std::nullopt;
    std::int64_t exponent = 0;
    for (; c.PeekDigit(); ++c.i)
      if (exponent < kExponentCap) exponent = exponent * 10 + (text[c.i] - '0');
    scale += exponent_negative ? -exponent : exponent;
  }
  if (!c.AtEnd()) return std::nullopt;

  while (!digits.empty() && digits.back() == '0') {
    digits.pop_back();
    ++scale;
  }
  if (digits.empty()) return 0;

  // Digits of the integer part of value * 10000; 20 or more cannot fit in 64 bits.
  const std::int64_t count = static_cast<std::int64_t>(digits.size());
  const std::int64_t integer_digits = count + scale + 4;
  if (integer_digits > 19) return std::nullopt;

  std::uint64_t magnitude = 0;
  for (std::int64_t k = 0; k < std::min(integer_digits, count); ++k)
    magnitude = magnitude * 10 + static_cast<unsigned>(digits[k] - '0');
  for (std::int64_t k = count; k < integer_digits; ++k) magnitude *= 10;

  if (integer_digits >= 0 && integer_digits < count) {
    // Half to even; trailing zeros are gone, so any digit after the first dropped one
    // makes the rest nonzero.
    const char first = digits[integer_digits];
    const bool more = integer_digits + 1 < count;
    if (first > '5' || (first == '5' && (more || magnitude % 2 == 1))) ++magnitude;
  }
  if (magnitude > (negative ? kMaxNegative : kMaxPositive)) return std::nullopt;
  return ApplySign(magnitude, negative);
}

}  // namespace orsvelt
