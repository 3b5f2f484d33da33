#pragma once
// Analysis of the reports of formats 5.03 to 5.08 (2021 on). Their section 3 is that of
// 5.02, so the 5.02 analysis collects the persons and writes the blocks they share; this
// one describes the later title and composition, keys the reports of every later version
// alike, settles reports filed twice for one period and correction, and follows each
// person's base since the start of the year against the year's limit.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/prot502/prot502.h"
#include "reference/evidence.h"
#include "xml/amount.h"

namespace orsvelt {

// Which parts the main document holds.
struct LaterComposition {
  bool Section1 = false;
  int TariffBlocks = 0;      // "РасчСВ_ОПС_ОМС"
  int OtherBlocks = 0;       // from 2023: "РасчСВ_ОПС428", "РасчСВ_ДСО", "РасчСВ_6.2.431"
  bool Section2 = false;
  int Section2Members = 0;   // "СведЧлКФХ"
  bool Section6_1_431 = false;  // "ОбязПлатСВ_6.1.431", from 5.06
  int Section3Persons = 0;
};

// One calendar month of a person's year: the month's base over all categories and what
// it adds up to since January.
struct YearToDateMonth {
  int Month = 0;       // 1..12
  std::string Source;  // of the quarter the month comes from
  Amount Base = 0;
  Amount Cumulative = 0;
  Amount Contributions = 0;
  bool AboveLimit = false;
};

struct YearToDatePerson {
  std::size_t Person = 0;  // index in Persons()
  std::vector<YearToDateMonth> Months;
};

// "5.08 (действует с отчётности за 1 кв-л 2026 года)"; empty for a version not analysed here.
std::string_view LaterFormatLabel(std::string_view formatVersion);

class TRSVLaterProt : public TRSV502Prot {
 public:
  bool Analyse(TRSVFile& file, const std::filesystem::path& folder) override;
  bool WriteHtml(const std::filesystem::path& path) override;
  bool WriteSpreadsheet(const std::filesystem::path& path) override;
  bool WriteHtmlTo(ProtocolSink& sink, ProtocolHeader header = {});
  bool WriteSpreadsheetTo(ProtocolSink& sink, ProtocolHeader header = {});

  const LaterComposition& LaterParts() const { return parts_; }
  // The limit of the report's year: the pension limit for 2021 and 2022, the unified one
  // from 2023; nullopt for a year without a known limit.
  const std::optional<KnownAmount>& YearLimit() const { return limit_; }
  // The months of the person at this index in Persons(), formed when asked: kept for every
  // person at once they would take more room than the persons themselves.
  YearToDatePerson YearToDateOf(std::size_t person) const;

 protected:
  bool DescribeMain(const TRSVFile& file, const view::ReportView& view) override;
  ReportKeyOf KeyOf() const override;
  std::vector<EarlierReport> ChooseEarlierReports(const TRSVFile& file, const std::filesystem::path& folder,
                                                  std::vector<std::string>* unreadable) override;

 private:
  LaterComposition parts_;
  std::optional<KnownAmount> limit_;
  std::vector<TRSV502ProtFileRec> passedOver_;
};

}  // namespace orsvelt
