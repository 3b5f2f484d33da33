// Bytes of any kind into the element tree: never a crash, a hang or a leak.

#include <cstddef>
#include <cstdint>
#include <string>

#include "xml/xmlwork.h"

namespace {

std::size_t Walk(orsvelt::TXMLElement e, int depth) {
  std::size_t n = e.Name().size() + e.Text().size();
  for (const orsvelt::TXMLAttr a : e.Attributes()) n += a.Name.size() + a.Value.size();
  if (depth < 64)
    for (const orsvelt::TXMLElement c : e.Children()) n += Walk(c, depth + 1);
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orsvelt::TXMLFile file;
  file.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size));
  if (file.Parse()) {
    volatile std::size_t sink = Walk(file.Root(), 0);
    (void)sink;
    (void)file.Declaration();
  } else if (file.ErrorText().empty()) {
    __builtin_trap();  // a failure must always say why
  }
  return 0;
}
