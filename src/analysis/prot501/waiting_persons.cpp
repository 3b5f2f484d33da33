#include "analysis/prot501/waiting_persons.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace orsvelt::prot501 {

namespace {

// Large enough that the blocks' own bookkeeping is nothing, small enough that the unused
// end of the last block is nothing beside a large file.
constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

template <class T>
void Put(std::string& out, T value) {
  char bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.append(bytes, sizeof(T));
}

void PutText(std::string& out, const std::string& text) {
  Put(out, static_cast<std::uint32_t>(text.size()));
  out += text;
}

template <class T>
T Get(const std::string& in, std::size_t& at) {
  T value;
  std::memcpy(&value, in.data() + at, sizeof(T));
  at += sizeof(T);
  return value;
}

void GetText(const std::string& in, std::size_t& at, std::string& text) {
  const auto size = Get<std::uint32_t>(in, at);
  text.assign(in, at, size);
  at += size;
}

// The bytes Add packs the person into.
std::size_t PackedSize(const TRSV501YearPersonRec& person) {
  constexpr std::size_t kLength = sizeof(std::uint32_t);
  std::size_t size = 4 * kLength + person.FullName.size() + person.SNILS.size() + person.INN.size() +
                     person.PeriodCode.size() + 2 * sizeof(std::int32_t) + 2 * kLength;
  for (const TRSV501YearPersonRec::MonthRow& row : person.Rows)
    size += sizeof(std::int32_t) + kLength + row.CategoryCode.size() + 4 * sizeof(Amount);
  return size + person.ExtraRows.size() * (sizeof(std::int32_t) + 2 * sizeof(Amount));
}

}  // namespace

void WaitingPersons::Add(const TRSV501YearPersonRec& person) {
  // A person never spans two blocks; one larger than a block has a block of its own.
  const std::size_t size = PackedSize(person);
  if (blocks_.empty() || blocks_.back().size() + size > blocks_.back().capacity())
    blocks_.emplace_back().reserve(std::max(kBlockBytes, size));
  std::string& packed = blocks_.back();
  PutText(packed, person.FullName);
  PutText(packed, person.SNILS);
  PutText(packed, person.INN);
  PutText(packed, person.PeriodCode);
  Put(packed, person.CorrectionNumber);
  Put(packed, person.Number);
  Put(packed, static_cast<std::uint32_t>(person.Rows.size()));
  for (const TRSV501YearPersonRec::MonthRow& row : person.Rows) {
    Put(packed, row.Month);
    PutText(packed, row.CategoryCode);
    Put(packed, row.Payments);
    Put(packed, row.Base);
    Put(packed, row.ContractBase);
    Put(packed, row.Contributions);
  }
  Put(packed, static_cast<std::uint32_t>(person.ExtraRows.size()));
  for (const TRSV501YearPersonRec::ExtraRow& row : person.ExtraRows) {
    Put(packed, row.Month);
    Put(packed, row.Base);
    Put(packed, row.Contributions);
  }
  ++count_;
}

std::size_t WaitingPersons::Unpack(const std::string& block, std::size_t at, TRSV501YearPersonRec& person) {
  GetText(block, at, person.FullName);
  GetText(block, at, person.SNILS);
  GetText(block, at, person.INN);
  GetText(block, at, person.PeriodCode);
  person.CorrectionNumber = Get<std::int32_t>(block, at);
  person.Number = Get<std::int32_t>(block, at);
  person.Rows.resize(Get<std::uint32_t>(block, at));
  for (TRSV501YearPersonRec::MonthRow& row : person.Rows) {
    row.Month = Get<std::int32_t>(block, at);
    GetText(block, at, row.CategoryCode);
    row.Payments = Get<Amount>(block, at);
    row.Base = Get<Amount>(block, at);
    row.ContractBase = Get<Amount>(block, at);
    row.Contributions = Get<Amount>(block, at);
  }
  person.ExtraRows.resize(Get<std::uint32_t>(block, at));
  for (TRSV501YearPersonRec::ExtraRow& row : person.ExtraRows) {
    row.Month = Get<std::int32_t>(block, at);
    row.Base = Get<Amount>(block, at);
    row.Contributions = Get<Amount>(block, at);
  }
  return at;
}

void WaitingPersons::Clear() {
  blocks_ = {};
  count_ = 0;
}

}  // namespace orsvelt::prot501
