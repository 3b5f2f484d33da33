#include "analysis/prot502/prot502_records.h"

#include <limits>

namespace orsvelt {
namespace {

// A report may carry amounts near the 64-bit limit; their sum stops at the limit rather
// than wrapping round to a wrong sign.
void AddSaturating(Amount& sum, Amount value) {
  constexpr Amount kMax = std::numeric_limits<Amount>::max();
  constexpr Amount kMin = std::numeric_limits<Amount>::min();
  if (value > 0 && sum > kMax - value)
    sum = kMax;
  else if (value < 0 && sum < kMin - value)
    sum = kMin;
  else
    sum += value;
}

}  // namespace

TRSV502ProtMonthSums& TRSV502ProtMonthSums::operator+=(const TRSV502ProtMonthSums& other) {
  AddSaturating(СумВыпл, other.СумВыпл);
  AddSaturating(ВыплОПС, other.ВыплОПС);
  AddSaturating(ВыплОПСДог, other.ВыплОПСДог);
  AddSaturating(НачислСВ, other.НачислСВ);
  return *this;
}

int TRSV502ProtQuartData::Find(std::string_view code) const {
  const auto it = byCode_.find(std::string(code));
  return it == byCode_.end() ? -1 : it->second;
}

int TRSV502ProtQuartData::FindOrAdd(std::string_view code) {
  const auto [it, added] = byCode_.try_emplace(std::string(code), static_cast<int>(categories_.size()));
  if (added) categories_.push_back(TRSV502ProtCategory{std::string(code), {}});
  return it->second;
}

void TRSV502ProtQuartData::ClearCategories() {
  categories_.clear();
  byCode_.clear();
}

}  // namespace orsvelt
