#pragma once
// The insured persons of a generated payer: identity and terms of employment, each a pure
// function of the seed and the person's index in the payer's pool.

#include <cstdint>
#include <string>

#include "hash_random.h"

namespace orsvelt::bench {

// Categories of insured persons, grouped by the payer tariff they belong to: the first three
// under the general tariff "01", the last three under the IT tariff "06".
enum class Category { НР, ВЖНР, ВПНР, ОДИТ, ВЖИТ, ВПИТ };
inline constexpr int kCategoryCount = 6;
inline constexpr int kTariffGroupCount = 2;

const char* CategoryCode(Category c);
int TariffGroupOf(Category c);          // 0 for "01", 1 for "06"
const char* TariffCodeOfGroup(int group);

struct TPersonIdentity {
  std::string Фамилия, Имя, Отчество;
  std::string Пол;  // "1" or "2"
  std::string ДатаРожд, СНИЛС, ИННФЛ, Гражд, КодВидДок, СерНомДок;
};

struct TPersonTerms {
  Category category = Category::НР;
  std::int64_t salary = 0;  // monthly, in kopecks
  bool contract = false;    // paid under civil contracts only: no social insurance
  bool addTariff = false;   // works in harmful conditions: additional pension tariff
};

class TPersonPool {
 public:
  // salt separates payers: two pools with different salts share no SNILS.
  TPersonPool(const THash& hash, std::uint64_t salt) : hash_(hash), salt_(salt) {}

  TPersonIdentity Identity(std::uint64_t index) const;
  TPersonTerms Terms(std::uint64_t index) const;

 private:
  std::uint64_t Key(std::uint64_t index) const { return salt_ * 0x100000000ull + index; }

  const THash& hash_;
  std::uint64_t salt_;
};

}  // namespace orsvelt::bench
