#pragma once
// The report files in a folder: where the earlier-period reports of a year are looked for.

#include <filesystem>
#include <string_view>
#include <vector>

#include "xml/xmlwork.h"

namespace orsvelt {

// "NO_RASCHSV_*.xml" with the letters in any case, as on the platform the reports come from.
bool IsReportFileName(std::string_view name);

// The regular files of the folder named like reports, in byte order of their names so
// that reports of equal period and correction are numbered the same on every system.
// Links are followed; directories, broken links, devices and pipes and entries that
// cannot be examined are left out; a folder that cannot be listed gives what was listed.
std::vector<std::filesystem::path> ListReportFiles(const std::filesystem::path& folder);

// Reads the title of a report, for choosing the earlier-period files: the contents of its
// calculations ("РасчетСВ") are left out, so the tree holds no persons, which would cost as
// much again to load. False, with the reason in xml.ErrorText(), when the file cannot be
// read or its title part does not parse; a damaged calculation shows only when the file is
// read whole.
bool ReadReportTitle(TXMLFile& xml, const std::filesystem::path& path);

}  // namespace orsvelt
