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

template <class Person>
Person& FindPerson(std::deque<Person>& persons, PersonIndex& index, const TRSV501DanFLPoluch& who) {
  const auto [at, added] = index.FindOrAdd(who.СНИЛС, who.ИННФЛ, persons.size());
  if (!added) return persons[at];
  Person& p = persons.emplace_back();
  p.FullName = FullNameOf(*who.ФИО);
  p.SNILS = who.СНИЛС;
  p.INN = who.ИННФЛ;
  return p;
}

template <class Block>
Block& FindBlock(std::vector<Block>& blocks, const std::string& period) {
  for (Block& b : blocks)  // at most a few periods per person
    if (b.PeriodCode == period) return b;
  Block& b = blocks.emplace_back();
  b.PeriodCode = period;
  b.CorrectionNumber = -1;
  return b;
}

// Takes the element's data into the block when it is a higher correction, or an equal one
// from a later file: correction reports write the person's own "НомКорр" as 0 again, so
// the file order (period, correction, main file last) is what tells the newer data. Inside
// one file the first element stays.
template <class Block>
bool Supersedes(Block& block, const TRSV501PersSvSL& el, std::int32_t fileNumber) {
  const bool laterFile = block.FileNumber >= 0 && block.FileNumber != fileNumber;
  if (block.CorrectionNumber > el.НомКорр) return false;
  if (block.CorrectionNumber == el.НомКорр && !laterFile) return false;
  block.FileNumber = fileNumber;
  block.Number = el.Номер;
  block.PeriodCode = el.Период;
  block.CorrectionNumber = el.НомКорр;
  return true;
}

const std::vector<TRSV501SvVyplMK>* MonthRowsOf(const TRSV501PersSvSL& el) {
  if (!el.СвВыплСВОПС || !el.СвВыплСВОПС->СвВыпл) return nullptr;
  return &el.СвВыплСВОПС->СвВыпл->СвВыплМК;
}

void AddPensionRows(TRSV501BaseCheckPLQuarterRec& block, const std::vector<TRSV501SvVyplMK>& rows) {
  block.Months.reserve(std::min<std::size_t>(rows.size(), 12));
  for (const TRSV501SvVyplMK& mk : rows) {
    const int month = MonthNumber(mk.Месяц);
    if (month == 0) continue;
    auto it = std::find_if(block.Months.begin(), block.Months.end(),
                           [&](const TRSV501BaseCheckMonthRec& m) { return m.Month == month; });
    if (it == block.Months.end()) {
      block.Months.push_back({});
      it = block.Months.end() - 1;
      it->Month = month;
    }
    it->Payments += mk.СумВыпл;
    it->Base += mk.ВыплОПС;
    it->ContractBase += mk.ВыплОПСДог;
    it->Contributions += mk.НачислСВ;
  }
}

void AddExtraRows(TRSV501BaseCheckPLQuarterRec& block, const std::vector<TRSV501VyplSvDopMT>& rows) {
  for (const TRSV501VyplSvDopMT& mt : rows) {
    const int month = MonthNumber(mt.Месяц);
    if (month == 0) continue;
    auto it = std::find_if(block.Months.begin(), block.Months.end(),
                           [&](const TRSV501BaseCheckMonthRec& m) { return m.Month == month; });
    if (it == block.Months.end()) {
      block.Months.push_back({});
      it = block.Months.end() - 1;
      it->Month = month;
    }
    it->ExtraBase += mt.ВыплСВ;
    it->ExtraContributions += mt.НачислСВ;
  }
}

void SetOMSOSSRows(TRSV501OMSOSSQuarterRec& block, const std::vector<TRSV501SvVyplMK>& rows) {
  block.Rows.reserve(rows.size());
  for (const TRSV501SvVyplMK& mk : rows) {
    const int month = MonthNumber(mk.Месяц);
    if (month == 0) continue;
    auto it = std::find_if(block.Rows.begin(), block.Rows.end(), [&](const TRSV501OMSOSSRowRec& r) {
      return r.Month == month && r.CategoryCode == mk.КодКатЛиц;
    });
    if (it == block.Rows.end()) {
      block.Rows.push_back({});
      it = block.Rows.end() - 1;
      it->Month = month;
      it->CategoryCode = mk.КодКатЛиц;
    }
    it->Payments = mk.СумВыпл;
    it->OSSBase = mk.ВыплОПС - mk.ВыплОПСДог;
  }
}

}  // namespace

