#pragma once
// A payer's year folder: the four quarterly reports, one correction of an earlier quarter,
// and one report of another payer, named as the tax service names them.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orsvelt::bench {

struct TFolderOptions {
  std::string format;  // "5.01" or "5.02"
  std::uint64_t persons = 0;
  std::uint64_t seed = 0;
  std::filesystem::path out;
};

struct TFolderResult {
  std::filesystem::path mainFile;            // the year's report (period 34)
  std::vector<std::filesystem::path> files;  // every file written, in writing order
};

// Throws std::invalid_argument for a format it does not know and std::runtime_error when a
// file cannot be written.
TFolderResult GenerateYearFolder(const TFolderOptions& options);

}  // namespace orsvelt::bench
