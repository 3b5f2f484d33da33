#pragma once
// The sex a Russian (or Turkic) patronymic indicates.

#include <string_view>

namespace orsvelt {

// "1" (male) for endings "ич", "лы", "лу"; "2" (female) for "на", "зы"; empty for any
// other ending or a patronymic shorter than two letters. The ending is compared without
// regard to letter case.
std::string_view SexOfPatronymic(std::string_view patronymic);

}  // namespace orsvelt
