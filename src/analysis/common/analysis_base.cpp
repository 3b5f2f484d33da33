#include "analysis/common/analysis_base.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <iterator>

#include "analysis/checks/finding.h"

namespace orsvelt {

std::string CurrentRunStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
  localtime_r(&now, &local);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%02d.%02d.%04d %d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return buf;
}

void TRSVProt::AppendFindings(std::vector<checks::Finding> more) {
  if (!checks_ || more.empty()) return;
  auto result = std::make_shared<checks::CheckResult>(*checks_);
  result->findings.insert(result->findings.end(), std::make_move_iterator(more.begin()),
                          std::make_move_iterator(more.end()));
  checks_ = std::move(result);
  ChecksChanged();
}

}  // namespace orsvelt
