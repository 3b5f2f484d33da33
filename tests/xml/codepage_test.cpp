#include "xml/codepage.h"

#include <string>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

TEST(Codepage, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    const std::string utf8 = Cp1251ToUtf8(byte);
    all += byte;
    EXPECT_TRUE(IsValidUtf8(utf8)) << b;
    if (b != 0x98) {
      EXPECT_EQ(Utf8ToCp1251(utf8), byte) << b;
    }
  }
  EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
  EXPECT_EQ(Cp1251ToUtf8("\xC0\xFF\xA8\xB8\xB9\x88\x96\xAB\xBB\xA0\x80"), "АяЁё№€–«»\u00A0Ђ");
  std::string per_byte;
  for (const char c : all) per_byte += Cp1251ToUtf8(std::string(1, c));
  EXPECT_EQ(Cp1251ToUtf8(all), per_byte);
}

TEST(Codepage, RunsOfLettersAndAsciiDecodeAsTheirBytesDo) {
  // Runs of ASCII and of the letters А..я are decoded in blocks; every run length and
  // position, and the bytes just outside those ranges, must give what single bytes give.
  const std::string pieces[] = {"0123456789", "\xC0\xC1\xE0\xFF\xDF\xD0\xCF\xF0\xC2", "\xBF\xB8\x7F\x80\x98"};
  std::string text;
  for (int round = 0; round < 200; ++round) {
    const std::string& piece = pieces[round % 3];
    text.append(piece, 0, 1 + round % piece.size());
  }
  for (std::size_t start = 0; start < 9; ++start) {
    const std::string part = text.substr(start);
    std::string per_byte;
    for (const char c : part) per_byte += Cp1251ToUtf8(std::string(1, c));
    EXPECT_EQ(Cp1251ToUtf8(part), per_byte) << start;
  }
}

TEST(Codepage, LongTextsCrossSliceBoundaries) {
  std::string utf8 = "a";
  std::string cp1251 = "a";
  for (int i = 0; i < 100000; ++i) {
    utf8 += "Я№é";
    cp1251 += "\xDF\xB9&#233;";
  }
  EXPECT_EQ(Utf8ToCp1251(utf8), cp1251);
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(cp1251)), cp1251);
}

TEST(Codepage, UnmappableAndMalformedInput) {
  struct Case {
    std::string_view utf8, cp1251;
  } cases[] = {
      {"é", "&#233;"},          {"😀", "&#128512;"},     {"\u07FF", "&#2047;"},
      {"\xFF", "?"},            {"a\xD0", "a?"},         {"\xC0\xAF", "??"},
      {"\xED\xA0\x80", "???"},  {"\xE2\x82z", "??z"},    {"\xF4\x90\x80\x80", "????"},
  };
  for (const auto& c : cases) EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
}

TEST(Codepage, IsValidUtf8) {
  for (const std::string_view ok : {"", "abc", "Привет", "😀", "\xF4\x8F\xBF\xBF", "\xEF\xBF\xBD"})
    EXPECT_TRUE(IsValidUtf8(ok)) << ok;
  for (const std::string_view bad : {"\x80", "\xD0", "\xE2\x82", "\xC0\x80", "\xC1\xBF",
                                     "\xE0\x80\x80", "\xED\xA0\x80", "\xF0\x80\x80\x80",
                                     "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

}  // namespace
}  // namespace orsvelt
