// Texts kept in shared blocks: each stays whole and in place while more are kept, past the
// end of a block and beside a text too long for one.

#include "model/view/text_blocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orsvelt::view {
namespace {

TEST(TextBlocks, KeptTextsStayWholeAcrossBlocksAndBesideAnOversizedOne) {
  TextBlocks texts;
  std::vector<std::string> originals;
  std::vector<std::string_view> kept;
  for (int i = 0; i < 20000; ++i) {  // several blocks' worth
    originals.push_back("Фамилия" + std::to_string(i));
    if (i == 7000) originals.push_back(std::string(200 * 1024, 'x'));
    if (i == 7001) originals.push_back("");
  }
  for (const std::string& text : originals) kept.push_back(texts.Keep(text));
  for (std::size_t i = 0; i < originals.size(); ++i) {
    ASSERT_EQ(kept[i], originals[i]) << i;
    if (!originals[i].empty()) {
      ASSERT_NE(static_cast<const void*>(kept[i].data()), originals[i].data());
    }
  }
  texts.Clear();
  EXPECT_EQ(texts.Keep("после"), "после");
}

}  // namespace
}  // namespace orsvelt::view
