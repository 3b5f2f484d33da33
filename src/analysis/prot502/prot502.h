#pragma once
// Analysis of a format 5.02 report: the main file's identity, payer and composition, the
// earlier-period reports of the year found beside it, and every insured person's monthly
// amounts by quarter and category from all those files. The persons are collected from the
// report view, so the analysis of 5.03 to 5.08 (analysis/prot_later) derives from this one.

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "analysis/common/analysis_base.h"
#include "analysis/common/earlier_reports.h"
#include "analysis/common/person_index.h"
#include "analysis/prot502/prot502_records.h"
#include "markup/protocol_header.h"
#include "markup/protocol_sink.h"
#include "model/view/text_blocks.h"

namespace orsvelt {

struct TRSV502Document;
namespace checks {
struct YearPersons;
}
namespace view {
struct ReportView;
struct Section3;
struct Person;
struct MonthRow;
class HeldPersons;
}

struct TRSV502ProtPayer {
  std::string Type;  // "Юридическое лицо" or "Физическое лицо или индивидуальный предприниматель"
  std::string Name;
  std::string Inn;
  std::string Kpp;
};

// Which sections and appendices the main document holds.
struct TRSV502ProtComposition {
  bool Section1 = false;
  int Appendix1Count = 0;
  std::array<bool, 8> Appendix2To9{};  // appendices 2..9 at 0..7
  bool Section2 = false;
  bool Section2Pension = false;
  bool Section2Medical = false;
  bool Section2Appendix1 = false;
  int Section2Members = 0;
  int Section3Persons = 0;

  bool AnyAppendix2To9() const;
};

inline constexpr std::string_view kRsv502FormatLabel = "5.02 (действует с отчётности за 1 кв-л 2020 года)";

class TRSV502Prot : public TRSVProt {
 public:
  TRSV502Prot();
  ~TRSV502Prot() override;

  bool Analyse(TRSVFile& file, const std::filesystem::path& folder) override;
  bool WriteHtml(const std::filesystem::path& path) override;
  bool WriteSpreadsheet(const std::filesystem::path& path) override;

  // The same protocols into any sink (tests); the header texts default to the program's.
  bool WriteHtmlTo(ProtocolSink& sink, ProtocolHeader header = {});
  bool WriteSpreadsheetTo(ProtocolSink& sink, ProtocolHeader header = {});

  // Results of Analyse, read by the writers.
  const std::vector<std::string>& ReadErrors() const { return readErrors_; }
  const std::string& MainFileName() const { return mainFileName_; }
  std::int32_t ReportYear() const { return reportYear_; }
  const std::string& PeriodCode() const { return periodCode_; }
  std::int32_t CorrectionNumber() const { return correctionNumber_; }
  const std::string& PlaceName() const { return placeName_; }
  // The earlier files used, numbered from 1 as the sources name them; then those passed over, with their note.
  const std::vector<TRSV502ProtFileRec>& EarlierFiles() const { return earlierFiles_; }
  const std::string& FormatLabel() const { return formatLabel_; }
  const TRSV502ProtPayer& Payer() const { return payer_; }
  const TRSV502ProtComposition& Composition() const { return composition_; }
  const std::deque<TRSV502ProtZLRec>& Persons() const { return persons_; }
  // Null until BuildTotals found a person.
  const TRSV502ProtZLRec* Totals() const { return totals_.get(); }

  // The per-person collection.
  //
  // Index of the person an element with this SNILS (as written) and INN belongs to, or -1.
  // Persons are matched on the normalised SNILS; an element without one is matched on its
  // INN among the persons without SNILS, and one without either is nobody found before.
  int FindPerson(std::string_view snils, std::string_view inn = {}) const;
  // The code must be one of the pool's (CategoryCode) or outlive the quarter otherwise.
  static int FindOrAddCategory(TRSV502ProtQuartData& quarter, std::string_view code);
  static int FindCategory(const TRSV502ProtQuartData& quarter, std::string_view code);
  // Merges the persons of one file; file number 0 is the main file.
  void Collect(const view::ReportView& report, int fileNumber, ProgressCounter* counter = nullptr);
  void Collect(const TRSVFile& file, int fileNumber, ProgressCounter* counter = nullptr);
  // The persons of a file of quarter q (1..4; 0 collects nothing). Held persons have their
  // months as of the first quarter (rsv502::AddPerson).
  void Collect(const view::Section3& persons, int q, int fileNumber, ProgressCounter* counter = nullptr);
  void Collect(const view::HeldPersons& persons, int q, int fileNumber, ProgressCounter* counter = nullptr);
  void BuildTotals();
  // The merged persons as the control ratios over the whole year read them.
  checks::YearPersons YearPersonsForChecks() const;
  // The person's category codes over quarters 1..4 in entry order, each once regardless of
  // letter case: the person's rows in the protocols.
  std::vector<std::string> PersonCategories(const TRSV502ProtZLRec& person) const;
  // "1".."4" in the order the persons first bring them (not sorted).
  std::vector<std::string> QuartersPresent() const;

 protected:
  // What differs between the versions that share this analysis: the main file's title,
  // payer and composition (false when the file holds no document of the version), how a
  // report is keyed, and which earlier reports are used. DescribeMain is given the view made
  // of the main file.
  virtual bool DescribeMain(const TRSVFile& file, const view::ReportView& view);
  virtual ReportKeyOf KeyOf() const;
  virtual std::vector<EarlierReport> ChooseEarlierReports(const TRSVFile& file, const std::filesystem::path& folder,
                                                          std::vector<std::string>* unreadable);

  void ClearResults();
  // Merges one person, the k-th of its file.
  void CollectPerson(const view::Person& element, std::span<const view::MonthRow> rows, int q, int fileNumber, int k,
                     ProgressCounter* counter);
  void CollectEarlierFiles(const std::vector<EarlierReport>& chosen);
  // The pooled copy of a category code, which the persons' entries point at.
  std::string_view CategoryCode(std::string_view code);

  std::vector<std::string> readErrors_;
  std::string mainFileName_;
  std::int32_t reportYear_ = -1;
  std::string periodCode_;
  std::int32_t correctionNumber_ = -1;
  std::string placeName_;
  std::vector<TRSV502ProtFileRec> earlierFiles_;
  std::string formatLabel_;
  TRSV502ProtPayer payer_;
  TRSV502ProtComposition composition_;
  // A deque, so that the persons never stand in two copies, nor in room kept for more, while their list grows.
  std::deque<TRSV502ProtZLRec> persons_;
  std::unique_ptr<TRSV502ProtZLRec> totals_;
  PersonIndex personIndex_;
  // Nodes never move, so the views into them stay valid while the set grows.
  std::unordered_set<std::string> categoryCodes_;
  view::TextBlocks texts_;  // the persons' identity texts
  std::string_view lastCategoryCode_;  // rows of a person mostly repeat one code
};

}  // namespace orsvelt
