#pragma once
// Analysis of a format 5.01 report: title data, the earlier-period reports of the same
// year found beside it, the section 3 summaries, the cross-check of subsection 1.1
// against section 3, and each person's figures accumulated from the start of the year.
// The records are plain data that the two protocol writers print as they stand.

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analysis/common/analysis_base.h"
#include "analysis/common/person_index.h"
#include "xml/amount.h"

namespace orsvelt {

struct TRSV501Document;
struct TRSV501PersSvSL;
namespace checks {
struct CheckResult;
struct YearPersons;
}

// One earlier-period report that was selected; its position from 1 is its file number.
struct TRSV501EarlierFileRec {
  std::string FileName;       // "ИдФайл" + ".xml"
  std::string FormatVersion;  // "ВерсФорм"
  std::string PeriodText;     // period name, year, " г."; or "Не удалось определить"
  std::int32_t CorrectionNumber = 0;
  std::string PlaceText;      // name of the "ПоМесту" code, or "Не удалось определить"
};

// One "СвВыплМК" of a person of the main file.
struct TZLMonthRec {
  std::string Month;         // "Месяц" as read
  std::string CategoryCode;  // "КодКатЛиц"
  Amount Payments = 0;       // "СумВыпл"
  Amount Base = 0;           // "ВыплОПС"
  Amount ContractBase = 0;   // "ВыплОПСДог"
  Amount Contributions = 0;  // "НачислСВ"
};

// One "ВыплСВДопМТ" of a person of the main file.
struct TZLAddRec {
  std::string Month;         // "Месяц"
  std::string TariffCode;    // "Тариф"
  Amount Payments = 0;       // "ВыплСВ"
  Amount Contributions = 0;  // "НачислСВ"
};

// One insured person of the main file.
struct TZLRec {
  std::int32_t Ordinal = 0;  // position in the ordered list, from 1
  std::int32_t Number = 0;   // "Номер"
  std::uint32_t Position = 0;  // among the file's person elements, from 0
  std::string FullName;      // or "Не указано в файле"
  std::string SexText;       // "М", "Ж", "Не определено" or "Не указано в файле"
  bool SexMismatch = false;  // the patronymic indicates the other sex
  std::string SNILS;         // or "Не указан" / "Не указано в файле"
  std::string INN;           // or "Не указан" / "Не указано в файле"
  std::string OPSFlag, OMSFlag, OSSFlag;  // as read, empty when absent
  std::vector<TZLMonthRec> MonthRows;
  std::vector<TZLAddRec> AddRows;
};

// Section 3 month rows summed by month and category code.
struct TRSV501MonthCategoryTotalRec {
  std::string Month;
  std::string CategoryCode;
  std::int32_t Count = 0;  // month rows with this key
  Amount Payments = 0, Base = 0, ContractBase = 0, Contributions = 0;
};

// Section 3 month rows summed by category code.
struct TRSV501CategoryTotalRec {
  std::string CategoryCode;
  std::int32_t Count = 0;  // persons with at least one row of this code
  Amount Payments = 0, Base = 0, ContractBase = 0, Contributions = 0;
};

// Additional-tariff rows summed by month and tariff code.
struct TRSV501MonthTariffTotalRec {
  std::string Month;
  std::string TariffCode;
  std::int32_t Count = 0;  // add-rows with this key
  Amount Payments = 0, Contributions = 0;
};

// Additional-tariff rows summed by tariff code.
struct TRSV501TariffTotalRec {
  std::string TariffCode;
  std::int32_t Count = 0;  // persons with at least one add-row of this code
  Amount Payments = 0, Contributions = 0;
};

// One column of the cross-check: section 1 (S1) beside section 3 (S3). A pair agrees only
// when both values are exactly equal.
struct TRSV501CompareColumn {
  std::int32_t PersonsS1 = 0, PersonsS3 = 0;
  Amount PaymentsS1 = 0, PaymentsS3 = 0;
  Amount BaseS1 = 0, BaseS3 = 0;
  Amount ContribS1 = 0, ContribS3 = 0;
};

// Subsection 1.1 against section 3 for one tariff group. The inherited column is the
// last three months; MonthColumns[m] is month m + 1 of the quarter.
struct TRSV501CompareMainRec : TRSV501CompareColumn {
  std::vector<std::string> TariffCodes;
  std::vector<std::string> CategoryCodes;
  std::string Month1, Month2, Month3;
  std::array<TRSV501CompareColumn, 3> MonthColumns{};

