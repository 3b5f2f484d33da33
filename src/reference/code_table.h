#pragma once
// Fixed code lists: rows of code and text, looked up by exact code.

#include <cstddef>
#include <span>
#include <string_view>

namespace orsvelt {

// One row of a code list. Both fields are text, also where they hold numbers
// (years "2017", limits "876000"); they point into static storage.
struct CodeRow {
  std::string_view code;
  std::string_view text;
};

// The lists a reference table can be filled with; the values are those callers pass as integers.
enum SpravKind : int {
  sprPeriod = 0,    // reporting-period code -> period name
  sprPlace = 1,     // "ПоМесту" code -> place description
  sprMonth = 2,     // "01".."12" -> month name
  sprLimitOPS = 3,  // year -> yearly pension-insurance base limit, whole roubles
  sprLimitOSS = 4,  // year -> yearly social-insurance base limit, whole roubles
};

// Text of the first row whose code equals code byte for byte (no trimming, case-sensitive);
// empty when no row matches.
std::string_view LookupCode(std::span<const CodeRow> rows, std::string_view code);

// A view of one fixed list. Holds no rows of its own, so filling never allocates.
class CodeTable {
 public:
  // Text of the first row with exactly this code; empty when none (the only "not found" signal).
  std::string_view Lookup(std::string_view code) const { return LookupCode(rows_, code); }
  // The rows in list order; empty until filled, or after a fill with an unknown kind.
  std::span<const CodeRow> Rows() const { return rows_; }
  std::size_t Count() const { return rows_.size(); }

 protected:
  void SetRows(std::span<const CodeRow> rows) { rows_ = rows; }

 private:
  std::span<const CodeRow> rows_;
};

}  // namespace orsvelt
