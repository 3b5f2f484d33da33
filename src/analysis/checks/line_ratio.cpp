#include "analysis/checks/line_ratio.h"

#include <string>

namespace orsvelt::checks {

std::string_view ColumnCaption(view::Column column) {
  switch (column) {
    case view::Column::Year: return "с начала года";
    case view::Column::LastThreeMonths: return "за последние три месяца";
    case view::Column::Month1: return "за 1-й месяц";
    case view::Column::Month2: return "за 2-й месяц";
    case view::Column::Month3: return "за 3-й месяц";
  }
  return {};
}

std::optional<std::int32_t> CalendarMonthOf(const CheckContext& c, view::Column column) {
  int m = 0;
  if (column == view::Column::Month1) m = 1;
  if (column == view::Column::Month2) m = 2;
  if (column == view::Column::Month3) m = 3;
  if (m == 0 || c.months[m - 1] == 0) return std::nullopt;
  return c.months[m - 1];
}

std::optional<std::int64_t> ValueOf(const view::Block* block, std::string_view line, view::Column column) {
  if (!block) return std::nullopt;
  const view::Line* l = block->Find(line);
  return l ? l->Value(column) : std::nullopt;
}

void SetSides(Finding& f, std::int64_t left, std::int64_t right, bool count) {
  if (!count) {
    f.left = left;
    f.right = right;
    return;
  }
  f.left = left * kAmountScale;
  f.right = right * kAmountScale;
  f.text += " (лиц: " + std::to_string(left) + " и " + std::to_string(right) + ")";
}

}  // namespace orsvelt::checks