void TRSV501Prot::AddToAccumulation(const TRSV501Document& doc, std::int32_t fileNumber, ProgressCounter* counter) {
  if (!doc.РасчетСВ) return;
  for (const TRSV501PersSvSL& el : doc.РасчетСВ->ПерсСвСтрахЛиц) {
    if (counter) counter->Step();
    if (el.ОтчетГод != Year || !el.ДанФЛПолуч || !el.ДанФЛПолуч->ФИО) continue;
    const TRSV501DanFLPoluch& who = *el.ДанФЛПолуч;
    const std::vector<TRSV501SvVyplMK>* rows = MonthRowsOf(el);

    TRSV501BaseCheckPLQuarterRec& base = FindBlock(FindPerson(BaseChecks, baseIndex_, who).Periods, el.Период);
    if (Supersedes(base, el, fileNumber)) {
      base.Months.clear();
      if (rows) AddPensionRows(base, *rows);
      if (el.СвВыплСВОПС && el.СвВыплСВОПС->ВыплСВДоп) AddExtraRows(base, el.СвВыплСВОПС->ВыплСВДоп->ВыплСВДопМТ);
    }
    TRSV501OMSOSSQuarterRec& oms = FindBlock(FindPerson(OMSOSSChecks, omsIndex_, who).Periods, el.Период);
    if (Supersedes(oms, el, fileNumber)) {
      oms.Rows.clear();
      if (rows) SetOMSOSSRows(oms, *rows);
    }
  }
}

void TRSV501Prot::FinishAccumulation() {
  FinishPensionBase();
  FinishOMSOSS();
}

void TRSV501Prot::FinishPensionBase() {
  static constexpr std::array<std::string_view, 4> kQuarterCodes = {"21", "31", "33", "34"};

  BaseCheckTotal = TRSV501BaseCheckPLRec();
  for (int q = 0; q < 4; ++q) {
    TRSV501BaseCheckPLQuarterRec& block = BaseCheckTotal.Periods.emplace_back();
    block.PeriodCode = kQuarterCodes[q];
    block.CorrectionNumber = 0;
    for (int m = 1; m <= 3; ++m) block.Months.push_back({}), block.Months.back().Month = q * 3 + m;
  }

  for (TRSV501BaseCheckPLRec& person : BaseChecks) {
    std::array<bool, 4> present{};
    for (const auto& block : person.Periods)
      if (const int first = FirstMonthOfPeriod(block.PeriodCode)) present[(first - 1) / 3] = true;
    for (int q = 0; q < 4; ++q) {
      if (present[q]) continue;
      TRSV501BaseCheckPLQuarterRec& empty = person.Periods.emplace_back();
      empty.PeriodCode = kQuarterCodes[q];
      empty.CorrectionNumber = 0;
    }
    std::stable_sort(person.Periods.begin(), person.Periods.end(),
                     [](const auto& a, const auto& b) { return a.PeriodCode < b.PeriodCode; });

    Amount payments = 0, base = 0, contract = 0, contributions = 0;
    std::array<bool, 4> totalled{};
    for (TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
      const int first = FirstMonthOfPeriod(block.PeriodCode);
      if (first == 0) continue;
      for (int m = first; m < first + 3; ++m) {
        const bool has = std::any_of(block.Months.begin(), block.Months.end(),
                                     [&](const TRSV501BaseCheckMonthRec& r) { return r.Month == m; });
        if (!has) block.Months.push_back({}), block.Months.back().Month = m;
      }
      std::stable_sort(block.Months.begin(), block.Months.end(),
                       [](const auto& a, const auto& b) { return a.Month < b.Month; });
      for (TRSV501BaseCheckMonthRec& row : block.Months) {
        row.CumPayments = payments += row.Payments;
        row.CumBase = base += row.Base;
        row.CumContractBase = contract += row.ContractBase;
        row.CumContributions = contributions += row.Contributions;
      }

      // The total keeps one block per quarter: a second block of the same quarter, and
      // rows of months outside the block's quarter, have no place in it.
      const int q = (first - 1) / 3;
      if (totalled[q]) continue;
      totalled[q] = true;
      for (const TRSV501BaseCheckMonthRec& row : block.Months) {
        if (row.Month < first || row.Month >= first + 3) continue;
        TRSV501BaseCheckMonthRec& t = BaseCheckTotal.Periods[q].Months[row.Month - first];
        t.Payments += row.Payments;
        t.CumPayments += row.CumPayments;
        t.Base += row.Base;
        t.CumBase += row.CumBase;
        t.ContractBase += row.ContractBase;
        t.CumContractBase += row.CumContractBase;
        t.Contributions += row.Contributions;
        t.CumContributions += row.CumContributions;
      }
    }
  }
}

}  // namespace orsvelt
