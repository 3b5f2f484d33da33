// orsvelt-bench-gen: writes a payer's year folder of reports for the performance benchmark.

#include <charconv>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>

#include "year_folder.h"

namespace {

constexpr std::string_view kUsage =
    "usage: orsvelt-bench-gen --format 5.01..5.08 --persons N --seed S --out DIR [--crossers K]\n"
    "Writes the four quarterly reports of a year (periods 21, 31, 33 and the main 34), a\n"
    "correction of the half-year and another payer's report into DIR, and prints the main\n"
    "report's path. The format picks the year: 5.01 2017, 5.02 2020, 5.03 2021 .. 5.08 2026\n"
    "(its first quarter in 5.07). With --crossers K (later formats, K <= 6) K persons reach\n"
    "the year's limit in October, May, December, August, March and July in turn.\n"
    "The same seed gives the same bytes.\n";

int Usage(std::string_view problem) {
  std::cerr << "orsvelt-bench-gen: " << problem << "\n" << kUsage;
  return 2;
}

bool ParseCount(std::string_view text, std::uint64_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  orsvelt::bench::TFolderOptions options;
  bool havePersons = false, haveSeed = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (i + 1 >= argc) return Usage("missing value after " + std::string(arg));
    const std::string_view value = argv[++i];
    if (arg == "--format") {
      options.format = value;
    } else if (arg == "--persons") {
      if (!ParseCount(value, options.persons) || options.persons == 0 || options.persons > 100000000)
        return Usage("--persons needs a whole number from 1 to 100000000");
      havePersons = true;
    } else if (arg == "--seed") {
      if (!ParseCount(value, options.seed)) return Usage("--seed needs a non-negative whole number");
      haveSeed = true;
    } else if (arg == "--crossers") {
      std::uint64_t k = 0;
      if (!ParseCount(value, k) || k > 6) return Usage("--crossers needs a whole number from 0 to 6");
      options.limitCrossers = static_cast<int>(k);
    } else if (arg == "--out") {
      options.out = std::string(value);
    } else {
      return Usage("unknown option " + std::string(arg));
    }
  }
  if (orsvelt::bench::FolderYear(options.format) == 0) return Usage("--format must be one of 5.01 to 5.08");
  if (!havePersons || !haveSeed || options.out.empty()) return Usage("--persons, --seed and --out are required");
  try {
    const auto result = orsvelt::bench::GenerateYearFolder(options);
    std::cout << result.mainFile.string() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "orsvelt-bench-gen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
