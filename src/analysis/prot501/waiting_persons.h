#pragma once
// The persons of a file that wait to join the accumulation: an earlier file's while the file
// is read, the checked file's while the earlier ones are.

#include <cstddef>
#include <string>

#include "analysis/prot501/packed_records.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

struct YearPersonCodec {
  static std::size_t Size(const TRSV501YearPersonRec& person);
  static void Pack(const TRSV501YearPersonRec& person, std::string& out);
  static std::size_t Unpack(const std::string& block, std::size_t at, TRSV501YearPersonRec& person);
};

using WaitingPersons = PackedRecords<TRSV501YearPersonRec, YearPersonCodec>;

}  // namespace orsvelt::prot501
