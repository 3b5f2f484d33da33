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

// What the model sees of a tree, for comparing two readings; texts of leaves only, as
// nobody reads the text between child elements.
void Dump(orsvelt::TXMLElement e, int depth, std::string& out) {
  out += e.Name();
  for (const orsvelt::TXMLAttr a : e.Attributes()) (out += ' ').append(a.Name).append("=").append(a.Value);
  if (!e.HasChildren()) {
    (out += '\'').append(e.Text()) += '\'';
    return;
  }
  out += '(';
  if (depth < 64)
    for (const orsvelt::TXMLElement c : e.Children()) Dump(c, depth + 1, out += ' ');
  out += ')';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  orsvelt::TXMLFile file;
  file.LoadFromBytes(bytes);
  const bool whole = file.Parse();
  std::string wholeTree;
  if (whole) Dump(file.Root(), 0, wholeTree);
  if (whole) {
    volatile std::size_t sink = Walk(file.Root(), 0);
    (void)sink;
  } else if (file.ErrorText().empty()) {
    __builtin_trap();  // a failure must always say why
  }

  // The title reading may cut an element's contents, but a file that reads whole must
  // read so too, under the same root, and a failure must say why.
  orsvelt::TXMLFile title;
  title.LoadFromBytes(bytes);
  if (title.ParseWithoutContentsOf("РасчетСВ")) {
    volatile std::size_t sink = Walk(title.Root(), 0);
    (void)sink;
    if (whole && title.Root().Name() != file.Root().Name()) __builtin_trap();
  } else if (whole || title.ErrorText().empty()) {
    __builtin_trap();
  }

  // Parsing in pieces must give the whole parse's tree whenever every piece parses, and
  // a file the whole parse refuses must never pass as parsed in pieces.
  orsvelt::TXMLFile pieces;
  pieces.LoadFromBytes(bytes);
  if (pieces.ParseInPieces("РасчетСВ")) {
    std::string tree;
    Dump(pieces.Root(), 0, tree);
    if (pieces.PiecesParsed() && (!whole || tree != wholeTree)) __builtin_trap();
  } else if (whole || pieces.ErrorText() != file.ErrorText()) {
    __builtin_trap();
  }
  return 0;
}
