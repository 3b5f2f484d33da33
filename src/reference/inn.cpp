#include "reference/inn.h"

#include <array>
#include <cstddef>
#include <span>

namespace orsvelt {
namespace {

bool DigitsOfLength(std::string_view text, std::size_t length) {
  if (text.size() != length) return false;
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// The check digit over the digits the weights cover: weighted sum mod 11, then mod 10.
int CheckDigit(std::string_view digits, std::span<const int> weights) {
  int sum = 0;
  for (std::size_t i = 0; i < weights.size(); ++i) sum += weights[i] * (digits[i] - '0');
  return sum % 11 % 10;
}

constexpr std::array<int, 9> kOrganisationWeights{2, 4, 10, 3, 5, 9, 4, 6, 8};
constexpr std::array<int, 10> kPersonWeights11{7, 2, 4, 10, 3, 5, 9, 4, 6, 8};
constexpr std::array<int, 11> kPersonWeights12{3, 7, 2, 4, 10, 3, 5, 9, 4, 6, 8};

}  // namespace

InnCheck CheckOrganisationInn(std::string_view text) {
  if (!DigitsOfLength(text, 10)) return InnCheck::malformed;
  return CheckDigit(text, kOrganisationWeights) == text[9] - '0' ? InnCheck::valid : InnCheck::wrongCheckDigit;
}

InnCheck CheckPersonInn(std::string_view text) {
  if (!DigitsOfLength(text, 12)) return InnCheck::malformed;
  const bool valid = CheckDigit(text, kPersonWeights11) == text[10] - '0' &&
                     CheckDigit(text, kPersonWeights12) == text[11] - '0';
  return valid ? InnCheck::valid : InnCheck::wrongCheckDigit;
}

}  // namespace orsvelt
