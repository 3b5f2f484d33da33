#include "xml/amount.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

TEST(ParseAmount, ExactDecimalWithHalfToEven) {
  struct Case {
    std::string_view text;
    Amount expected;
  } cases[] = {
      {"0", 0},
      {"12", 120000},
      {"  12.5", 125000},
      {"\t-3.25", -32500},
      {"+7", 70000},
      {"1.", 10000},
      {".5", 5000},
      {"-0", 0},
      {"-0.00004", 0},
      {"0.1", 1000},
      {"12345.6789", 123456789},
      {"1e3", 10000000},
      {"1.5E-2", 150},
      {"2.5e+1", 250000},
      {"100000000000000000000e-20", 10000},
      {"000000000000000000000000001.5", 15000},
      // Binary floating point would turn 0.00015 * 10000 into 1.4999...
      {"0.00005", 0},
      {"0.00015", 2},
      {"0.00025", 2},
      {"0.000251", 3},
      {"-0.00015", -2},
      {"0.00004999", 0},
      {"1e-400", 0},
      {"922337203685477.5807", std::numeric_limits<Amount>::max()},
      {"-922337203685477.5808", std::numeric_limits<Amount>::min()},
      {"922337203685477.58069", std::numeric_limits<Amount>::max()},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAmount(c.text), c.expected) << c.text;
}

TEST(ParseAmount, PlainSumsAndTheirNeighboursReadAlike) {
  // Plain sums are read on a short path; the longer forms around it must agree with it.
  struct Case {
    std::string_view text;
    std::optional<Amount> expected;
  } cases[] = {
      {"99999999999999.9999", 999999999999999999},
      {"99999999999999", 999999999999990000},
      {"123456789012345", 1234567890123450000},
      {"999999999999999.9999", std::nullopt},
      {"1.23456", 12346},
      {"1.23455", 12346},
      {"1.23445", 12344},
      {"0001.5000", 15000},
      {"7.", 70000},
      {"7.0000", 70000},
      {"-7.00", -70000},
      {"7.00 ", std::nullopt},
      {"7.0a", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseAmount(c.text), c.expected) << c.text;
}

TEST(ParseAmount, RejectsWhatIsNotASum) {
  for (const std::string_view text :
       {"", " ", "12 ", "1,5", "1 000", ".", "e5", "1e", "1e+", "-", "+-1", "- 5", "1.2.3",
        "0x10", "12a", "NaN", "inf", "\n5", "922337203685477.5808", "922337203685477.58075",
        "-922337203685477.5809", "1e400", "1e99999999999999999999999"})
    EXPECT_FALSE(ParseAmount(text).has_value()) << text;
}

TEST(ParseAmount, LongInputsStayFast) {
  EXPECT_EQ(ParseAmount("0." + std::string(200000, '0') + "1"), 0);
  EXPECT_EQ(ParseAmount("1" + std::string(200000, '0') + "e-200000"), 10000);
  EXPECT_FALSE(ParseAmount("1" + std::string(200000, '0')).has_value());
  EXPECT_EQ(ParseAmount("1e-" + std::string(200000, '9')), 0);
}

TEST(ParseInt, SyntaxAndRange) {
  struct Case {
    std::string_view text;
    std::optional<std::int32_t> expected;
  } cases[] = {
      {"0", 0},           {" 42", 42},         {"\t+5", 5},         {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},               {"007", 7},          {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},           {"", std::nullopt},  {"-", std::nullopt},
      {"1.0", std::nullopt},                   {"12 ", std::nullopt}, {"1e3", std::nullopt},
      {"99999999999999999999999", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseInt32(c.text), c.expected) << c.text;

  EXPECT_EQ(ParseInt64("9223372036854775807"), INT64_MAX);
  EXPECT_EQ(ParseInt64("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(ParseInt64(" 3000000000"), 3000000000);
  EXPECT_FALSE(ParseInt64("9223372036854775808").has_value());
  EXPECT_FALSE(ParseInt64("-9223372036854775809").has_value());
}

}  // namespace
}  // namespace orsvelt
