#pragma once
// The records of the format 5.02 analysis: the earlier-period files it found and, per
// insured person, the monthly amounts of each quarter with the file they came from.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xml/amount.h"

namespace orsvelt {

// One selected earlier-period report of the payer's year.
struct TRSV502ProtFileRec {
  std::string FileName;       // as the folder listing gave it, without the folder
  std::string FormatVersion;  // "ВерсФорм" of its root
  std::int32_t ReportYear = -1;
  std::string PeriodCode;
  std::int32_t CorrectionNumber = -1;
  std::string PlaceName;
  std::string Note;  // why the file is not used; empty for a used one
};

// One month of a category: the four amounts of a "СвВыплМК".
struct TRSV502ProtMonthSums {
  Amount СумВыпл = 0;     // paid
  Amount ВыплОПС = 0;     // pension base
  Amount ВыплОПСДог = 0;  // of which under civil contracts
  Amount НачислСВ = 0;    // contributions charged

  TRSV502ProtMonthSums& operator+=(const TRSV502ProtMonthSums& other);
};

// One insured-person category within a quarter; months 1..3 of the quarter at 0..2. The
// code points into the analysis's pool of codes: a year holds a handful of distinct codes
// over hundreds of thousands of entries.
struct TRSV502ProtCategory {
  std::string_view КодКатЛиц;
  std::array<TRSV502ProtMonthSums, 3> Months{};
};

// Where a person's data came from: the file (0 the main one) and the person's number in it.
struct TRSV502ProtSource {
  std::int32_t File = -1;  // -1: nowhere (the totals)
  std::uint32_t Person = 0;

  // "file/person", as the protocols show it; empty for nowhere.
  std::string Text() const;
};

// One person's (or the totals') data for one quarter. The categories keep the order in
// which they were first met. Nearly every quarter has one, kept in place; more move to a
// list searched in place, and only a damaged report with many gets an index by code, so
// that its search stays linear.
class TRSV502ProtQuartData {
 public:
  bool Annulled = false;
  TRSV502ProtSource Source;  // the last file that brought this quarter

  std::span<const TRSV502ProtCategory> Categories() const;
  TRSV502ProtCategory& Category(int index);

  // Index of the entry with exactly this code, or -1.
  int Find(std::string_view code) const;
  // Index of the entry with exactly this code, appended with zero amounts when absent; the
  // code is kept as a view, so it must outlive the quarter.
  int FindOrAdd(std::string_view code);
  void ClearCategories();

 private:
  struct Many {
    std::vector<TRSV502ProtCategory> entries;
    std::unique_ptr<std::unordered_map<std::string_view, int>> byCode;
  };

  std::uint32_t oneCount_ = 0;  // 0 or 1 entries in one_ while many_ is null
  TRSV502ProtCategory one_;
  std::unique_ptr<Many> many_;
};

// One insured person, or the totals over all persons (identity left empty). The identity
// texts point into the analysis's texts, which live as long as it.
struct TRSV502ProtZLRec {
  std::string_view Name;  // "Фамилия Имя[ Отчество]"
  std::string_view Key;   // normalised SNILS
  std::string_view ИННФЛ;
  std::string_view Пол;   // as written
  TRSV502ProtSource Source;  // the file that last set the identity
  std::array<std::unique_ptr<TRSV502ProtQuartData>, 4> Quarters;  // quarters 1..4 at 0..3

  // Quarter q (1..4), or null.
  const TRSV502ProtQuartData* Quarter(int q) const { return Quarters[static_cast<std::size_t>(q - 1)].get(); }
};

}  // namespace orsvelt
