#include "analysis/common/report_texts.h"

#include "model/common/format5.h"
#include "reference/period_codes.h"

namespace orsvelt {

std::string FullNameOf(const TFIO& fio) {
  std::string name = fio.Фамилия + " " + fio.Имя;
  if (!fio.Отчество.empty()) name += " " + fio.Отчество;
  return name;
}

std::string PeriodText(std::string_view periodCode, std::int32_t year, UnknownPeriod unknown) {
  const std::string_view name = LookupCode(PeriodRows(), periodCode);
  if (name.empty() && unknown == UnknownPeriod::Undetermined) return std::string(kUndetermined);
  return std::string(name) + " " + std::to_string(year) + " г.";
}

std::string PlaceText(std::span<const CodeRow> places, std::string_view code) {
  const std::string_view name = LookupCode(places, code);
  return name.empty() ? std::string(kUndetermined) : std::string(name);
}

}  // namespace orsvelt
