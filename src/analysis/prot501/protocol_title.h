#pragma once
// The title part of a 5.01 protocol, as the page and the workbook print it.

#include "analysis/common/title_blocks.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

ProtocolTitle TitleOf(const TRSV501ProtData& d);

}  // namespace orsvelt::prot501
