#include "markup/file_size_text.h"

#include <string_view>

namespace orsvelt {

std::string FileSizeText(std::uintmax_t bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " байт";
  constexpr std::string_view kUnits[] = {"КБ", "МБ", "ГБ", "ТБ"};
  std::size_t unit = 0;
  std::uintmax_t scale = 1024;
  // Tenths of the unit, integers only: no locale and no floating-point rounding in the way.
  // Whole units and the rest apart, so that no size overflows.
  auto tenths = [&] { return bytes / scale * 10 + ((bytes % scale) * 10 + scale / 2) / scale; };
  while (unit + 1 < std::size(kUnits) && tenths() >= 10240) {
    ++unit;
    scale *= 1024;
  }
  const std::uintmax_t t = tenths();
  return std::to_string(t / 10) + "," + std::to_string(t % 10) + " " + std::string(kUnits[unit]);
}

}  // namespace orsvelt
