#include "analysis/prot501/listed_persons.h"

#include <cstdint>

namespace orsvelt::prot501 {

std::size_t ListedPersonCodec::Size(const TZLRec& person) {
  std::size_t size = 3 * sizeof(std::int32_t) + 1 + 2 * sizeof(std::uint32_t);
  for (const std::string* text : {&person.FullName, &person.SexText, &person.SNILS, &person.INN, &person.OPSFlag,
                                  &person.OMSFlag, &person.OSSFlag})
    size += TextSize(*text);
  for (const TZLMonthRec& row : person.MonthRows)
    size += TextSize(row.Month) + TextSize(row.CategoryCode) + 4 * sizeof(Amount);
  for (const TZLAddRec& row : person.AddRows) size += TextSize(row.Month) + TextSize(row.TariffCode) + 2 * sizeof(Amount);
  return size;
}

void ListedPersonCodec::Pack(const TZLRec& person, std::string& out) {
  PutValue(out, person.Ordinal);
  PutValue(out, person.Number);
  PutValue(out, person.Position);
  PutValue(out, static_cast<std::uint8_t>(person.SexMismatch));
  for (const std::string* text : {&person.FullName, &person.SexText, &person.SNILS, &person.INN, &person.OPSFlag,
                                  &person.OMSFlag, &person.OSSFlag})
    PutText(out, *text);
  PutValue(out, static_cast<std::uint32_t>(person.MonthRows.size()));
  for (const TZLMonthRec& row : person.MonthRows) {
    PutText(out, row.Month);
    PutText(out, row.CategoryCode);
    PutValue(out, row.Payments);
    PutValue(out, row.Base);
    PutValue(out, row.ContractBase);
    PutValue(out, row.Contributions);
  }
  PutValue(out, static_cast<std::uint32_t>(person.AddRows.size()));
  for (const TZLAddRec& row : person.AddRows) {
    PutText(out, row.Month);
    PutText(out, row.TariffCode);
    PutValue(out, row.Payments);
    PutValue(out, row.Contributions);
  }
}

std::size_t ListedPersonCodec::Unpack(const std::string& block, std::size_t at, TZLRec& person) {
  person.Ordinal = GetValue<std::int32_t>(block, at);
  person.Number = GetValue<std::int32_t>(block, at);
  person.Position = GetValue<std::uint32_t>(block, at);
  person.SexMismatch = GetValue<std::uint8_t>(block, at) != 0;
  for (std::string* text : {&person.FullName, &person.SexText, &person.SNILS, &person.INN, &person.OPSFlag,
                            &person.OMSFlag, &person.OSSFlag})
    GetText(block, at, *text);
  person.MonthRows.resize(GetValue<std::uint32_t>(block, at));
  for (TZLMonthRec& row : person.MonthRows) {
    GetText(block, at, row.Month);
    GetText(block, at, row.CategoryCode);
    row.Payments = GetValue<Amount>(block, at);
    row.Base = GetValue<Amount>(block, at);
    row.ContractBase = GetValue<Amount>(block, at);
    row.Contributions = GetValue<Amount>(block, at);
  }
  person.AddRows.resize(GetValue<std::uint32_t>(block, at));
  for (TZLAddRec& row : person.AddRows) {
    GetText(block, at, row.Month);
    GetText(block, at, row.TariffCode);
    row.Payments = GetValue<Amount>(block, at);
    row.Contributions = GetValue<Amount>(block, at);
  }
  return at;
}

}  // namespace orsvelt::prot501
