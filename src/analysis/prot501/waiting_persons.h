#pragma once
// The persons of a file that wait to join the accumulation: an earlier file's while the file
// is read, the checked file's while the earlier ones are.

#include "analysis/prot501/packed_records.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

struct YearPersonCodec {
  template <class Fields, class Person>
  static void Walk(Fields& f, Person& p) {
    f.Text(p.FullName);
    f.Text(p.SNILS);
    f.Text(p.INN);
    f.Text(p.PeriodCode);
    f.Value(p.CorrectionNumber);
    f.Value(p.Number);
    f.Rows(p.Rows, [&](auto& row) {
      f.Value(row.Month);
      f.Text(row.CategoryCode);
      f.Value(row.Payments);
      f.Value(row.Base);
      f.Value(row.ContractBase);
      f.Value(row.Contributions);
    });
    f.Rows(p.ExtraRows, [&](auto& row) {
      f.Value(row.Month);
      f.Value(row.Base);
      f.Value(row.Contributions);
    });
  }
};

using WaitingPersons = PackedRecords<TRSV501YearPersonRec, YearPersonCodec>;

}  // namespace orsvelt::prot501
