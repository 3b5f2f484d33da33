#include "model/common/path_buffer.h"

#include <charconv>
#include <memory>
#include <vector>

namespace orsvelt {

namespace {

// One string per level; held by pointer so that a deeper level being added never moves
// the strings that the levels above are still reading.
thread_local std::vector<std::unique_ptr<std::string>> levels;
thread_local std::size_t depth = 0;

}  // namespace

ChildPathBuffer::ChildPathBuffer() {
  if (depth == levels.size()) levels.push_back(std::make_unique<std::string>());
  text_ = levels[depth++].get();
}

ChildPathBuffer::~ChildPathBuffer() { --depth; }

void AppendPathStep(std::string& path, std::string_view separator, std::string_view name, std::string_view open,
                    std::size_t number, std::string_view close) {
  path += separator;
  path += name;
  if (open.empty()) return;
  char digits[24];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, number);
  path += open;
  path.append(digits, static_cast<std::size_t>(end - digits));
  path += close;
}

}  // namespace orsvelt
