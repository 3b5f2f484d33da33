#pragma once
// Runs the 5.01 analysis on reports made by the test builder and returns the findings.

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/checks/finding.h"
#include "analysis/prot501/report_builder.h"

namespace orsvelt::test {

// The findings of the report at path analysed with its folder; empty when it was not analysed.
inline checks::CheckResult ChecksOf(const std::filesystem::path& path) {
  TRSV501Prot prot;
  EXPECT_TRUE(AnalyseReport(prot, path));
  return prot.Checks() ? *prot.Checks() : checks::CheckResult();
}

inline std::vector<checks::Finding> OfGroup(std::vector<checks::Finding> all, checks::Group group) {
  std::erase_if(all, [&](const checks::Finding& f) { return f.group != group; });
  return all;
}

inline std::vector<std::string> IdsOf(const std::vector<checks::Finding>& found) {
  std::vector<std::string> ids;
  for (const checks::Finding& f : found) ids.push_back(f.check);
  return ids;
}

}  // namespace orsvelt::test
