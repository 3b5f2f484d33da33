#pragma once
// Views of later-format reports made by hand: a title, section 1 lines with the year total
// and three months, and persons with their calendar-month rows.

#include <initializer_list>
#include <string>

#include "analysis/checks/check_context.h"

namespace orsvelt::test {

// A line of amounts: since the start of the year and the three months, with their attribute names.
view::Line AmountLine(std::string_view name, Amount year, Amount m1, Amount m2, Amount m3);

struct HandView {
  view::ReportView view;

  HandView(std::string_view format, std::string_view year, std::string_view period);
  // A person with rows (month and category of each row; the amounts as given).
  void AddPerson(std::string_view snils, std::string_view digits, std::initializer_list<view::MonthRow> rows);
  // A tariff block of one block with the given lines.
  void AddTariff(std::string_view tariff, std::string_view block, std::initializer_list<view::Line> lines);
};

view::MonthRow Row(std::uint8_t month, std::string_view category, Amount payments, Amount base,
                   Amount contributions = 0, Amount contractBase = 0);

}  // namespace orsvelt::test
