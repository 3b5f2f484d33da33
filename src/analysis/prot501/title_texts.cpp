#include "analysis/prot501/title_texts.h"

#include "model/rsv501/document.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"

namespace orsvelt {

std::string FullNameOf(const TFIO& fio) {
  std::string name = fio.Фамилия + " " + fio.Имя;
  if (!fio.Отчество.empty()) name += " " + fio.Отчество;
  return name;
}

std::string PeriodTextOf(std::string_view period, int year) {
  const std::string_view name = LookupCode(PeriodRows(), period);
  if (name.empty()) return std::string(kUndetermined);
  return std::string(name) + " " + std::to_string(year) + " г.";
}

std::string PlaceTextOf(std::string_view place) {
  const std::string_view name = LookupCode(PlaceRows501(), place);
  return name.empty() ? std::string(kUndetermined) : std::string(name);
}

bool PayerInnOf(const TRSV501Document& doc, std::string& inn) {
  if (doc.НПЮЛ) inn = doc.НПЮЛ->ИННЮЛ;
  else if (doc.НПИП) inn = doc.НПИП->ИННФЛ;
  else if (doc.НПФЛ) inn = doc.НПФЛ->ИННФЛ;
  else return false;
  return true;
}

}  // namespace orsvelt
