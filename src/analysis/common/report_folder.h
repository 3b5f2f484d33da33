#pragma once
// The report files in a folder: where the earlier-period reports of a year are looked for.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/rsvnalog.h"
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

// How reading a report whole ended.
enum class ReportReading { Read, NotLoaded, NotParsed, NotReport };

// Reads a report whole and builds its file root, the same as parsing the whole text and
// loading the model from its tree, but the calculations are parsed a few persons at a
// time while the model takes them over, so a large file never holds its whole tree.
// Where a piece turns out broken, the whole text is parsed to learn where. For NotLoaded
// and NotParsed the reason goes to error; NotReport is a file whose root is not "Файл".
ReportReading ReadReport(const std::filesystem::path& path, TRSVFile& file, std::string& error);

// Builds the file root of a report of the folder from its title only (ReadReportTitle) or
// from the whole file (ReadReport). False when it cannot be read or parsed or is no report.
bool ReadFolderReport(const std::filesystem::path& path, TRSVFile& file, bool titleOnly);

}  // namespace orsvelt
