#pragma once
// The persons the per-person tables of a 5.01 protocol list, as the run's person selection asks.

#include <string>

#include "analysis/common/person_filter.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

// Whether the protocol marks the person's base since January as above the year's limit.
bool AboveLimit(const TRSV501BaseCheckPLRec& person, Amount limit);

class ShownPersons {
 public:
  ShownPersons(const TRSV501ProtData& data, PersonSelection selection);

  // A person of section 3 (TZLRec) or of the cumulative control.
  template <class Person>
  bool Shows(const Person& person) const {
    return filter_.ShowsAll() || filter_.Shows(Record(person));
  }
  // The OMS/OSS estimate of a person of the cumulative control, which marks nothing of its own.
  bool ShowsEstimateOf(const TRSV501BaseCheckPLRec& person) const {
    return filter_.ShowsAll() || filter_.Shows(EstimateRecord(person));
  }
  // Said once before the first filtered table, over the persons of the first table there is;
  // empty when every person is listed.
  const std::string& Line() const { return line_; }

 private:
  PersonRecord Record(const TZLRec& person) const;
  PersonRecord Record(const TRSV501BaseCheckPLRec& person) const;
  PersonRecord EstimateRecord(const TRSV501BaseCheckPLRec& person) const;
  template <class Persons>
  void Count(const Persons& persons);

  PersonFilter filter_;
  Amount limit_ = 0;
  std::string line_;
};

}  // namespace orsvelt::prot501
