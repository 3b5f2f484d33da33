#include "model/rsv501/loader.h"

namespace orsvelt::rsv501 {

std::string MakeChildPath(const std::string& parent, std::string_view name, ChildPath style, std::size_t i) {
  std::string path = parent + " - " + std::string(name);
  switch (style) {
    case ChildPath::Indexed: return path + "[" + std::to_string(i) + "]";
    case ChildPath::Plain: return path;
    case ChildPath::Spaced1Based: return path + " [" + std::to_string(i + 1) + "]";
    case ChildPath::Parenthesized: return path + " (" + std::to_string(i) + ")";
  }
  return path;
}

}  // namespace orsvelt::rsv501
