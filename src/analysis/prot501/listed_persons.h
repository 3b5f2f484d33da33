#pragma once
// The checked file's persons as its protocol lists them, waiting packed while the earlier
// files are read and the checks run: with the accumulation, the checks' view and the year's
// persons, the list as records would set the peak of a large year.

#include "analysis/prot501/packed_records.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

struct ListedPersonCodec {
  template <class Fields, class Person>
  static void Walk(Fields& f, Person& p) {
    f.Value(p.Ordinal);
    f.Value(p.Number);
    f.Value(p.Position);
    f.Value(p.SexMismatch);
    for (auto* text : {&p.FullName, &p.SexText, &p.SNILS, &p.INN, &p.OPSFlag, &p.OMSFlag, &p.OSSFlag}) f.Text(*text);
    f.Rows(p.MonthRows, [&](auto& row) {
      f.Text(row.Month);
      f.Text(row.CategoryCode);
      f.Value(row.Payments);
      f.Value(row.Base);
      f.Value(row.ContractBase);
      f.Value(row.Contributions);
    });
    f.Rows(p.AddRows, [&](auto& row) {
      f.Text(row.Month);
      f.Text(row.TariffCode);
      f.Value(row.Payments);
      f.Value(row.Contributions);
    });
  }
};

using ListedPersons = PackedRecords<TZLRec, ListedPersonCodec>;

}  // namespace orsvelt::prot501
