#pragma once
// What the tests of the later formats' analysis share: a report loaded from a file, the
// analysis of a main report with its folder, and both protocols written and checked.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "analysis/prot_later/prot_later.h"
#include "markup/worksheet.h"
#include "model/rsvnalog.h"
#include "xml/amount.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

// An amount given in kopecks.
constexpr Amount Kopecks(std::int64_t kopecks) { return kopecks * (kAmountScale / 100); }

struct LaterRun {
  TXMLFile xml;
  TRSVFile file;
  TRSVLaterProt prot;
  bool analysed = false;
};

// Loads the report and analyses it with the reports of its folder.
std::unique_ptr<LaterRun> AnalyseLater(const std::filesystem::path& report);

struct LaterProtocols {
  std::string html;      // UTF-8
  std::string workbook;  // UTF-8
};

// Both protocols, each checked by the markup checkers (page well formed; workbook valid and
// laid out for Calc) within the limits.
LaterProtocols WriteLater(TRSVLaterProt& prot, const SheetLimits& limits = {});

// The person's months since January, or null when the analysis has no such SNILS (digits only).
std::optional<YearToDatePerson> YearToDateOf(const TRSVLaterProt& prot, std::string_view snilsDigits);

}  // namespace orsvelt::test
