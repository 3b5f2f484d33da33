#pragma once
// The search of the report's folder for the accepted reports of the earlier periods of
// the same payer and year, and their order.

#include <filesystem>
#include <string_view>
#include <vector>

#include "analysis/prot502/prot502_records.h"
#include "analysis/prot502/report_file.h"

namespace orsvelt::prot502 {

// Same payer (INN and KPP exactly), same year, and an earlier period code (compared as
// byte strings, not as parts of the year) or the same code with a lower correction number.
bool IsEarlierReport(const TRSV502ReportTitle& candidate, const TRSV502ReportTitle& main);

// Ascending by period code (byte strings), then by correction number; ties keep their order.
void SortEarlierFiles(std::vector<TRSV502ProtFileRec>& files);

// The earlier-period reports of main in the folder, sorted. Files that cannot be read or
// hold no 5.02 document are passed over; the names of those that cannot be read at all go
// to unreadable when given.
std::vector<TRSV502ProtFileRec> FindEarlierFiles(const std::filesystem::path& folder, const TRSV502ReportTitle& main,
                                                 std::vector<std::string>* unreadable = nullptr);

}  // namespace orsvelt::prot502
