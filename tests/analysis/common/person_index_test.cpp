// Matching insured persons across a year's reports.

#include <gtest/gtest.h>

#include "analysis/common/person_index.h"

namespace orsvelt::test {
namespace {

TEST(PersonIndex, TheSnilsMatchesInEachOfItsWritings) {
  PersonIndex index;
  EXPECT_EQ(index.FindOrAdd("123-456-789 01", "", 0), std::make_pair(std::size_t{0}, true));
  EXPECT_EQ(index.FindOrAdd("123-456-789-01", "770100000001", 1), std::make_pair(std::size_t{0}, false));
  EXPECT_EQ(index.Find("12345678901", ""), std::size_t{0});
  EXPECT_EQ(index.Find("123-456-789 02", ""), std::nullopt);
}

TEST(PersonIndex, WithoutASnilsTheInnMatchesAmongPersonsWithoutOne) {
  PersonIndex index;
  index.FindOrAdd("123-456-789 01", "770100000001", 0);
  // The INN of a person with a SNILS is no key: the one without is someone else.
  EXPECT_EQ(index.Find("", "770100000001"), std::nullopt);
  EXPECT_EQ(index.FindOrAdd("", "770100000001", 1), std::make_pair(std::size_t{1}, true));
  EXPECT_EQ(index.FindOrAdd("", "770100000001", 2), std::make_pair(std::size_t{1}, false));
  EXPECT_EQ(index.FindOrAdd("", "770100000002", 2), std::make_pair(std::size_t{2}, true));
}

TEST(PersonIndex, APersonWithNeitherStandsAlone) {
  PersonIndex index;
  EXPECT_EQ(index.FindOrAdd("", "", 0), std::make_pair(std::size_t{0}, true));
  EXPECT_EQ(index.FindOrAdd("", "", 1), std::make_pair(std::size_t{1}, true));
  EXPECT_EQ(index.Find("", ""), std::nullopt);
}

// Fourteen characters without a digit normalise to nothing: such persons must not all share
// the empty key, whatever their INNs.
TEST(PersonIndex, ASnilsWithoutDigitsFallsBackToTheInn) {
  PersonIndex index;
  EXPECT_EQ(index.FindOrAdd("--------------", "770100000001", 0), std::make_pair(std::size_t{0}, true));
  EXPECT_EQ(index.FindOrAdd("--------------", "770100000002", 1), std::make_pair(std::size_t{1}, true));
  EXPECT_EQ(index.Find("", "770100000001"), std::size_t{0});
}

TEST(PersonIndex, ClearForgetsEveryone) {
  PersonIndex index;
  index.FindOrAdd("12345678901", "", 0);
  index.FindOrAdd("", "770100000001", 1);
  index.Clear();
  EXPECT_EQ(index.Find("12345678901", ""), std::nullopt);
  EXPECT_EQ(index.Find("", "770100000001"), std::nullopt);
}

}  // namespace
}  // namespace orsvelt::test
