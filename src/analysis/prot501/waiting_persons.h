#pragma once
// The persons of a file that wait to join the accumulation (an earlier file while it is read,
// the checked file while the earlier ones are): packed one after another
// into large blocks of bytes, since a large file's persons as records (strings and row
// vectors each on the heap) would weigh several times their content.

#include <cstddef>
#include <string>
#include <vector>

#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

class WaitingPersons {
 public:
  void Add(const TRSV501YearPersonRec& person);
  // Hands each person back, in the order added, unpacked into one reused record, and gives
  // each block back to the system once its persons are handed: what waits shrinks as the
  // accumulation grows. Empty afterwards.
  template <class Take>
  void TakeAll(Take&& take) {
    TRSV501YearPersonRec person;
    for (std::string& block : blocks_) {
      for (std::size_t at = 0; at < block.size();) {
        at = Unpack(block, at, person);
        take(person);
      }
      std::string().swap(block);
    }
    Clear();
  }
  std::size_t size() const { return count_; }
  // Gives the blocks back to the system.
  void Clear();

 private:
  // Reads the person packed at offset at and returns the offset after it.
  static std::size_t Unpack(const std::string& block, std::size_t at, TRSV501YearPersonRec& person);

  std::vector<std::string> blocks_;
  std::size_t count_ = 0;
};

}  // namespace orsvelt::prot501
