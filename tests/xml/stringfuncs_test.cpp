#include "xml/stringfuncs.h"

#include <clocale>
#include <cstdint>
#include <limits>
#include <locale>
#include <string>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

TEST(ReplaceAll, CountsAndNeverResearchesInsertedText) {
  struct Case {
    std::string_view text, search, replacement, expected;
    int count;
  } cases[] = {
      {"9:05:03", ":", "-", "9-05-03", 2},  {"aaa", "a", "aa", "aaaaaa", 3},
      {"abab", "ab", "abab", "abababab", 2}, {"abc", "x", "y", "abc", 0},
      {"abc", "", "y", "abc", 0},           {"Иванов Иван", "Иван", "Пётр", "Пётров Пётр", 2},
      {"aaaa", "aa", "", "", 2},
  };
  for (const auto& c : cases) {
    const ReplaceResult r = ReplaceAll(c.text, c.search, c.replacement);
    EXPECT_EQ(r.text, c.expected) << c.text;
    EXPECT_EQ(r.count, c.count) << c.text;
  }
}

TEST(DecodeEntities, DecodesEachEntityOnce) {
  struct Case {
    std::string_view text, expected;
  } cases[] = {
      {"ООО &quot;Ромашка&quot; Иванов &amp; Ко", "ООО \"Ромашка\" Иванов & Ко"},
      {"&laquo;a&raquo;&gt;&lt;&#039;&nbsp;", "«a»><' "},
      {"&amp;nbsp;", "&nbsp;"},
      {"&amp;amp;", "&amp;"},
      {"&#1040;&#x410;&#X430;&#x1F600;", "ААа😀"},
      {"&&lt;", "&<"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeEntities(c.text), c.expected) << c.text;
  // Unknown, malformed or invalid references stay as written.
  for (const std::string_view text : {"&copy;", "&lt", "&#0;", "&#xD800;", "&#x110000;",
                                      "&#99999999999;", "&#;", "&#x;", "&#12a;", "& lt;", "a&"})
    EXPECT_EQ(DecodeEntities(text), text);
}

TEST(DecodeEntities, LinearOnLongInput) {
  std::string text;
  for (int i = 0; i < 200000; ++i) text += "&amp;&&#x41;";
  const std::string out = DecodeEntities(text);
  EXPECT_EQ(out.size(), 200000u * 3);
  EXPECT_EQ(out.substr(0, 6), "&&A&&A");
}

TEST(EncodeEntities, EscapesOnceAndRoundTrips) {
  EXPECT_EQ(EncodeEntities("\""), "&quot;");
  EXPECT_EQ(EncodeEntities("a&b<c>d'e"), "a&amp;b&lt;c&gt;d&#039;e");
  EXPECT_EQ(EncodeEntities("«Ёлка» 1 2"), "«Ёлка» 1 2");
  const std::string text = "\"Рога & копыта\" <'&amp;'>";
  EXPECT_EQ(DecodeEntities(EncodeEntities(text)), text);
}

TEST(Snils, DigitsAndDisplayForm) {
  EXPECT_EQ(SnilsDigits("123-456-789 01"), "12345678901");
  EXPECT_EQ(SnilsDigits("123-456-789 0"), "123-456-789 0");
  EXPECT_EQ(SnilsDigits("12345678901"), "12345678901");
  EXPECT_EQ(SnilsDigits("абвгдеж"), "абвгдеж");  // 14 bytes, 7 characters
  EXPECT_EQ(FormatSnils("12345678901"), "123-456-789 01");
  EXPECT_EQ(FormatSnils("12345"), "123-45- ");
  EXPECT_EQ(SnilsDigits(FormatSnils("98765432100")), "98765432100");
}

constexpr Amount kMax = std::numeric_limits<Amount>::max();
constexpr Amount kMin = std::numeric_limits<Amount>::min();

TEST(FormatAmount, PlainRoundsHalvesAwayFromZero) {
  struct Case {
    Amount amount;
    std::string_view expected;
  } cases[] = {
      {0, "0.00"},      {12345678, "1234.57"}, {12345, "1.23"},        {50, "0.01"},
      {-50, "-0.01"},   {49, "0.00"},          {-49, "0.00"},          {-1234000, "-123.40"},
      {12345675000, "1234567.50"},             {kMax, "922337203685477.58"},
      {kMin, "-922337203685477.58"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatAmountPlain(c.amount), c.expected) << c.amount;
}

TEST(FormatAmount, GroupedByThousandsWithComma) {
  struct Case {
    Amount amount;
    std::string_view expected;
  } cases[] = {
      {0, "0,00"},          {9999900, "999,99"},        {10000000, "1 000,00"},
      {-1234560000, "-123 456,00"},                     {-1234000, "-123,40"},
      {12345675000, "1 234 567,50"},                    {1000000000000, "100 000 000,00"},
      {kMax, "922 337 203 685 477,58"},                 {kMin, "-922 337 203 685 477,58"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatAmountGrouped(c.amount), c.expected) << c.amount;
}

TEST(FormatAmount, IndependentOfGlobalLocale) {
  const char* names[] = {"ru_RU.UTF-8", "ru_RU.utf8", "ru_RU.CP1251", "Russian_Russia.1251",
                         "de_DE.UTF-8", "fr_FR.UTF-8"};
  const std::locale saved;
  const std::string saved_c = std::setlocale(LC_ALL, nullptr);
  bool switched = false;
  for (const char* name : names) {
    try {
      std::locale::global(std::locale(name));
      std::setlocale(LC_ALL, name);
      switched = true;
      break;
    } catch (const std::runtime_error&) {
    }
  }
  if (!switched) GTEST_SKIP() << "no decimal-comma locale installed";
  const std::string plain = FormatAmountPlain(12345675000);
  const std::string grouped = FormatAmountGrouped(-12345675000);
  std::locale::global(saved);
  std::setlocale(LC_ALL, saved_c.c_str());
  EXPECT_EQ(plain, "1234567.50");
  EXPECT_EQ(grouped, "-1 234 567,50");
}

TEST(Trim, RemovesBlanksTabsAndLineBreaks) {
  EXPECT_EQ(Trim(" \t\r\n a b \n"), "a b");
  EXPECT_EQ(Trim(" \t "), "");
  EXPECT_EQ(Trim("x"), "x");
}

// ASCII lowering never touches the bytes of a Cyrillic letter; folding lowers both alphabets,
// Ё and the capitals before А included, and keeps a lone lead byte at the end.
TEST(CaseFolding, AsciiLowerAndFoldCase) {
  EXPECT_EQ(AsciiLower("UTF-8 Windows-1251"), "utf-8 windows-1251");
  EXPECT_EQ(AsciiLower("МС AbЯ"), "МС abЯ");
  EXPECT_EQ(FoldCase("МС ГПД Ab"), "мс гпд ab");
  EXPECT_EQ(FoldCase("ЁЄЯАяаё"), "ёєяаяаё");
  EXPECT_EQ(FoldCase("Январь"), "январь");
  EXPECT_EQ(FoldCase("x\xD0"), "x\xD0");
  EXPECT_EQ(FoldCase(""), "");
}

}  // namespace
}  // namespace orsvelt
