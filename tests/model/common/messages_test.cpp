#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/common/elem_load.h"

namespace orsvelt {
namespace {

TEST(Messages, CopiesAreIndependentAndMovesLeaveNothingBehind) {
  TElem a;
  a.AddError("первая");
  TElem b = a;  // elements are copied whole, messages included
  b.AddError("вторая");
  EXPECT_EQ(a.Errors, (Messages{"первая"}));
  EXPECT_EQ(b.Errors, (Messages{"первая", "вторая"}));
  a = b;
  b.Errors.clear();
  EXPECT_EQ(a.Errors.size(), 2u);
  EXPECT_TRUE(b.Errors.empty());
  TElem c = std::move(a);
  EXPECT_EQ(c.Errors.back(), "вторая");
  a.AddError("снова");  // a moved-from element takes messages again
  EXPECT_EQ(a.Errors, (Messages{"снова"}));
}

TEST(Messages, TakenOverInOrderAndReadAsAPlainList) {
  Messages parent{"1"};
  TakeOver(parent, Messages{});
  TakeOver(parent, Messages{"2", "3"});
  const std::vector<std::string>& list = parent;
  EXPECT_EQ(list, (std::vector<std::string>{"1", "2", "3"}));
  std::string joined;
  for (const std::string& m : parent) joined += m;
  EXPECT_EQ(joined, "123");
  const Messages none;
  EXPECT_EQ(none.begin(), none.end());
  EXPECT_EQ(static_cast<const std::vector<std::string>&>(none).size(), 0u);
}

}  // namespace
}  // namespace orsvelt
