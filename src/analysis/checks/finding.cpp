#include "analysis/checks/finding.h"

#include <algorithm>
#include <limits>

#include "analysis/common/saturating_sum.h"

namespace orsvelt::checks {

std::string_view GroupName(Group group) {
  static constexpr std::string_view kNames[] = {"A", "B", "C", "D", "E", "F"};
  return kNames[static_cast<std::size_t>(group)];
}

std::string_view SeverityName(Severity severity) {
  static constexpr std::string_view kNames[] = {"rejection", "error", "warning", "info"};
  return kNames[static_cast<std::size_t>(severity)];
}

std::optional<Amount> Finding::Difference() const {
  if (!left || !right) return std::nullopt;
  // Figures near the type's limit: the difference stops there instead of wrapping round.
  Amount difference = *left;
  if (*right == std::numeric_limits<Amount>::min()) {
    AddSaturating(difference, std::numeric_limits<Amount>::max());
    AddSaturating(difference, Amount{1});
  } else {
    AddSaturating(difference, -*right);
  }
  return difference;
}

int CheckResult::Count(Severity severity) const {
  return static_cast<int>(
      std::count_if(findings.begin(), findings.end(), [&](const Finding& f) { return f.severity == severity; }));
}

}  // namespace orsvelt::checks
