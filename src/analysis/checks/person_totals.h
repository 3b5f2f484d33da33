#pragma once
// A person's declared three-month totals against the person's rows (format 5.01), and how
// the findings name persons: what the ratios of section 3 and the "not submitted" grounds share.

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "analysis/checks/check_context.h"
#include "model/view/report_view.h"

namespace orsvelt::checks {

struct DeclaredTotal {
  Amount declared = 0, summed = 0;
};

// The person's declared total and the sum of the person's rows of the period (of every row
// when the quarter is unknown); nullopt when the person declares no such total.
std::optional<DeclaredTotal> DeclaredTotalOf(const CheckContext& c, const view::Person& p,
                                             view::PersonTotals::Field total);

// Persons named by a finding: each once, the first kShown of them, then "и ещё N".
class PersonList {
 public:
  static constexpr std::size_t kShown = 20;
  void Add(std::string person);
  std::vector<std::string> Take();

 private:
  std::unordered_set<std::string> seen_;
  std::vector<std::string> shown_;
  std::size_t more_ = 0;
};

}  // namespace orsvelt::checks
