#include "analysis/prot502/prot502_records.h"

#include "analysis/common/saturating_sum.h"

namespace orsvelt {

TRSV502ProtMonthSums& TRSV502ProtMonthSums::operator+=(const TRSV502ProtMonthSums& other) {
  AddSaturating(СумВыпл, other.СумВыпл);
  AddSaturating(ВыплОПС, other.ВыплОПС);
  AddSaturating(ВыплОПСДог, other.ВыплОПСДог);
  AddSaturating(НачислСВ, other.НачислСВ);
  return *this;
}

namespace {

constexpr std::size_t kIndexedFrom = 16;  // categories in one quarter before an index pays

}  // namespace

int TRSV502ProtQuartData::Find(std::string_view code) const {
  if (byCode_) {
    const auto it = byCode_->find(code);
    return it == byCode_->end() ? -1 : it->second;
  }
  for (std::size_t i = 0; i < categories_.size(); ++i)
    if (categories_[i].КодКатЛиц == code) return static_cast<int>(i);
  return -1;
}

int TRSV502ProtQuartData::FindOrAdd(std::string_view code) {
  if (const int found = Find(code); found >= 0) return found;
  const int index = static_cast<int>(categories_.size());
  categories_.push_back(TRSV502ProtCategory{code, {}});
  if (byCode_) {
    byCode_->emplace(code, index);
  } else if (categories_.size() > kIndexedFrom) {
    byCode_ = std::make_unique<std::unordered_map<std::string_view, int>>();
    for (std::size_t i = 0; i < categories_.size(); ++i) byCode_->emplace(categories_[i].КодКатЛиц, static_cast<int>(i));
  }
  return index;
}

void TRSV502ProtQuartData::ClearCategories() {
  categories_.clear();
  byCode_.reset();
}

}  // namespace orsvelt
