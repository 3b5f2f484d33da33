#include "markup/file_size_text.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

TEST(FileSizeText, UnitsAndRoundingAtTheirEdges) {
  const struct {
    std::uintmax_t bytes;
    const char* text;
  } cases[] = {
      {0, "0 байт"},
      {1023, "1023 байт"},
      {1024, "1,0 КБ"},
      {1075, "1,0 КБ"},                   // 1.0498
      {1076, "1,1 КБ"},                   // 1.0508, half up
      {1048575, "1,0 МБ"},                // 1024.0 KB after rounding: the next unit
      {1048576, "1,0 МБ"},
      {245891072, "234,5 МБ"},
      {2438391257, "2,3 ГБ"},
      {std::numeric_limits<std::uint64_t>::max() / 16, "1048576,0 ТБ"},
  };
  for (const auto& c : cases) EXPECT_EQ(FileSizeText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace orsvelt
