#include "support/calc_layout.h"

#include <cstdlib>
#include <limits>
#include <map>
#include <set>

#include <pugixml.hpp>

#include "support/markup_check_support.h"
#include "xml/amount.h"
#include "xml/codepage.h"
#include "xml/stringfuncs.h"

namespace orsvelt::test {
namespace {

// Advances of DejaVu Sans Bold at 10 pt, in points.
double BoldAdvance(char c) {
  if (c >= '0' && c <= '9') return 6.96;
  if (c == '.') return 3.81;
  if (c == '-') return 4.15;
  return 10.0;  // nothing else belongs in an amount
}

// Left and right margins Calc keeps inside a cell.
constexpr double kCellMargins = 3.0;

bool IsMoneyFormat(std::string_view format) { return format.starts_with("0.00;"); }

}  // namespace

double WidestBoldAmountWidth() {
  double width = kCellMargins;
  for (char c : FormatAmountPlain(std::numeric_limits<Amount>::min())) width += BoldAdvance(c);
  return width;
}

std::string CheckCalcLayout(std::string_view cp1251Bytes) {
  pugi::xml_document document;
  if (std::string problem = ParseMarkup(Cp1251ToUtf8(cp1251Bytes), document); !problem.empty()) return problem;
  const pugi::xml_node workbook = document.document_element();

  std::set<std::string> moneyStyles;
  for (pugi::xml_node style : workbook.child("Styles").children("Style")) {
    const std::string id = style.attribute("ss:ID").value();
    const pugi::xml_node format = style.child("NumberFormat");
    const std::string_view name = format.attribute("ss:Format").value();
    if (IsMoneyFormat(name))
      moneyStyles.insert(id);
    else if (name != "General")
      return "style \"" + id + "\" has no money format and no <NumberFormat ss:Format=\"General\"/>";
  }

  const double need = WidestBoldAmountWidth();
  for (pugi::xml_node sheet : workbook.children("Worksheet")) {
    const std::string at = "worksheet \"" + std::string(sheet.attribute("ss:Name").value()) + "\": ";
    const pugi::xml_node table = sheet.child("Table");
    std::map<long, double> widths;
    for (pugi::xml_node column : table.children("Column")) {
      const pugi::xml_attribute index = column.attribute("ss:Index");
      if (!index) return at + "<Column> without ss:Index";
      widths[std::atol(index.value())] = std::atof(column.attribute("ss:Width").value());
    }
    long rowNumber = 0;
    for (pugi::xml_node row : table.children("Row")) {
      ++rowNumber;
      long next = 1;
      for (pugi::xml_node cell : row.children("Cell")) {
        const long column = cell.attribute("ss:Index") ? std::atol(cell.attribute("ss:Index").value()) : next;
        const long across = std::atol(cell.attribute("ss:MergeAcross").value());
        next = column + across + 1;
        if (across > 0 || !moneyStyles.count(cell.attribute("ss:StyleID").value())) continue;
        const auto width = widths.find(column);
        if (width == widths.end() || width->second < need)
          return at + "row " + std::to_string(rowNumber) + ", column " + std::to_string(column) +
                 ": an amount column of " + (width == widths.end() ? "default width" : std::to_string(width->second)) +
                 " pt, narrower than " + std::to_string(need) + " pt";
      }
    }
  }
  return {};
}

}  // namespace orsvelt::test
