#pragma once
// Stateless pseudo-random values: every figure of a generated report is a pure function of
// the seed and its coordinates (person, month, purpose), so that section 1 can be summed in
// a first pass and section 3 written in a second without keeping any person in memory, and
// the same seed gives the same bytes on every machine.

#include <cstdint>

namespace orsvelt::bench {

inline std::uint64_t SplitMix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Purposes keep the streams of different figures apart.
enum class Purpose : std::uint64_t {
  Surname = 1, FirstName, Patronymic, Gender, Birth, Snils, Inn, Passport, Category,
  Salary, Contract, AddTariff, MonthVariation, Bonus, NonTaxable, Idle, Correction,
  Annulment, Citizenship, SickLeave, Guid,
};

class THash {
 public:
  explicit THash(std::uint64_t seed) : seed_(SplitMix(seed)) {}

  std::uint64_t Of(Purpose purpose, std::uint64_t a, std::uint64_t b = 0) const {
    return SplitMix(SplitMix(SplitMix(seed_ ^ static_cast<std::uint64_t>(purpose)) ^ a) ^ b);
  }

  // Uniform in [lo, hi]; the modulo bias is far below anything a benchmark can notice.
  std::int64_t Range(std::int64_t lo, std::int64_t hi, Purpose purpose, std::uint64_t a,
                     std::uint64_t b = 0) const {
    const std::uint64_t span = static_cast<std::uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::int64_t>(Of(purpose, a, b) % span);
  }

  // True with the probability per_mille / 1000.
  bool Chance(int per_mille, Purpose purpose, std::uint64_t a, std::uint64_t b = 0) const {
    return Of(purpose, a, b) % 1000 < static_cast<std::uint64_t>(per_mille);
  }

 private:
  std::uint64_t seed_;
};

}  // namespace orsvelt::bench
