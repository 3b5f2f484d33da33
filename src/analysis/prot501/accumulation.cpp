// Each person's figures gathered over the year's reports: per period the data of the
// highest correction (of the latest file among equals), then running totals from January.

#include <algorithm>
#include <array>
#include <deque>

#include "analysis/common/report_texts.h"
#include "analysis/prot501/prot501.h"
#include "model/rsv501/document.h"
#include "reference/period_codes.h"

namespace orsvelt {

namespace {

// 1..12 for "01".."12"; 0 for any other code ("1" and "13" included).
int MonthNumber(std::string_view code) {
  if (code.size() != 2 || code[0] < '0' || code[0] > '1' || code[1] < '0' || code[1] > '9') return 0;
  const int n = (code[0] - '0') * 10 + (code[1] - '0');
  return n >= 1 && n <= 12 ? n : 0;
}

// First month (1, 4, 7, 10) of the quarter a period code stands for; 0 when none.
int FirstMonthOfPeriod(std::string_view period) {
  const auto months = MonthsOfPeriod(period);
  return months.empty() ? 0 : MonthNumber(months.front());
}

template <class Block>
Block& FindBlock(std::vector<Block>& blocks, const std::string& period) {
  for (Block& b : blocks)  // at most a few periods per person
    if (b.PeriodCode == period) return b;
  Block& b = blocks.emplace_back();
  b.Added = static_cast<std::uint32_t>(blocks.size() - 1);
  b.PeriodCode = period;
  b.CorrectionNumber = -1;
  return b;
}

// Takes the element's data into the block when it is a higher correction, or an equal one
// from a later file: correction reports write the person's own "НомКорр" as 0 again, so
// the file order (period, correction, main file last) is what tells the newer data. Inside
// one file the first element stays.
template <class Block>
bool Supersedes(Block& block, const TRSV501YearPersonRec& el, std::int32_t fileNumber) {
  const bool laterFile = block.FileNumber >= 0 && block.FileNumber != fileNumber;
  if (block.CorrectionNumber > el.CorrectionNumber) return false;
  if (block.CorrectionNumber == el.CorrectionNumber && !laterFile) return false;
  block.FileNumber = fileNumber;
  block.Number = el.Number;
  block.PeriodCode = el.PeriodCode;
  block.CorrectionNumber = el.CorrectionNumber;
  return true;
}

void AddPensionRows(TRSV501BaseCheckPLQuarterRec& block, const std::vector<TRSV501YearPersonRec::MonthRow>& rows) {
  block.Months.reserve(std::min<std::size_t>(rows.size(), 12));
  for (const TRSV501YearPersonRec::MonthRow& mk : rows) {
    auto it = std::find_if(block.Months.begin(), block.Months.end(),
                           [&](const TRSV501BaseCheckMonthRec& m) { return m.Month == mk.Month; });
    if (it == block.Months.end()) {
      block.Months.push_back({});
      it = block.Months.end() - 1;
      it->Month = mk.Month;
    }
    it->Payments += mk.Payments;
    it->Base += mk.Base;
    it->ContractBase += mk.ContractBase;
    it->Contributions += mk.Contributions;
  }
}

// The block's additional-tariff amounts replace those it had; a month they name gets a row.
void SetExtraRows(TRSV501BaseCheckPLRec& person, TRSV501BaseCheckPLQuarterRec& block,
                  const std::vector<TRSV501YearPersonRec::ExtraRow>& rows) {
  std::erase_if(person.Extras, [&](const TRSV501BaseCheckExtraRec& e) { return e.PeriodCode == block.PeriodCode; });
  for (const TRSV501YearPersonRec::ExtraRow& mt : rows) {
    auto it = std::find_if(block.Months.begin(), block.Months.end(),
                           [&](const TRSV501BaseCheckMonthRec& m) { return m.Month == mt.Month; });
    if (it == block.Months.end()) {
      block.Months.push_back({});
      it = block.Months.end() - 1;
      it->Month = mt.Month;
    }
    if (mt.Base == 0 && mt.Contributions == 0) continue;
    auto extra = std::find_if(person.Extras.begin(), person.Extras.end(), [&](const TRSV501BaseCheckExtraRec& e) {
      return e.Month == mt.Month && e.PeriodCode == block.PeriodCode;
    });
    if (extra == person.Extras.end()) {
      extra = person.Extras.emplace(person.Extras.end());
      extra->PeriodCode = block.PeriodCode;
      extra->Month = mt.Month;
    }
    extra->Base += mt.Base;
    extra->Contributions += mt.Contributions;
  }
}

// The estimate's rows of the block: its months, when each is one row (the months are then
// the rows, in their order); else rows of their own, one per month and category, the last
// row of each kept.
template <class Numbering>
void SetEstimateRows(TRSV501BaseCheckPLRec& person, std::uint32_t blockIndex, TRSV501BaseCheckPLQuarterRec& block,
                     const std::vector<TRSV501YearPersonRec::MonthRow>& rows, bool oneRowEach, Numbering&& categoryNumber) {
  std::erase_if(person.EstimateRows, [&](const TRSV501OMSOSSBlockRowRec& r) { return r.Block == blockIndex; });
  if (oneRowEach) {
    for (std::size_t i = 0; i < rows.size(); ++i) block.Months[i].Category = categoryNumber(rows[i].CategoryCode);
    return;
  }
  const auto first = static_cast<std::ptrdiff_t>(person.EstimateRows.size());
  for (const TRSV501YearPersonRec::MonthRow& mk : rows) {
    const std::uint32_t category = categoryNumber(mk.CategoryCode);
    auto it = std::find_if(person.EstimateRows.begin() + first, person.EstimateRows.end(),
                           [&](const TRSV501OMSOSSBlockRowRec& r) {
                             return r.Row.Month == mk.Month && r.Row.Category == category;
                           });
    if (it == person.EstimateRows.end()) {
      person.EstimateRows.push_back({.Block = blockIndex, .Row = {.Month = mk.Month, .Category = category}});
      it = person.EstimateRows.end() - 1;
    }
    it->Row.Payments = mk.Payments;
    it->Row.OSSBase = mk.Base - mk.ContractBase;
  }
}

}  // namespace

bool TRSV501Prot::TakeYearPerson(const TRSV501PersSvSL& el, TRSV501YearPersonRec& person) const {
  if (el.ОтчетГод != Year || !el.ДанФЛПолуч || !el.ДанФЛПолуч->ФИО) return false;
  const TRSV501DanFLPoluch& who = *el.ДанФЛПолуч;
  person.FullName = FullNameOf(*who.ФИО);
  person.SNILS = who.СНИЛС;
  person.INN = who.ИННФЛ;
  person.PeriodCode = el.Период;
  person.CorrectionNumber = el.НомКорр;
  person.Number = el.Номер;
  person.Rows.clear();
  if (el.СвВыплСВОПС && el.СвВыплСВОПС->СвВыпл)
    for (const TRSV501SvVyplMK& mk : el.СвВыплСВОПС->СвВыпл->СвВыплМК)
      if (const int month = MonthNumber(mk.Месяц))
        person.Rows.push_back({month, mk.КодКатЛиц, mk.СумВыпл, mk.ВыплОПС, mk.ВыплОПСДог, mk.НачислСВ});
  person.ExtraRows.clear();
  if (el.СвВыплСВОПС && el.СвВыплСВОПС->ВыплСВДоп)
    for (const TRSV501VyplSvDopMT& mt : el.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ)
      if (const int month = MonthNumber(mt.Месяц)) person.ExtraRows.push_back({month, mt.ВыплСВ, mt.НачислСВ});
  return true;
}

std::uint32_t TRSV501Prot::CategoryNumber(const std::string& code) {
  const auto [at, added] = categoryNumbers_.try_emplace(code, static_cast<std::uint32_t>(CategoryCodes.size()));
  if (added) CategoryCodes.push_back(code);
  return at->second;
}

void TRSV501Prot::AddToAccumulation(const TRSV501YearPersonRec& person, std::int32_t fileNumber) {
  const auto [at, added] = yearIndex_.FindOrAdd(person.SNILS, person.INN, BaseChecks.size());
  if (added) {
    TRSV501BaseCheckPLRec& added = BaseChecks.emplace_back();
    added.FullName = person.FullName;
    added.SNILS = person.SNILS;
    added.INN = person.INN;
  }
  TRSV501BaseCheckPLRec& who = BaseChecks[at];
  TRSV501BaseCheckPLQuarterRec& base = FindBlock(who.Periods, person.PeriodCode);
  if (!Supersedes(base, person, fileNumber)) return;
  base.Months.clear();
  AddPensionRows(base, person.Rows);
  // Before the additional-tariff rows add months of their own.
  const bool oneRowEach = base.Months.size() == person.Rows.size();
  SetExtraRows(who, base, person.ExtraRows);
  SetEstimateRows(who, base.Added, base, person.Rows, oneRowEach,
                  [this](const std::string& code) { return CategoryNumber(code); });
}

void TRSV501Prot::AddToAccumulation(const TRSV501Document& doc, std::int32_t fileNumber, ProgressCounter* counter) {
  if (!doc.РасчетСВ) return;
  TRSV501YearPersonRec person;
  for (const TRSV501PersSvSL& el : doc.РасчетСВ->ПерсСвСтрахЛиц) {
    if (counter) counter->Step();
    if (TakeYearPerson(el, person)) AddToAccumulation(person, fileNumber);
  }
}

void TRSV501Prot::FinishAccumulation() {
  // Nothing joins after this; the index of a large year would only add to the checks' peak.
  yearIndex_ = PersonIndex();
  FinishPensionBase();
  FinishOMSOSS();
}

void TRSV501Prot::FinishPensionBase() {
  static constexpr std::array<std::string_view, 4> kQuarterCodes = {"21", "31", "33", "34"};

  BaseCheckTotal.assign(12, {});
  for (int m = 0; m < 12; ++m) BaseCheckTotal[m].Month = m + 1;

  for (TRSV501BaseCheckPLRec& person : BaseChecks) {
    std::array<bool, 4> present{};
    for (const auto& block : person.Periods)
      if (const int first = FirstMonthOfPeriod(block.PeriodCode)) present[(first - 1) / 3] = true;
    // Reserved to the size they end with: a year's persons are many, growth slack adds up.
    person.Periods.reserve(person.Periods.size() + static_cast<std::size_t>(std::count(present.begin(), present.end(), false)));
    for (int q = 0; q < 4; ++q) {
      if (present[q]) continue;
      TRSV501BaseCheckPLQuarterRec& empty = person.Periods.emplace_back();
      empty.Added = static_cast<std::uint32_t>(person.Periods.size() - 1);
      empty.PeriodCode = kQuarterCodes[q];
      empty.CorrectionNumber = 0;
    }
    std::stable_sort(person.Periods.begin(), person.Periods.end(),
                     [](const auto& a, const auto& b) { return a.PeriodCode < b.PeriodCode; });

    TRSV501BaseCheckRunning running;
    std::array<bool, 4> totalled{};
    for (TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
      const int first = FirstMonthOfPeriod(block.PeriodCode);
      block.InRunningTotals = first != 0;
      if (first == 0) continue;
      std::array<bool, 3> has{};
      for (const TRSV501BaseCheckMonthRec& r : block.Months)
        if (r.Month >= first && r.Month < first + 3) has[static_cast<std::size_t>(r.Month - first)] = true;
      block.Months.reserve(block.Months.size() + static_cast<std::size_t>(std::count(has.begin(), has.end(), false)));
      for (int m = first; m < first + 3; ++m)
        if (!has[static_cast<std::size_t>(m - first)]) block.Months.push_back({}), block.Months.back().Month = m;
      std::stable_sort(block.Months.begin(), block.Months.end(),
                       [](const auto& a, const auto& b) { return a.Month < b.Month; });

      // The total keeps one block per quarter: a second block of the same quarter, and
      // rows of months outside the block's quarter, have no place in it; their amounts
      // still run on into the person's later months.
      const int q = (first - 1) / 3;
      const bool toTotal = !totalled[q];
      totalled[q] = true;
      for (const TRSV501BaseCheckMonthRec& row : block.Months) {
        running.Add(row);
        if (!toTotal || row.Month < first || row.Month >= first + 3) continue;
        TRSV501BaseCheckTotalMonthRec& t = BaseCheckTotal[static_cast<std::size_t>(row.Month - 1)];
        t.Payments += row.Payments;
        t.CumPayments += running.Payments;
        t.Base += row.Base;
        t.CumBase += running.Base;
        t.ContractBase += row.ContractBase;
        t.CumContractBase += running.ContractBase;
        t.Contributions += row.Contributions;
        t.CumContributions += running.Contributions;
      }
    }
  }
}

}  // namespace orsvelt
