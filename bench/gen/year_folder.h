#pragma once
// A payer's year folder: the four quarterly reports, one correction of an earlier quarter,
// and one report of another payer, named as the tax service names them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orsvelt::bench {

struct TFolderOptions {
  std::string format;  // "5.01" .. "5.08": picks the year (FolderYear)
  std::uint64_t persons = 0;
  std::uint64_t seed = 0;
  std::filesystem::path out;
  // Persons of the later formats whose base reaches the limit in a planned month (October,
  // May, December, August, March, July in turn); at most 6, and the staff of the whole year.
  int limitCrossers = 0;
};

// The year a format's folder is for: 5.01 2017, 5.02 2020, 5.03 2021 .. 5.08 2026; 0 for a
// format it does not know. The first quarter of 2026 is written in 5.07, the rest in 5.08.
int FolderYear(const std::string& format);

struct TFolderResult {
  std::filesystem::path mainFile;            // the year's report (period 34)
  std::vector<std::filesystem::path> files;  // every file written, in writing order
};

// Throws std::invalid_argument for a format it does not know and std::runtime_error when a
// file cannot be written.
TFolderResult GenerateYearFolder(const TFolderOptions& options);

}  // namespace orsvelt::bench
