#pragma once
// Texts kept for as long as their owner lives, written one after another into large blocks
// instead of a heap allocation each: hundreds of thousands of short names and codes cost
// little more than their bytes.

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace orsvelt::view {

class TextBlocks {
 public:
  // Room for size bytes that never moves until Clear.
  char* Room(std::size_t size);
  // A copy of the text that stays valid until Clear; empty texts take no room.
  std::string_view Keep(std::string_view text);
  void Clear();

 private:
  std::vector<std::unique_ptr<char[]>> blocks_;
  std::size_t blockFree_ = 0;
};

}  // namespace orsvelt::view
