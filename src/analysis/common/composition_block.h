#pragma once
// The frame of the composition block that the protocols of both formats share.

#include <array>
#include <string_view>

#include "markup/protocol_writer.h"

namespace orsvelt {

// The column captions of the composition table, on the page and in the workbook.
inline constexpr std::array<std::string_view, 3> kCompositionCaptions = {"Раздел/подраздел", "Наличие/кол-во",
                                                                         "Примечание"};

// The worksheet "Состав" up to its first part: options, columns, heading and caption row.
void CompositionSheetOpen(ProtocolWriter& out);

}  // namespace orsvelt
