#include "reference/snils.h"

#include <string>

#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  for (const char c : text)
    if (!IsDigit(c)) return false;
  return true;
}

}  // namespace

bool IsSnilsWritten(std::string_view text) {
  if (text.size() != 14) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool separator = i == 3 || i == 7 || i == 11;
    if (separator ? !(c == '-' || (i == 11 && c == ' ')) : !IsDigit(c)) return false;
  }
  return true;
}

SnilsCheck CheckSnils(std::string_view text) {
  // The same normalisation that matches persons across reports.
  const std::string digits = SnilsDigits(text);
  if (digits.size() != 11 || !AllDigits(digits)) return SnilsCheck::malformed;
  if (std::string_view(digits).substr(0, 9) <= "001001998") return SnilsCheck::notVerified;
  int sum = 0;
  for (int i = 0; i < 9; ++i) sum += (9 - i) * (digits[i] - '0');
  // Below 100 the sum is the check number; 100 and 101 give 00; above, the remainder mod 101 (100 -> 00).
  int check = sum < 100 ? sum : sum % 101;
  if (check == 100) check = 0;
  const int written = (digits[9] - '0') * 10 + (digits[10] - '0');
  return check == written ? SnilsCheck::valid : SnilsCheck::wrongCheckNumber;
}

}  // namespace orsvelt
