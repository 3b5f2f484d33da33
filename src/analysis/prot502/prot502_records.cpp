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

std::string TRSV502ProtSource::Text() const {
  if (File < 0) return {};
  return std::to_string(File) + "/" + std::to_string(Person);
}

std::span<const TRSV502ProtCategory> TRSV502ProtQuartData::Categories() const {
  if (many_) return many_->entries;
  return {&one_, oneCount_};
}

TRSV502ProtCategory& TRSV502ProtQuartData::Category(int index) {
  if (many_) return many_->entries[static_cast<std::size_t>(index)];
  return one_;
}

int TRSV502ProtQuartData::Find(std::string_view code) const {
  if (many_ && many_->byCode) {
    const auto it = many_->byCode->find(code);
    return it == many_->byCode->end() ? -1 : it->second;
  }
  const std::span<const TRSV502ProtCategory> entries = Categories();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].КодКатЛиц == code) return static_cast<int>(i);
  return -1;
}

int TRSV502ProtQuartData::FindOrAdd(std::string_view code) {
  if (const int found = Find(code); found >= 0) return found;
  if (!many_ && oneCount_ == 0) {
    one_ = TRSV502ProtCategory{code, {}};
    oneCount_ = 1;
    return 0;
  }
  if (!many_) {
    many_ = std::make_unique<Many>();
    many_->entries.push_back(one_);
    one_ = {};
    oneCount_ = 0;
  }
  std::vector<TRSV502ProtCategory>& entries = many_->entries;
  const int index = static_cast<int>(entries.size());
  entries.push_back(TRSV502ProtCategory{code, {}});
  if (many_->byCode) {
    many_->byCode->emplace(code, index);
  } else if (entries.size() > kIndexedFrom) {
    many_->byCode = std::make_unique<std::unordered_map<std::string_view, int>>();
    for (std::size_t i = 0; i < entries.size(); ++i) many_->byCode->emplace(entries[i].КодКатЛиц, static_cast<int>(i));
  }
  return index;
}

void TRSV502ProtQuartData::ClearCategories() {
  one_ = {};
  oneCount_ = 0;
  many_.reset();
}

}  // namespace orsvelt
