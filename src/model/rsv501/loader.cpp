#include "model/rsv501/loader.h"

#include "model/common/path_buffer.h"

namespace orsvelt::rsv501 {

void MakeChildPath(std::string& out, const std::string& parent, std::string_view name, ChildPath style, std::size_t i) {
  out.assign(parent);
  switch (style) {
    case ChildPath::Indexed: return AppendPathStep(out, " - ", name, "[", i, "]");
    case ChildPath::Plain: return AppendPathStep(out, " - ", name, {}, 0, {});
    case ChildPath::Spaced1Based: return AppendPathStep(out, " - ", name, " [", i + 1, "]");
    case ChildPath::Parenthesized: return AppendPathStep(out, " - ", name, " (", i, ")");
  }
  AppendPathStep(out, " - ", name, {}, 0, {});
}

std::string MakeChildPath(const std::string& parent, std::string_view name, ChildPath style, std::size_t i) {
  std::string path;
  MakeChildPath(path, parent, name, style, i);
  return path;
}

}  // namespace orsvelt::rsv501
