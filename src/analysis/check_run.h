#pragma once
// One check from a chosen report file to a written protocol: the run that the window's
// "Старт" and the command line perform alike.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "analysis/checks/finding.h"
#include "analysis/common/analysis_base.h"
#include "analysis/common/progress.h"
#include "analysis/common/report_description.h"
#include "analysis/common/report_title_cache.h"

namespace orsvelt {

class FormatControl;

enum class ProtocolFormat { Html, Workbook };

struct CheckRequest {
  std::filesystem::path report;
  ProtocolFormat format = ProtocolFormat::Workbook;
  std::filesystem::path outputFolder;  // where the protocol goes under its own name
  std::filesystem::path outputPath;    // when not empty, the protocol's full path instead
  std::string runStamp;                // when not empty, used instead of the clock
  ProgressSink* progress = nullptr;    // hears how far the run is and may stop it; not owned
  // When set, the titles of the folder's reports come from there: a batch reads each once.
  std::shared_ptr<ReportTitleCache> titles;
  std::filesystem::path schemasFolder;     // the format schemas' folder the user named; empty: not named
  std::filesystem::path executableFolder;  // the program's folder ("schemas" beside it); empty: unknown
  // When set, the format control of these folders that a batch shares, so that each schema is
  // parsed once for all its reports; empty: the run makes its own.
  std::shared_ptr<FormatControl> formatControl;
  PersonSelection persons = PersonSelection::All;  // who the per-person tables list
};

struct CheckOutcome {
  bool ok = false;
  std::string message;  // the user's message when the check failed
  std::string detail;   // a reason behind the message (where the XML is broken), or empty
  std::filesystem::path protocol;
  bool stopped = false;  // stopped through the request's progress: nothing was written
  std::shared_ptr<const checks::CheckResult> checks;  // the control ratios; null when the check failed
  ReportDescription report;  // of the report once it was read as a report, whether checked or not
};

// The message of a stopped run.
inline constexpr std::string_view kCheckStoppedMessage = "Проверка остановлена.";

// A stop asked through request.progress ends the run at its next safe point with the
// stopped outcome; no protocol and no temporary file are left, an older protocol stays.
CheckOutcome RunCheck(const CheckRequest& request);

// The analysis object for a format version, or null for a version the program does not read.
std::unique_ptr<TRSVProt> MakeAnalysis(std::string_view formatVersion);

// The versions MakeAnalysis knows, oldest first: "5.01, 5.02".
std::string ReadableFormatVersions();

// "prot_" + stamp with ":" as "-" and blanks as "_" + "_" + the report's file name
// without its last four characters.
std::string ProtocolFileName(std::string_view runStamp, const std::filesystem::path& report);

}  // namespace orsvelt
