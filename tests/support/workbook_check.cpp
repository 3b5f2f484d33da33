#include "support/workbook_check.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "markup/plain_number.h"
#include "support/markup_check_support.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

bool Named(const pugi::xml_node& node, const char* name) { return std::string_view(node.name()) == name; }

// A non-negative decimal attribute value; nothing for anything else.
std::optional<long> Count(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  long value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Text beside the elements of a structural element.
bool HasText(const pugi::xml_node& node) {
  for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling())
    if ((child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) && !IsBlank(child.value()))
      return true;
  return false;
}

std::size_t CodePoints(std::string_view utf8) {
  std::size_t count = 0;
  for (char c : utf8)
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  return count;
}

std::string CheckSheetName(std::string_view name, std::set<std::string>& seen) {
  if (name.empty()) return "worksheet without a name";
  const std::string quoted = "worksheet name \"" + std::string(name) + "\"";
  if (CodePoints(name) > 31) return quoted + " is longer than 31 characters";
  if (name.find_first_of(":\\/?*[]") != std::string_view::npos) return quoted + " holds one of : \\ / ? * [ ]";
  if (name.front() == '\'' || name.back() == '\'') return quoted + " begins or ends with an apostrophe";
  std::string folded(name);
  for (char& c : folded)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (!seen.insert(folded).second) return quoted + " is used twice";
  return {};
}

// Where each column is covered by a merged area from a row above.
struct Cover {
  long untilRow = 0;  // last row the area covers; 0: none
  long originRow = 0;
  long originColumn = 0;
};

class TableCheck {
 public:
  TableCheck(std::string sheet, const std::set<std::string>& styles, const SheetLimits& limits)
      : sheet_(std::move(sheet)), styles_(styles), limits_(limits) {}

  std::string Run(const pugi::xml_node& table) {
    if (HasText(table)) return At(row_, 0) + "text inside <Table>";
    for (pugi::xml_node child = table.first_child(); child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      if (Named(child, "Column")) {
        if (std::string problem = CheckColumn(child); !problem.empty()) return problem;
        continue;
      }
      if (!Named(child, "Row")) return At(row_, 0) + "<" + child.name() + "> inside <Table>";
      if (std::string problem = CheckRow(child); !problem.empty()) return problem;
    }
    return CheckExpandedCounts(table);
  }

 private:
  // A declared size of the table must hold what it holds (Excel refuses the workbook
  // otherwise) and stay within a worksheet.
  std::string CheckExpandedCounts(const pugi::xml_node& table) const {
    const struct {
      const char* name;
      long used;
      long limit;
    } counts[] = {{"ss:ExpandedRowCount", rowReach_, limits_.rows}, {"ss:ExpandedColumnCount", columnReach_, limits_.columns}};
    for (const auto& count : counts) {
      const pugi::xml_attribute declared = table.attribute(count.name);
      if (!declared) continue;
      const std::optional<long> value = Count(declared.value());
      const std::string quoted = std::string(count.name) + " \"" + declared.value() + "\"";
      if (!value) return At(0, 0) + "malformed " + quoted;
      if (*value < count.used) return At(0, 0) + quoted + " below the " + std::to_string(count.used) + " the table takes";
      if (*value > count.limit) return At(0, 0) + quoted + " beyond the limits of a worksheet";
    }
    return {};
  }

  std::string At(long row, long column) const {
    std::string text = "worksheet \"" + sheet_ + "\"";
    if (row > 0) text += ", row " + std::to_string(row);
    if (column > 0) text += ", column " + std::to_string(column);
    return text + ": ";
  }

