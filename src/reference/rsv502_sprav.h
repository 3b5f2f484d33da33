#pragma once
// Reference tables of format 5.02: period, place and month names, yearly base limits.

#include <span>

#include "reference/code_table.h"

namespace orsvelt {

// The rows of a SpravKind for format 5.02; empty for any other kind.
std::span<const CodeRow> Rsv502Rows(int kind);

// Holds one list at a time. Filling again replaces the rows; an unknown kind leaves it empty.
class TRSV502Sprav : public CodeTable {
 public:
  void Fill(int kind) { SetRows(Rsv502Rows(kind)); }
};

}  // namespace orsvelt