  // 0: the last three months; 1..3: the months in quarter order.
  const TRSV501CompareColumn& Column(int i) const { return i == 0 ? *this : MonthColumns.at(i - 1); }
  TRSV501CompareColumn& Column(int i) { return i == 0 ? *this : MonthColumns.at(i - 1); }
};

// One "СведЧлКФХ" of section 2. Texts are empty when absent.
struct TRSV501FarmMemberRec {
  std::string INN;
  std::string SNILS;
  std::string FullName;
  std::int32_t BirthYear = 0;
  std::string StartDate;  // as read
  std::string EndDate;    // as read
  Amount PensionContributions = 0;  // "НачислСВОПС"
  Amount MedicalContributions = 0;  // "НачислСВОМС"
};

// One month of a person's pension-base accumulation. Its running totals from January are
// summed over the person's rows as the table lists them (TRSV501BaseCheckRunning).
struct TRSV501BaseCheckMonthRec {
  static constexpr std::uint32_t kNoCategory = 0xFFFFFFFF;
  std::int32_t Month = 0;  // 1..12
  // The month's one row's "КодКатЛиц" (TRSV501ProtData::CategoryCodes): a block whose months
  // are one row each gives the OMS/OSS estimate these months as its rows. kNoCategory in a
  // month of several rows or of none.
  std::uint32_t Category = kNoCategory;
  Amount Payments = 0, Base = 0, ContractBase = 0, Contributions = 0;
};

// The additional-tariff amounts of one month of a person's period block. Few persons have
// any, so they are kept beside the month rows rather than in each of them.
struct TRSV501BaseCheckExtraRec {
  std::string PeriodCode;  // of the block
  std::int32_t Month = 0;  // 1..12
  Amount Base = 0, Contributions = 0;  // "ВыплСВ", "НачислСВ", summed over the month's rows
};

// One period block of a person: where its data came from and its months.
struct TRSV501BaseCheckPLQuarterRec {
  std::int32_t FileNumber = -1;  // -1: no data; 0: main file; k: EarlierFiles[k - 1]
  std::int32_t Number = 0;       // "Номер" of the source element
  std::string PeriodCode;        // "Период" of the source element
  std::int32_t CorrectionNumber = -1;
  std::vector<TRSV501BaseCheckMonthRec> Months;
  bool InRunningTotals = true;  // false for a period without months: its rows run on nothing
  // Position among the person's periods as they were added, the order the estimate reads them in.
  std::uint32_t Added = 0;
};

// The running totals of a person's rows, the rows taken in the order of the table.
struct TRSV501BaseCheckRunning {
  Amount Payments = 0, Base = 0, ContractBase = 0, Contributions = 0;