  // Columns stand before the rows, each after the one before it (ss:Index, ss:Span).
  std::string CheckColumn(const pugi::xml_node& columnNode) {
    if (row_ > 0) return At(row_, 0) + "<Column> after the rows";
    long first = column_ + 1;
    if (pugi::xml_attribute index = columnNode.attribute("ss:Index")) {
      const std::optional<long> value = Count(index.value());
      if (!value || *value < first)
        return At(0, first) + "column ss:Index \"" + index.value() + "\" does not follow column " +
               std::to_string(column_);
      first = *value;
    }
    long span = 0;
    if (pugi::xml_attribute spanned = columnNode.attribute("ss:Span")) {
      const std::optional<long> value = Count(spanned.value());
      if (!value) return At(0, first) + "malformed ss:Span \"" + spanned.value() + "\"";
      span = *value;
    }
    column_ = first + span;
    columnReach_ = std::max(columnReach_, column_);
    if (column_ > limits_.columns) return At(0, first) + "column beyond the last column of a worksheet";
    return {};
  }

  std::string CheckRow(const pugi::xml_node& rowNode) {
    if (pugi::xml_attribute index = rowNode.attribute("ss:Index")) {
      const std::optional<long> value = Count(index.value());
      if (!value || *value <= row_)
        return At(row_ + 1, 0) + "row ss:Index \"" + index.value() + "\" does not follow row " + std::to_string(row_);
      row_ = *value;
    } else {
      ++row_;
    }
    if (row_ > limits_.rows) return At(row_, 0) + "beyond the last row of a worksheet";
    rowReach_ = std::max(rowReach_, row_);
    if (HasText(rowNode)) return At(row_, 0) + "text inside <Row>";
    long next = 1;  // the first column the next cell may take
    for (pugi::xml_node cell = rowNode.first_child(); cell; cell = cell.next_sibling()) {
      if (cell.type() != pugi::node_element) continue;
      if (!Named(cell, "Cell")) return At(row_, next) + "<" + cell.name() + "> inside <Row>";
      if (std::string problem = CheckCell(cell, next); !problem.empty()) return problem;
    }
    return {};
  }

  std::string CheckCell(const pugi::xml_node& cell, long& next) {
    long column = next;
    if (pugi::xml_attribute index = cell.attribute("ss:Index")) {
      const std::optional<long> value = Count(index.value());
      if (!value || *value < 1) return At(row_, next) + "malformed ss:Index \"" + index.value() + "\"";
      if (*value < next)
        return At(row_, *value) + "ss:Index " + index.value() + " stands on the cell before it, which ends at column " +
               std::to_string(next - 1);
      column = *value;
    }
    long across = 0;
    long down = 0;
    for (auto [name, target] : {std::pair{"ss:MergeAcross", &across}, std::pair{"ss:MergeDown", &down}}) {
      if (pugi::xml_attribute merge = cell.attribute(name)) {
        const std::optional<long> value = Count(merge.value());
        if (!value) return At(row_, column) + "malformed " + name + " \"" + merge.value() + "\"";
        *target = *value;
      }
    }
    const long last = column + across;
    if (last > limits_.columns) return At(row_, column) + "cell reaches beyond the last column of a worksheet";
    if (row_ + down > limits_.rows) return At(row_, column) + "cell reaches beyond the last row of a worksheet";
    if (static_cast<long>(cover_.size()) <= last) cover_.resize(static_cast<std::size_t>(last) + 1);
    for (long c = column; c <= last; ++c) {
      const Cover& covered = cover_[static_cast<std::size_t>(c)];
      if (covered.untilRow >= row_)
        return At(row_, c) + "cell overlaps the merged area of the cell at row " + std::to_string(covered.originRow) +
               ", column " + std::to_string(covered.originColumn);
    }
    if (down > 0)
      for (long c = column; c <= last; ++c) cover_[static_cast<std::size_t>(c)] = {row_ + down, row_, column};
    next = last + 1;
    rowReach_ = std::max(rowReach_, row_ + down);
    columnReach_ = std::max(columnReach_, last);

    if (pugi::xml_attribute style = cell.attribute("ss:StyleID"); style && !styles_.count(style.value()))
      return At(row_, column) + "style \"" + style.value() + "\" is not defined";
    return CheckData(cell, column);
  }

