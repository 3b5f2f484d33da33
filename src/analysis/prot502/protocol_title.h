#pragma once
// The title part of a 5.02 protocol, as the page and the workbook print it.

#include "analysis/common/title_blocks.h"

namespace orsvelt {

class TRSV502Prot;

ProtocolTitle TitleOf502(const TRSV502Prot& prot);

}  // namespace orsvelt
