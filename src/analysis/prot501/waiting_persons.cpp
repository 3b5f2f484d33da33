#include "analysis/prot501/waiting_persons.h"

#include <cstdint>

namespace orsvelt::prot501 {

std::size_t YearPersonCodec::Size(const TRSV501YearPersonRec& person) {
  std::size_t size = TextSize(person.FullName) + TextSize(person.SNILS) + TextSize(person.INN) +
                     TextSize(person.PeriodCode) + 2 * sizeof(std::int32_t) + 2 * sizeof(std::uint32_t);
  for (const TRSV501YearPersonRec::MonthRow& row : person.Rows)
    size += sizeof(std::int32_t) + TextSize(row.CategoryCode) + 4 * sizeof(Amount);
  return size + person.ExtraRows.size() * (sizeof(std::int32_t) + 2 * sizeof(Amount));
}

void YearPersonCodec::Pack(const TRSV501YearPersonRec& person, std::string& out) {
  PutText(out, person.FullName);
  PutText(out, person.SNILS);
  PutText(out, person.INN);
  PutText(out, person.PeriodCode);
  PutValue(out, person.CorrectionNumber);
  PutValue(out, person.Number);
  PutValue(out, static_cast<std::uint32_t>(person.Rows.size()));
  for (const TRSV501YearPersonRec::MonthRow& row : person.Rows) {
    PutValue(out, row.Month);
    PutText(out, row.CategoryCode);
    PutValue(out, row.Payments);
    PutValue(out, row.Base);
    PutValue(out, row.ContractBase);
    PutValue(out, row.Contributions);
  }
  PutValue(out, static_cast<std::uint32_t>(person.ExtraRows.size()));
  for (const TRSV501YearPersonRec::ExtraRow& row : person.ExtraRows) {
    PutValue(out, row.Month);
    PutValue(out, row.Base);
    PutValue(out, row.Contributions);
  }
}

std::size_t YearPersonCodec::Unpack(const std::string& block, std::size_t at, TRSV501YearPersonRec& person) {
  GetText(block, at, person.FullName);
  GetText(block, at, person.SNILS);
  GetText(block, at, person.INN);
  GetText(block, at, person.PeriodCode);
  person.CorrectionNumber = GetValue<std::int32_t>(block, at);
  person.Number = GetValue<std::int32_t>(block, at);
  person.Rows.resize(GetValue<std::uint32_t>(block, at));
  for (TRSV501YearPersonRec::MonthRow& row : person.Rows) {
    row.Month = GetValue<std::int32_t>(block, at);
    GetText(block, at, row.CategoryCode);
    row.Payments = GetValue<Amount>(block, at);
    row.Base = GetValue<Amount>(block, at);
    row.ContractBase = GetValue<Amount>(block, at);
    row.Contributions = GetValue<Amount>(block, at);
  }
  person.ExtraRows.resize(GetValue<std::uint32_t>(block, at));
  for (TRSV501YearPersonRec::ExtraRow& row : person.ExtraRows) {
    row.Month = GetValue<std::int32_t>(block, at);
    row.Base = GetValue<Amount>(block, at);
    row.Contributions = GetValue<Amount>(block, at);
  }
  return at;
}

}  // namespace orsvelt::prot501