  std::string CheckData(const pugi::xml_node& cell, long column) const {
    if (HasText(cell)) return At(row_, column) + "text inside <Cell> outside <Data>";
    int count = 0;
    for (pugi::xml_node data = cell.first_child(); data; data = data.next_sibling()) {
      if (data.type() != pugi::node_element) continue;
      if (!Named(data, "Data")) return At(row_, column) + "<" + data.name() + "> inside <Cell>";
      if (++count > 1) return At(row_, column) + "more than one <Data> in a cell";
      for (pugi::xml_node inner = data.first_child(); inner; inner = inner.next_sibling())
        if (inner.type() == pugi::node_element) return At(row_, column) + "element inside <Data>";
      const std::string_view type = data.attribute("ss:Type").value();
      if (type == "Number") {
        if (!IsPlainNumber(data.child_value()))
          return At(row_, column) + "Number cell holds \"" + data.child_value() + "\"";
      } else if (type != "String") {
        return At(row_, column) + "data type \"" + std::string(type) + "\" is neither String nor Number";
      }
    }
    return {};
  }

  std::string sheet_;
  const std::set<std::string>& styles_;
  const SheetLimits& limits_;
  std::vector<Cover> cover_;
  long row_ = 0;
  long column_ = 0;  // the last column a <Column> describes
  long rowReach_ = 0;     // the last row a row or a merged cell takes
  long columnReach_ = 0;  // the last column a cell takes
};

std::string CollectStyles(const pugi::xml_node& workbook, std::set<std::string>& styles) {
  for (pugi::xml_node list : workbook.children("Styles")) {
    for (pugi::xml_node style = list.first_child(); style; style = style.next_sibling()) {
      if (style.type() != pugi::node_element) continue;
      if (!Named(style, "Style")) return "<" + std::string(style.name()) + "> inside <Styles>";
      const std::string id = style.attribute("ss:ID").value();
      if (id.empty()) return "style without ss:ID";
      if (!styles.insert(id).second) return "style \"" + id + "\" defined twice";
    }
  }
  return {};
}

std::string CheckWorksheet(const pugi::xml_node& sheet, const std::set<std::string>& styles,
                           std::set<std::string>& names, const SheetLimits& limits) {
  const std::string name = sheet.attribute("ss:Name").value();
  if (std::string problem = CheckSheetName(name, names); !problem.empty()) return problem;
  if (HasText(sheet)) return "worksheet \"" + name + "\": text inside <Worksheet>";
  int tables = 0;
  for (pugi::xml_node child = sheet.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element || Named(child, "WorksheetOptions")) continue;
    if (!Named(child, "Table")) return "worksheet \"" + name + "\": <" + child.name() + "> inside <Worksheet>";
    if (++tables > 1) return "worksheet \"" + name + "\": more than one <Table>";
    if (std::string problem = TableCheck(name, styles, limits).Run(child); !problem.empty()) return problem;
  }
  return {};
}

}  // namespace

std::string CheckWorkbook(std::string_view cp1251Bytes, const SheetLimits& limits) {
  const std::string text = Cp1251ToUtf8(cp1251Bytes);
  pugi::xml_document document;
  if (std::string problem = ParseMarkup(text, document); !problem.empty()) return problem;
  if (std::string problem = CheckReferencesAndCharacters(text, EntityNames::XmlOnly); !problem.empty()) return problem;
  if (std::string problem = CheckSingleRoot(document, "Workbook"); !problem.empty()) return problem;
  const pugi::xml_node workbook = document.document_element();
  if (std::string problem = CheckAttributes(workbook); !problem.empty()) return problem;

  std::set<std::string> styles;
  if (std::string problem = CollectStyles(workbook, styles); !problem.empty()) return problem;
  if (HasText(workbook)) return "text inside <Workbook>";
  std::set<std::string> names;
  int sheets = 0;
  for (pugi::xml_node child = workbook.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    if (Named(child, "ExcelWorkbook") || Named(child, "DocumentProperties") || Named(child, "Styles")) continue;
    if (!Named(child, "Worksheet")) return "<" + std::string(child.name()) + "> inside <Workbook>";
    ++sheets;
    if (std::string problem = CheckWorksheet(child, styles, names, limits); !problem.empty()) return problem;
  }
  if (sheets == 0) return "workbook without a worksheet";
  return {};
}

}  // namespace orsvelt
