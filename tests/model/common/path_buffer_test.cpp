#include "model/common/path_buffer.h"

#include <string>

#include <gtest/gtest.h>

namespace orsvelt {
namespace {

// Loading goes down and up the levels many times; each level's path must survive every
// deeper one, however many levels come and go below it.
void Descend(const std::string& path, int level, std::string& seen) {
  if (level == 40) {
    seen += path.substr(path.size() - 8) + "|";
    return;
  }
  for (std::size_t sibling = 0; sibling < 2; ++sibling) {
    ChildPathBuffer child;
    child.Text().assign(path);
    AppendPathStep(child.Text(), " - ", "Э", "[", sibling, "]");
    Descend(child.Text(), level + 1, seen);
    ASSERT_EQ(child.Text(), path + " - Э[" + std::to_string(sibling) + "]") << "a deeper level wrote into this one";
  }
}

TEST(ChildPathBuffer, EachLevelKeepsItsPathWhileDeeperOnesComeAndGo) {
  std::string seen;
  ChildPathBuffer top;
  top.Text() = "Файл";
  Descend(top.Text(), 30, seen);
  EXPECT_EQ(top.Text(), "Файл");
  EXPECT_EQ(seen.size(), 1024u * 9);
  EXPECT_EQ(seen.substr(0, 9), " - Э[0]|");
  EXPECT_EQ(seen.substr(seen.size() - 9), " - Э[1]|");
}

TEST(ChildPathBuffer, StepsAreWrittenAsTheFormsAsk) {
  std::string p = "P";
  AppendPathStep(p, " - ", "ФИО", {}, 7, {});
  AppendPathStep(p, " ", "СвВыпл", " [", 12, "]");
  AppendPathStep(p, " - ", "МК", "(", 0, ")");
  EXPECT_EQ(p, "P - ФИО СвВыпл [12] - МК(0)");
}

}  // namespace
}  // namespace orsvelt
