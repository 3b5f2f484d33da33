#include "model/view/text_blocks.h"

#include <cstring>

namespace orsvelt::view {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

char* TextBlocks::Room(std::size_t size) {
  if (size > kBlockSize) {
    // A text longer than a block (a damaged report) gets one of its own, ahead of the open one.
    auto own = std::make_unique<char[]>(size);
    char* at = own.get();
    blocks_.insert(blocks_.empty() ? blocks_.end() : blocks_.end() - 1, std::move(own));
    return at;
  }
  if (size > blockFree_) {
    blocks_.push_back(std::make_unique<char[]>(kBlockSize));
    blockFree_ = kBlockSize;
  }
  char* at = blocks_.back().get() + (kBlockSize - blockFree_);
  blockFree_ -= size;
  return at;
}

std::string_view TextBlocks::Keep(std::string_view text) {
  if (text.empty()) return {};
  char* at = Room(text.size());
  std::memcpy(at, text.data(), text.size());
  return {at, text.size()};
}

void TextBlocks::Clear() {
  blocks_.clear();
  blocks_.shrink_to_fit();
  blockFree_ = 0;
}

}  // namespace orsvelt::view
