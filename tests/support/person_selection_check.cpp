#include "support/person_selection_check.h"

#include <algorithm>

namespace orsvelt::test {

::testing::AssertionResult LeavesOutOnly(const std::vector<std::string>& part, const std::vector<std::string>& whole,
                                         std::string_view extra) {
  std::size_t at = 0;
  for (const std::string& line : part) {
    if (line.find(extra) != std::string::npos) continue;
    while (at < whole.size() && whole[at] != line) ++at;
    if (at == whole.size()) return ::testing::AssertionFailure() << "not in the full protocol, in order: " << line;
    ++at;
  }
  return ::testing::AssertionSuccess();
}

std::vector<std::string> TotalsLines(const std::vector<std::string>& lines, std::string_view total,
                                     std::string_view end) {
  std::vector<std::string> out;
  bool inside = false;
  for (const std::string& line : lines) {
    if (!inside && line.find(total) != std::string::npos) inside = true;
    if (inside) out.push_back(line);
    if (inside && line.find(end) != std::string::npos) inside = false;
  }
  return out;
}

void ExpectOnlyPersonsLeftOut(const std::vector<std::string>& only, const std::vector<std::string>& all,
                              std::string_view said, std::string_view before, std::string_view total,
                              std::string_view end, std::size_t minTotals) {
  ASSERT_EQ(LinesWith(only, said), 1);
  const auto first = [&](std::string_view text) {
    return std::find_if(only.begin(), only.end(), [&](const std::string& l) { return l.find(text) != l.npos; });
  };
  EXPECT_LT(first(said), first(before));
  EXPECT_TRUE(LeavesOutOnly(only, all, said));
  const auto totals = TotalsLines(all, total, end);
  ASSERT_GT(totals.size(), minTotals);
  EXPECT_EQ(TotalsLines(only, total, end), totals);
}

int LinesWith(const std::vector<std::string>& lines, std::string_view text) {
  return static_cast<int>(
      std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(text) != std::string::npos; }));
}

}  // namespace orsvelt::test
