// Written form and check number of the insurance number.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/snils.h"

namespace orsvelt {
namespace {

TEST(Snils, CheckNumbers) {
  struct Case {
    std::string_view text;
    SnilsCheck expected;
  };
  const std::vector<Case> cases{
      {"112-233-445 95", SnilsCheck::valid},  // sum 95, below 100: the sum itself
      {"123-456-789 64", SnilsCheck::valid},  // sum 165 -> 165 mod 101
      {"087-654-303 00", SnilsCheck::valid},  // sum 202 -> remainder 0
      {"134-679-124 11", SnilsCheck::wrongCheckNumber},  // sum 179 gives 78
      {"123-456-789-64", SnilsCheck::valid},
      {"12345678964", SnilsCheck::valid},
      {"12345678965", SnilsCheck::wrongCheckNumber},
      {"000-000-191 00", SnilsCheck::notVerified},
      {"001-001-998 00", SnilsCheck::notVerified},       // the last number without a check number
      {"001-001-999 00", SnilsCheck::wrongCheckNumber},  // checked from here on: sum 65
      {"001-001-999 65", SnilsCheck::valid},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(CheckSnils(c.text), c.expected);
  }
}

TEST(Snils, SumsOfOneHundredAndOneHundredAndOneGiveZero) {
  // 100 = 9*4 + 8*8 (480-000-000); 101 = 100 + 1*1 (480-000-001).
  EXPECT_EQ(CheckSnils("480-000-000 00"), SnilsCheck::valid);
  EXPECT_EQ(CheckSnils("480-000-001 00"), SnilsCheck::valid);
  EXPECT_EQ(CheckSnils("480-000-000 01"), SnilsCheck::wrongCheckNumber);
  // A remainder of 100 also gives 00: sum 201 = 9*9 + 8*9 + 7*6 + 6*1 -> 996-100-000.
  EXPECT_EQ(CheckSnils("996-100-000 00"), SnilsCheck::valid);
}

TEST(Snils, MalformedNumbers) {
  for (std::string_view text : {"", "112-233-445 9", "112-233-445 955", "1122334459", "112233445955",
                                "112-233-445 9A", "ABC-DEF-GHI JK", "112-233-44595", "112 233 445-9 5",
                                "абв-где-жзи йк"}) {
    SCOPED_TRACE(std::string(text));
    EXPECT_EQ(CheckSnils(text), SnilsCheck::malformed);
  }
}

TEST(Snils, WrittenForm) {
  for (std::string_view text : {"112-233-445 95", "112-233-445-95", "000-000-000 00"}) {
    SCOPED_TRACE(std::string(text));
    EXPECT_TRUE(IsSnilsWritten(text));
  }
  for (std::string_view text : {"", "11223344595", "112 233 445 95", "112-233-445  95", "112-233-44595 ",
                                " 112-233-445 95", "112-233-445 9O", "112_233_445 95", "112-233 445-95",
                                "１12-233-445 95"}) {
    SCOPED_TRACE(std::string(text));
    EXPECT_FALSE(IsSnilsWritten(text));
  }
}

}  // namespace
}  // namespace orsvelt
