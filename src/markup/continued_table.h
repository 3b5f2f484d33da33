#pragma once
// A worksheet table that goes on over further worksheets, "<name> (2)", "<name> (3)", ...,
// when its rows would not fit on one: each sheet repeats the options, the columns and the
// heading rows, and a block of rows (a person's) never straddles two sheets. The writer
// announces each block with the number of its rows before writing it, so that the table
// is laid out while the protocol streams.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "markup/protocol_writer.h"
#include "markup/worksheet.h"

namespace orsvelt {

// The name of the k-th sheet of a table (k from 1): the base name itself for the first,
// "<base> (k)" after it, the base shortened to keep within the 31 characters of a sheet
// name and the characters a sheet name may not hold replaced by "_".
std::string ContinuedSheetName(std::string_view base, std::size_t k);

struct TableFrame {
  std::string name;
  std::optional<FrozenPanes> panes;  // no WorksheetOptions block without
  std::vector<int> columnWidths;
  int headingRows = 0;  // the rows headingWriter writes
  std::function<void(ProtocolWriter&)> headingWriter;
};

class ContinuedTable {
 public:
  // Opens the first sheet and writes its heading rows.
  ContinuedTable(ProtocolWriter& out, TableFrame frame, const SheetLimits& limits = {});
  ContinuedTable(const ContinuedTable&) = delete;
  ContinuedTable& operator=(const ContinuedTable&) = delete;

  // Before a block of rows that must stay together: when they would take the sheet over its
  // last row, closes it and opens the next. A block longer than a whole sheet's room gets a
  // sheet of its own (no limit of today's programs comes near one).
  void Block(long rows);
  // Closes the last sheet.
  void Close();

  // Sheets opened so far.
  std::size_t Sheets() const { return sheets_; }

 private:
  void OpenSheet();

  ProtocolWriter& out_;
  TableFrame frame_;
  long rowLimit_;
  long rows_ = 0;  // rows on the open sheet
  std::size_t sheets_ = 0;
};

}  // namespace orsvelt
