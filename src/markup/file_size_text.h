#pragma once
// The size of a written file as a user reads it.

#include <cstdint>
#include <string>

namespace orsvelt {

// "512 байт", "1,0 КБ", "234,5 МБ", "2,3 ГБ": units of 1024, one decimal after a comma,
// rounded half up.
std::string FileSizeText(std::uintmax_t bytes);

}  // namespace orsvelt
