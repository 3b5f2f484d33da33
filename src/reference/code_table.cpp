#include "reference/code_table.h"

namespace orsvelt {

std::string_view LookupCode(std::span<const CodeRow> rows, std::string_view code) {
  for (const CodeRow& row : rows)
    if (row.code == code) return row.text;
  return {};
}

}  // namespace orsvelt
