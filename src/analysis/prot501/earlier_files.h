#pragma once
// Finding the accepted reports of earlier periods of the same year beside the main file.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orsvelt {

struct TRSV501Document;

// Files of the folder named "NO_RASCHSV_*.xml" in any letter case, by name in byte order.
// Directories, broken links and entries that cannot be examined are left out; a folder
// that cannot be listed gives what was listed until then.
std::vector<std::filesystem::path> ListReportFiles(const std::filesystem::path& folder);

// True when a file name matches "NO_RASCHSV_*.xml" without regard to letter case.
bool IsReportFileName(const std::string& name);

// What orders a selected earlier file.
struct EarlierFileKey {
  std::string period;        // "Период"
  std::int32_t correction;   // "НомКорр"
  std::filesystem::path path;
};

// A candidate of the same payer and year is an earlier file when its period code is
// smaller (byte order), or equal with a smaller correction number.
bool IsEarlierFile(const TRSV501Document& candidate, const TRSV501Document& main, const std::string& payerInn);

// By period code in byte order, then by correction number as a number (so 21/2 comes
// before 21/10); equal keys keep their order.
void OrderEarlierFiles(std::vector<EarlierFileKey>& files);

}  // namespace orsvelt
