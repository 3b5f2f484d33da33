#pragma once
// Insured persons matched across the reports of a year.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace orsvelt {

// Persons are matched on the normalised SNILS: programs write it as NNN-NNN-NNN NN,
// NNN-NNN-NNN-NN or as digits alone, the same person each time. One without a SNILS is
// matched on its INN among the persons without one (the empty key would make one person of
// all of them); one without either matches nobody and stands alone.
class PersonIndex {
 public:
  // Position of the person with this SNILS (as written) and INN, or nullopt.
  std::optional<std::size_t> Find(std::string_view snils, std::string_view inn) const;

  // The person's position and false when found; otherwise next, recorded for its key, and true.
  std::pair<std::size_t, bool> FindOrAdd(std::string_view snils, std::string_view inn, std::size_t next);

  void Clear();

 private:
  std::unordered_map<std::string, std::size_t> bySnils_;
  std::unordered_map<std::string, std::size_t> byInnWithoutSnils_;
};

}  // namespace orsvelt
