#pragma once
// "ПоМесту" codes: where the calculation is submitted.

#include <span>

#include "reference/code_table.h"

namespace orsvelt {

// Place code -> description, eleven rows, "240" last. The formats differ only in the
// text of "112" (5.02 adds persons in private practice).
std::span<const CodeRow> PlaceRows502();
std::span<const CodeRow> PlaceRows501();

}  // namespace orsvelt
