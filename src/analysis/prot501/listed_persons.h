#pragma once
// The checked file's persons as its protocol lists them, waiting packed while the earlier
// files are read and the checks run: with the accumulation, the checks' view and the year's
// persons, the list as records would set the peak of a large year.

#include <cstddef>
#include <string>

#include "analysis/prot501/packed_records.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

struct ListedPersonCodec {
  static std::size_t Size(const TZLRec& person);
  static void Pack(const TZLRec& person, std::string& out);
  static std::size_t Unpack(const std::string& block, std::size_t at, TZLRec& person);
};

using ListedPersons = PackedRecords<TZLRec, ListedPersonCodec>;

}  // namespace orsvelt::prot501
