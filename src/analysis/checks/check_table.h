#pragma once
// The control ratios as a table: one row per ratio with its id, group, severity, wording,
// formats and source, and the function that evaluates it. Adding a ratio is adding a row
// to the file of its group (rows_group_a.cpp ... rows_group_e.cpp).

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "analysis/checks/check_context.h"
#include "analysis/checks/finding.h"

namespace orsvelt::checks {

// kFormatLater covers 5.03 to 5.08 (reports of 2021 to 2026), read through one view.
enum Formats : std::uint8_t {
  kFormat501 = 1,
  kFormat502 = 2,
  kBothFormats = kFormat501 | kFormat502,
  kFormatLater = 4,
};

struct CheckRow;
// Evaluates the row over the context and appends one finding per breach.
using CheckFunction = void (*)(const CheckRow& row, const CheckContext& context, std::vector<Finding>& out);

struct CheckRow {
  std::string_view id;  // the letter's number ("0.1", "1.57") or ours ("D2", "A1-502")
  Group group = Group::E;
  Severity severity = Severity::Info;
  std::uint8_t formats = kBothFormats;
  std::string_view wording;  // Russian, as the protocol shows it
  std::string_view source;   // letter or catalogue reference
  CheckFunction run = nullptr;
};

// A finding of the row with its id, group, severity and wording filled in.
Finding FindingOf(const CheckRow& row);

// "5.01", "5.01, 5.02".
std::string FormatsText(std::uint8_t formats);

// Rows of each group, in the order the protocol lists them.
std::span<const CheckRow> GroupARows();
std::span<const CheckRow> GroupBRows();
std::span<const CheckRow> GroupBRows501();
std::span<const CheckRow> GroupBRows502();
std::span<const CheckRow> GroupCRows();
std::span<const CheckRow> GroupCRows501();
std::span<const CheckRow> GroupCRows502();
std::span<const CheckRow> GroupDRows();
std::span<const CheckRow> GroupERows();
std::span<const CheckRow> GroupERows501();
std::span<const CheckRow> GroupERows502();
// Rows of the formats 5.03 to 5.08 (the year-to-date and section 1 to section 3 rules).
std::span<const CheckRow> LaterFormatRows();

// All rows, groups A to E in order.
std::span<const CheckRow> CheckTable();

// Runs every row of the context's format; findings in table order.
std::vector<Finding> RunCheckTable(const CheckContext& context);

}  // namespace orsvelt::checks
