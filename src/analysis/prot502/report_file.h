#pragma once
// A format 5.02 report read from disk for the analysis: its model, and the few title
// values the earlier-period search compares.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/rsvnalog.h"

namespace orsvelt {

struct TRSV502Document;

// Payer, year, period and correction of a report: what decides whether it is an
// earlier-period report of the same payer.
struct TRSV502ReportTitle {
  std::string Inn;
  std::string Kpp;  // empty for a payer that is an individual
  std::int32_t ReportYear = -1;
  std::string PeriodCode;
  std::int32_t CorrectionNumber = -1;

  // "НПЮЛ": its "ИННЮЛ" and "КПП"; otherwise "НПФЛ": its "ИННФЛ"; otherwise both empty.
  static TRSV502ReportTitle Of(const TRSV502Document& doc);
};

// The text of a "ПоМесту" code, or "Не удалось определить".
std::string PlaceName502(std::string_view code);

class TRSV502ReportFile {
 public:
  // False when the file cannot be read or parsed, its root is not "Файл", or it holds no
  // 5.02 document. With titleOnly the contents of "РасчетСВ" are left out: the title is
  // all the selection needs, and persons are the bulk of a report.
  bool Load(const std::filesystem::path& path, bool titleOnly);

  const TRSVFile& File() const { return file_; }
  const TRSV502Document& Document() const { return *file_.Document502; }

 private:
  TRSVFile file_;
};

}  // namespace orsvelt
