#include "analysis/prot502/protocol_texts.h"

#include "analysis/common/report_texts.h"
#include "reference/month_names.h"
#include "xml/stringfuncs.h"

namespace orsvelt {

std::string PeriodText502(std::string_view periodCode, std::int32_t year) {
  return PeriodText(periodCode, year, UnknownPeriod::YearOnly);
}

std::string MonthNameLower(int month) { return FoldCase(CalendarMonthName(month)); }

std::string_view GenderMark(std::string_view gender) {
  if (gender == "1") return "М";
  if (gender == "2") return "Ж";
  return "?";
}

std::vector<int> QuarterNumbers(const std::vector<std::string>& quarters) {
  std::vector<int> numbers;
  for (const std::string& q : quarters)
    if (q.size() == 1 && q[0] >= '1' && q[0] <= '4') numbers.push_back(q[0] - '0');
  return numbers;
}

}  // namespace orsvelt
