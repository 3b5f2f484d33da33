#pragma once
// What the run needs of the analysis object of either format version.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "analysis/common/person_filter.h"
#include "analysis/common/progress.h"

namespace orsvelt {

struct TRSVFile;
class ReportTitleCache;
namespace checks {
struct CheckResult;
struct Finding;
class YearChecks;
}  // namespace checks

// dd.MM.yyyy H:mm:ss of the local clock, as the protocols and file names show it.
std::string CurrentRunStamp();

class TRSVProt {
 public:
  virtual ~TRSVProt() = default;

  // Analyses the main file with the earlier-period reports found in its folder. False
  // with ErrorText when the report cannot be analysed. The analysis may let go of the
  // file's persons once it has taken what it needs of them (TakeReportView): the file is
  // only to be dropped afterwards.
  virtual bool Analyse(TRSVFile& file, const std::filesystem::path& folder) = 0;

  // Write the protocol at path; false with ErrorText when it could not be written whole.
  virtual bool WriteHtml(const std::filesystem::path& path) = 0;
  virtual bool WriteSpreadsheet(const std::filesystem::path& path) = 0;

  const std::string& ErrorText() const { return errorText_; }
  const std::string& RunStamp() const { return runStamp_; }
  // The control ratios of the last Analyse; null before one succeeded.
  const std::shared_ptr<const checks::CheckResult>& Checks() const { return checks_; }
  // Adds findings made outside the analysis (format control) to those of the last Analyse,
  // so the protocols written after it show them; nothing when no Analyse succeeded.
  void AppendFindings(std::vector<checks::Finding> more);

  // Makes every later Analyse use this stamp instead of the clock (reproducible output).
  void FixRunStamp(std::string stamp) { fixedStamp_ = std::move(stamp); }

  // Where Analyse and the writers report progress, and may be told to stop (they then throw
  // CheckStopped and leave no protocol); null for neither.
  void SetProgress(ProgressSink* progress) { progress_ = progress; }
  // Makes every later Analyse take the folder's titles from there; null reads them afresh.
  void ShareTitles(ReportTitleCache* titles) { titles_ = titles; }
  // Which persons the per-person tables of the protocols written later list.
  void SelectPersons(PersonSelection selection) { personSelection_ = selection; }
  PersonSelection SelectedPersons() const { return personSelection_; }

 protected:
  // Called first by Analyse.
  void TakeRunStamp() { runStamp_ = fixedStamp_.empty() ? CurrentRunStamp() : fixedStamp_; }
  // A format whose writers keep their own pointer to the findings follows checks_ here.
  virtual void ChecksChanged() {}

  std::string errorText_;
  std::string runStamp_;
  ProgressSink* progress_ = nullptr;
  ReportTitleCache* titles_ = nullptr;
  std::shared_ptr<const checks::CheckResult> checks_;
  checks::YearChecks* yearChecks_ = nullptr;  // while Analyse reads the earlier files
  PersonSelection personSelection_ = PersonSelection::All;

 private:
  std::string fixedStamp_;
};

}  // namespace orsvelt
