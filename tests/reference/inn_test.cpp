// Check digits of the taxpayer number of organisations and persons.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/inn.h"

namespace orsvelt {
namespace {

struct Case {
  std::string_view text;
  InnCheck expected;
};

TEST(Inn, Organisations) {
  const std::vector<Case> cases{
      {"7715670503", InnCheck::valid},
      {"7707123456", InnCheck::wrongCheckDigit},  // check digit 8, written 6
      {"7715670504", InnCheck::wrongCheckDigit},
      {"0000000000", InnCheck::valid},
      // A person's number is not an organisation's, even with valid check digits.
      {"500100732259", InnCheck::malformed},
      {"", InnCheck::malformed},
      {"771567050", InnCheck::malformed},
      {"77156705031", InnCheck::malformed},
      {"771567050A", InnCheck::malformed},
      {" 7715670503", InnCheck::malformed},
      {"7715670503 ", InnCheck::malformed},
      {"77-1567050", InnCheck::malformed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(CheckOrganisationInn(c.text), c.expected);
  }
}

TEST(Inn, Persons) {
  const std::vector<Case> cases{
      {"500100732259", InnCheck::valid},
      {"772345678901", InnCheck::valid},  // first remainder 10 gives check digit 0
      {"500100732258", InnCheck::wrongCheckDigit},  // twelfth digit wrong
      {"500100732269", InnCheck::wrongCheckDigit},  // eleventh digit wrong
      {"771234567890", InnCheck::wrongCheckDigit},
      {"7715670503", InnCheck::malformed},
      {"", InnCheck::malformed},
      {"50010073225", InnCheck::malformed},
      {"5001007322590", InnCheck::malformed},
      {"50010073225O", InnCheck::malformed},  // letter O for a zero
      {"５00100732259", InnCheck::malformed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text));
    EXPECT_EQ(CheckPersonInn(c.text), c.expected);
  }
}

}  // namespace
}  // namespace orsvelt
