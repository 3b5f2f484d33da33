#pragma once
// Section 3 as format 5.02 and every later version write it: one "ПерсСвСтрахЛиц" per person
// with a row per month of the quarter ("Месяц" 1..3).

#include <cstdint>

#include "report_common.h"

namespace orsvelt::bench {

// From 2023 a person without a row in the quarter is left out (a listed person needs
// "СвВыплСВОПС" unless annulled), and 5.08 rows give the contract payments ("СумВыплДог").
void WritePerson502On(TXmlOut& out, const TGeneratedReport& content, const TPayroll& payroll, std::uint64_t index);

}  // namespace orsvelt::bench
