#include "markup/continued_table.h"

#include <utility>

namespace orsvelt {
namespace {

// Excel's limit on a sheet name, in characters.
constexpr std::size_t kSheetNameLength = 31;

bool StartsCodePoint(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// The bytes of the first `count` code points.
std::string_view FirstCodePoints(std::string_view utf8, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i)
    if (StartsCodePoint(utf8[i]) && seen++ == count) return utf8.substr(0, i);
  return utf8;
}

}  // namespace

std::string ContinuedSheetName(std::string_view base, std::size_t k) {
  const std::string suffix = k > 1 ? " (" + std::to_string(k) + ")" : std::string();
  std::string name(FirstCodePoints(base, kSheetNameLength - suffix.size()));
  // A shortened name must not end in a space before the suffix, nor in an apostrophe alone.
  while (!name.empty() && (name.back() == ' ' || (suffix.empty() && name.back() == '\''))) name.pop_back();
  for (char& c : name)
    if (std::string_view(":\\/?*[]").find(c) != std::string_view::npos) c = '_';
  if (!name.empty() && name.front() == '\'') name.front() = '_';
  return name + suffix;
}

ContinuedTable::ContinuedTable(ProtocolWriter& out, TableFrame frame, const SheetLimits& limits)
    : out_(out), frame_(std::move(frame)), rowLimit_(limits.rows) {
  OpenSheet();
}

void ContinuedTable::OpenSheet() {
  ++sheets_;
  WorksheetOpen(out_, ContinuedSheetName(frame_.name, sheets_));
  if (frame_.panes) WorksheetOptions(out_, *frame_.panes, sheets_ == 1);
  TableOpen(out_, frame_.columnWidths);
  if (frame_.headingWriter) frame_.headingWriter(out_);
  rows_ = frame_.headingRows;
}

void ContinuedTable::Block(long rows) {
  if (rows_ + rows > rowLimit_ && rows_ > frame_.headingRows) {
    WorksheetClose(out_);
    OpenSheet();
  }
  rows_ += rows;
}

void ContinuedTable::Close() { WorksheetClose(out_); }

}  // namespace orsvelt
