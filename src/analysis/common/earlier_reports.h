#pragma once
// The accepted reports of earlier periods of the same payer and year, found beside the
// main file. A format version says how a report is keyed; choosing, ordering and reading
// are the same for every version.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "analysis/common/progress.h"

namespace orsvelt {

struct TRSVFile;
class ReportTitleCache;

// Payer, year, period and correction of a report: what decides whether it is an earlier
// report of the same payer.
struct ReportKey {
  std::string Inn;
  std::string Kpp;  // empty for a payer that is an individual
  std::int32_t Year = -1;
  std::string PeriodCode;
  std::int32_t CorrectionNumber = -1;
  // What tells two reports of the same period and correction apart, and what names one that
  // is passed over; left empty by versions that do not tell such duplicates apart.
  std::string DocumentDate;  // "ДатаДок" as written, dd.mm.yyyy
  std::string FormatVersion;
  std::string PlaceCode;
};

// The key of a report read from the folder, or nullopt when it holds no document of the
// format (or one that can never be an earlier report).
using ReportKeyOf = std::function<std::optional<ReportKey>(const TRSVFile&)>;

// Same payer (INN and KPP exactly), same year, and an earlier period code (compared as
// byte strings, not as parts of the year) or the same code with a lower correction number.
bool IsEarlierReport(const ReportKey& candidate, const ReportKey& main);

struct EarlierReport {
  ReportKey key;
  std::filesystem::path path;
};

// By period code in byte order, then by correction number as a number (so 21/2 comes
// before 21/10); equal keys keep their order.
void OrderEarlierReports(std::vector<EarlierReport>& reports);

// The earlier reports of main in the folder, ordered. They are chosen by their titles;
// files that cannot be read or that keyOf refuses are passed over. The names of files
// named like reports whose title does not read at all go to unreadable when given. With
// titles, each title is taken from there (read once for all the checks that share it). A
// stop asked through progress is obeyed between files.
std::vector<EarlierReport> FindEarlierReports(const std::filesystem::path& folder, const ReportKey& main,
                                              const ReportKeyOf& keyOf, std::vector<std::string>* unreadable = nullptr,
                                              ReportTitleCache* titles = nullptr, ProgressSink* progress = nullptr);

// Reads the chosen reports whole, in their order, and hands each to take with its number
// (1 for the first). A file whose whole text no longer reads, or that keyOf now refuses,
// leaves the list as if it had never been chosen, and the numbers close up. Progress counts
// the chosen files, read or passed over. reading, when given, hears of each file before it
// is read (an analysis that takes persons while they are read gets ready for them).
void ReadEarlierReports(const std::vector<EarlierReport>& reports, const ReportKeyOf& keyOf,
                        const std::function<void(const EarlierReport&, const TRSVFile&, int number)>& take,
                        ProgressSink* progress = nullptr,
                        const std::function<void(const EarlierReport&)>& reading = {});

}  // namespace orsvelt