  void Add(const TRSV501BaseCheckMonthRec& month) {
    Payments += month.Payments;
    Base += month.Base;
    ContractBase += month.ContractBase;
    Contributions += month.Contributions;
  }
  // Takes the next row and gives the totals it shows: all zero in a block outside them.
  TRSV501BaseCheckRunning Next(const TRSV501BaseCheckPLQuarterRec& block, const TRSV501BaseCheckMonthRec& month) {
    if (!block.InRunningTotals) return {};
    Add(month);
    return *this;
  }
};

// One payment row of the OMS/OSS estimate. Most blocks' rows are their months (see
// TRSV501BaseCheckMonthRec::Category); those of a block with a month of several rows are kept
// apart. The category code is a number (TRSV501ProtData::CategoryCodes).
struct TRSV501OMSOSSRowRec {
  std::int32_t Month = 0;     // 1..12
  std::uint32_t Category = 0;  // "КодКатЛиц", numbered
  Amount Payments = 0;        // "СумВыпл"
  Amount OSSBase = 0;         // "ВыплОПС" - "ВыплОПСДог"
};

// An OMS/OSS row of the block added as Block (TRSV501BaseCheckPLQuarterRec::Added).
struct TRSV501OMSOSSBlockRowRec {
  std::uint32_t Block = 0;
  TRSV501OMSOSSRowRec Row;
};

// One person of the pension-base accumulation.
struct TRSV501BaseCheckPLRec {
  std::string FullName;  // as first met
  std::string SNILS;     // the key; may be empty
  std::string INN;       // as first met, may be empty
  std::vector<TRSV501BaseCheckPLQuarterRec> Periods;
  std::vector<TRSV501BaseCheckExtraRec> Extras;  // months without such amounts have none
  std::vector<TRSV501OMSOSSBlockRowRec> EstimateRows;  // few persons have any
};

// One month of the pension-base accumulation's total: the persons' months of one quarter
// block each, and the sums of their running totals.
struct TRSV501BaseCheckTotalMonthRec {
  std::int32_t Month = 0;  // 1..12
  Amount Payments = 0, CumPayments = 0;
  Amount Base = 0, CumBase = 0;
  Amount ContractBase = 0, CumContractBase = 0;
  Amount Contributions = 0, CumContributions = 0;
};

// One month of the OMS/OSS estimate. The running totals from January are not kept: each is
// the sum of the months so far (WithRunningTotals), for a person and for the total alike.
struct TRSV501OMSOSSMonthRec {
  Amount OMSBase = 0;
  Amount OMSContrib = 0;
  Amount OSSBase = 0;
  Amount OSSContrib = 0;
};

// A month of the OMS/OSS estimate with its running totals, as the protocols show it.
struct TRSV501OMSOSSRunningRec {
  Amount OMSBase = 0, CumOMSBase = 0;
  Amount OMSContrib = 0, CumOMSContrib = 0;
  Amount OSSBase = 0, CumOSSBase = 0;
  Amount OSSContrib = 0, CumOSSContrib = 0;
};
std::array<TRSV501OMSOSSRunningRec, 12> WithRunningTotals(const std::array<TRSV501OMSOSSMonthRec, 12>& months);

// The OMS/OSS estimate of one person (or the all-persons total).
struct TRSV501OMSOSSPLRec {
  std::array<TRSV501OMSOSSMonthRec, 12> Months{};  // January .. December
};

struct TRSV501ProtData;
// The OMS/OSS estimate of a person of d.BaseChecks (contributions.cpp). Rows of a month
// outside 1..12 or of a category d does not list (which the accumulation never makes) count
// for nothing.
TRSV501OMSOSSPLRec EstimateOf(const TRSV501ProtData& d, const TRSV501BaseCheckPLRec& person);

// What the accumulation takes of one "ПерсСвСтрахЛиц" of the year with a name. A file's
// persons wait in this form (packed, prot501::WaitingPersons) until the accumulation takes
// them: an earlier file's until the file has read, the checked file's until the earlier ones
// have.
struct TRSV501YearPersonRec {
  struct MonthRow {
    std::int32_t Month = 0;  // 1..12; rows of other "Месяц" values are not kept
    std::string CategoryCode;
    Amount Payments = 0, Base = 0, ContractBase = 0, Contributions = 0;
  };
  struct ExtraRow {
    std::int32_t Month = 0;  // 1..12
    Amount Base = 0, Contributions = 0;  // "ВыплСВ", "НачислСВ"
  };
  std::string FullName;
  std::string SNILS;
  std::string INN;
  std::string PeriodCode;             // "Период"
  std::int32_t CorrectionNumber = 0;  // "НомКорр"
  std::int32_t Number = 0;            // "Номер"
  std::vector<MonthRow> Rows;         // "СвВыплМК" in document order
  std::vector<ExtraRow> ExtraRows;    // "ВыплСВДопМТ" in document order
};

// Everything one run found; reset as a whole at the start of each run.
struct TRSV501ProtData {
  std::string FileName;
  std::string FormatVersion;
  std::string PeriodText;
  std::int32_t CorrectionNumber = 0;
  std::string PlaceText;
  std::vector<TRSV501EarlierFileRec> EarlierFiles;
  std::string PayerType;
  std::string PayerName;
  std::string PayerINN;
  std::string PayerKPP;
  std::int32_t Year = 0;
  std::vector<std::string> ReadErrors;

  // Composition of the main document.
  bool Section1Present = false;
  std::int32_t AddTariffCount = 0, DSOCount = 0, Annex1Count = 0;
  std::array<bool, 6> AnnexPresent{};  // annexes 3 to 8
  std::int32_t PatentCount = 0;
  bool Annex9Present = false;
  std::int32_t ForeignerCount = 0;
  bool Annex10Present = false;
  std::int32_t StudentCount = 0;
  bool Section2Present = false;
  std::int32_t FarmMemberCount = 0;
  std::int32_t PersonCount = 0;
  std::int32_t OPSFlagCount = 0, OMSFlagCount = 0, OSSFlagCount = 0;

  // The three month codes of the main file's period; empty when the period is unknown.
  std::vector<std::string> PeriodMonths;

