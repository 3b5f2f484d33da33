#include "analysis/prot501/writer_common.h"

#include "reference/code_table.h"
#include "reference/month_names.h"

namespace orsvelt::prot501 {

std::string_view MonthName(std::string_view code) {
  const std::string_view name = LookupCode(MonthRows(), code);
  return name.empty() ? kUndetermined : name;
}

std::string_view MonthName(std::int32_t month) {
  if (month < 1 || month > 12) return kUndetermined;
  const char code[] = {static_cast<char>('0' + month / 10), static_cast<char>('0' + month % 10)};
  return MonthName(std::string_view(code, 2));
}

std::string_view OrPlaceholder(std::string_view value, std::string_view placeholder) {
  return value.empty() ? placeholder : value;
}

std::string JoinCodes(const std::vector<std::string>& codes) {
  std::string joined;
  for (const std::string& code : codes) {
    if (!joined.empty()) joined += ", ";
    joined += code;
  }
  return joined;
}

std::string SocialLimitUnknownText(std::int32_t year) {
  return "Предельная величина базы для начисления взносов на ОСС за " + std::to_string(year) +
         " год неизвестна.";
}

}  // namespace orsvelt::prot501
