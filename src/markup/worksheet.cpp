#include "markup/worksheet.h"

#include <span>
#include <string>

#include "markup/markup_text.h"

namespace orsvelt {
namespace {

constexpr std::string_view kTopRows2[] = {
    "   <Selected/>",        "   <FreezePanes/>",
    "   <FrozenNoSplit/>",   "   <SplitHorizontal>2</SplitHorizontal>",
    "   <TopRowBottomPane>2</TopRowBottomPane>",
    "   <ActivePane>2</ActivePane>",
    "   <Panes>",            "    <Pane>",
    "     <Number>2</Number>", "     <ActiveRow>0</ActiveRow>",
    "     <ActiveCol>0</ActiveCol>", "    </Pane>",
    "    <Pane>",            "     <Number>0</Number>",
    "    </Pane>",           "   </Panes>",
};

constexpr std::string_view kTopRows3[] = {
    "   <Selected/>",        "   <FreezePanes/>",
    "   <FrozenNoSplit/>",   "   <SplitHorizontal>3</SplitHorizontal>",
    "   <TopRowBottomPane>3</TopRowBottomPane>",
    "   <ActivePane>2</ActivePane>",
    "   <Panes>",            "    <Pane>",
    "     <Number>2</Number>", "     <ActiveRow>0</ActiveRow>",
    "     <ActiveCol>0</ActiveCol>", "    </Pane>",
    "    <Pane>",            "     <Number>0</Number>",
    "    </Pane>",           "   </Panes>",
};

constexpr std::string_view kTopRows4LeftCols6[] = {
    "   <Selected/>",
    "   <FreezePanes/>",
    "   <FrozenNoSplit/>",
    "   <SplitHorizontal>4</SplitHorizontal>",
    "   <SplitVertical>6</SplitVertical>",
    "   <TopRowBottomPane>4</TopRowBottomPane>",
    "   <LeftColumnRightPane>6</LeftColumnRightPane>",
    "   <ActivePane>0</ActivePane>",
    "   <Panes>",
    "    <Pane>",
    "     <Number>0</Number>",
    "     <ActiveRow>0</ActiveRow>",
    "     <ActiveCol>0</ActiveCol>",
    "    </Pane>",
    "    <Pane>",
    "     <Number>0</Number>",
    "    </Pane>",
    "   </Panes>",
};

constexpr std::string_view kTopRows4LeftCols4[] = {
    "   <Selected/>",
    "   <FreezePanes/>",
    "   <FrozenNoSplit/>",
    "   <SplitHorizontal>4</SplitHorizontal>",
    "   <TopRowBottomPane>4</TopRowBottomPane>",
    "   <SplitVertical>4</SplitVertical>",
    "   <LeftColumnRightPane>4</LeftColumnRightPane>",
    "   <ActivePane>0</ActivePane>",
    "   <Panes>",
    "    <Pane>",
    "     <Number>0</Number>",
    "     <ActiveRow>4</ActiveRow>",
    "     <ActiveCol>4</ActiveCol>",
    "    </Pane>",
    "   </Panes>",
};

}  // namespace

void WorksheetOpen(ProtocolWriter& out, std::string_view name) {
  out.Line("<Worksheet ss:Name=\"", MarkupText(name), "\" xmlns:ss=\"urn:schemas-microsoft-com:office:spreadsheet\">");
}

void WorksheetOptions(ProtocolWriter& out, FrozenPanes panes, bool selected) {
  std::span<const std::string_view> lines = kTopRows2;
  switch (panes) {
    case FrozenPanes::TopRows2: lines = kTopRows2; break;
    case FrozenPanes::TopRows3: lines = kTopRows3; break;
    case FrozenPanes::TopRows4LeftCols6: lines = kTopRows4LeftCols6; break;
    case FrozenPanes::TopRows4LeftCols4: lines = kTopRows4LeftCols4; break;
    case FrozenPanes::TopRows4LeftCols4Unselected:
      lines = kTopRows4LeftCols4;
      selected = false;
      break;
  }
  out.Line("  <WorksheetOptions xmlns=\"urn:schemas-microsoft-com:office:excel\">");
  for (std::string_view line : lines)
    if (selected || line != "   <Selected/>") out.Line(line);
  out.Line("  </WorksheetOptions>");
}

void TableOpen(ProtocolWriter& out, const std::vector<int>& columnWidths) {
  out.Line("<Table xmlns:x=\"urn:schemas-microsoft-com:office:excel\">");
  // Each column names its index: without it Calc goes on counting from the columns of the
  // sheets before, and every sheet after the first gets its widths shifted right.
  for (std::size_t i = 0; i < columnWidths.size(); ++i)
    out.Line("<Column ss:Index=\"", std::to_string(i + 1), "\" ss:Width=\"", std::to_string(columnWidths[i]), "\" />");
}

void WorksheetClose(ProtocolWriter& out) {
  out.Line("  </Table>");
  out.Line(" </Worksheet>");
}

}  // namespace orsvelt