  // Section 3 and the cross-check.
  std::vector<TRSV501MonthCategoryTotalRec> MonthCategoryTotals;
  std::vector<TRSV501MonthTariffTotalRec> MonthTariffTotals;
  std::vector<TZLRec> Persons;
  std::vector<TRSV501CategoryTotalRec> CategoryTotals;
  std::vector<TRSV501TariffTotalRec> TariffTotals;
  std::vector<TRSV501CompareMainRec> Comparisons;

  // Section 2.
  std::vector<TRSV501FarmMemberRec> FarmMembers;
  Amount Section2OPS = 0, Section2OMS = 0;

  // Accumulation from the start of the year. Deques: a large year's persons are never
  // moved to a bigger block, which would need the old block and the new one at once.
  std::deque<TRSV501BaseCheckPLRec> BaseChecks;
  std::vector<TRSV501BaseCheckTotalMonthRec> BaseCheckTotal;  // January to December
  // The OMS/OSS estimate of each person of BaseChecks is worked out from its rows when it is
  // written (EstimateOf): a large year's twelve months of four amounts each are never all
  // held at once. The total is summed when the accumulation is finished.
  TRSV501OMSOSSPLRec OMSOSSTotal;
  std::vector<std::string> CategoryCodes;  // the "КодКатЛиц" met, by number

  // Yearly limits of Year. A cumulative pension base above PensionLimit is marked (the
  // limit is 0 for a year without one). Without a known social-insurance limit the OSS
  // figures stay zero and the protocols say so in one line.
  Amount PensionLimit = 0;
  bool SocialLimitKnown = false;
  Amount SocialLimit = 0;

  // The control ratios (analysis/checks), shown right after the main file's table.
  std::shared_ptr<const checks::CheckResult> CheckResults;
};

class TRSV501Prot : public TRSVProt, public TRSV501ProtData {
 public:
  bool Analyse(TRSVFile& file, const std::filesystem::path& folder) override;
  bool WriteHtml(const std::filesystem::path& path) override;         // html_writer.cpp
  bool WriteSpreadsheet(const std::filesystem::path& path) override;  // workbook_writer.cpp

  // Adds one file's personal data to the accumulation (0: the main file, k: the k-th
  // earlier file). Only elements of Year with a name are taken. Files come oldest first,
  // the main file last: of equal correction numbers the later file's data is kept. The
  // counter, when given, steps once per person element.
  void AddToAccumulation(const TRSV501Document& doc, std::int32_t fileNumber, ProgressCounter* counter = nullptr);
  // The same for one person of the file, as taken by TakeYearPerson.
  void AddToAccumulation(const TRSV501YearPersonRec& person, std::int32_t fileNumber);
  // What the accumulation needs of a person; false for one it passes over (another year, no name).
  bool TakeYearPerson(const TRSV501PersSvSL& el, TRSV501YearPersonRec& person) const;
  // Completes the quarters, the running totals and the totals, the OMS/OSS one included.
  void FinishAccumulation();
  // The accumulated persons as the year's ratios read them (after FinishAccumulation).
  checks::YearPersons YearPersonsForChecks() const;  // year_persons.cpp

 protected:
  void ChecksChanged() override { CheckResults = checks_; }

 private:
  void Reset();
  void TakeTitle(const TRSVFile& file, const TRSV501Document& doc);
  void ReadEarlierFiles(const std::filesystem::path& folder, const TRSVFile& mainFile);
  // False when section 2 lacks its calculation subsection.
  bool TakeComposition(const TRSV501Document& doc);
  void TakeFarmMembers(const TRSV501Document& doc);
  // One person of the main file's section 3 as the protocols list it, the position-th in the
  // file; its rows join the sums by month and code.
  TZLRec ListPerson(const TRSV501PersSvSL& el, std::uint32_t position);
  void FinishSummaries();
  void BuildComparisons(const TRSV501Document& doc);
  void FinishPensionBase();
  void FinishOMSOSS();
  // The number of a category code in CategoryCodes.
  std::uint32_t CategoryNumber(const std::string& code);

  // The positions of the accumulated persons in BaseChecks, by key.
  PersonIndex yearIndex_;
  // The numbers of the category codes met.
  std::unordered_map<std::string, std::uint32_t> categoryNumbers_;
  // Where ListPerson finds the sums of a month and code, until FinishSummaries.
  struct SummaryIndex {
    std::unordered_map<std::string, std::size_t> monthCategory, category, monthTariff, tariff;
  };
  std::optional<SummaryIndex> summaryIndex_;
};

}  // namespace orsvelt
