#pragma once
// One report file of each format version, streamed from the payroll.

#include <filesystem>
#include <string_view>

#include "report_common.h"

namespace orsvelt::bench {

void WriteReport501(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId);
// 5.02, and 5.03 and 5.04 (2021-2022) which keep its blocks.
void WriteReport502(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId);
// 5.05 to 5.08 (2023 on): section 1 of the single tariff.
void WriteReport505(const std::filesystem::path& path, const TGeneratedReport& content, const TPayer& payer,
                    const TPayroll& payroll, std::string_view fileId);

}  // namespace orsvelt::bench
