#pragma once
// One report file of each format version, streamed from the payroll.

#include <filesystem>
#include <string_view>

#include "report_common.h"

namespace orsvelt::bench {

void WriteReport501(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId);
void WriteReport502(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId);

}  // namespace orsvelt::bench
