#pragma once
// What the page and the workbook of a 5.01 protocol share: month names, value
// placeholders and the OSS limit notice.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/common/protocol_file.h"
#include "analysis/common/report_texts.h"
#include "analysis/prot501/prot501.h"

namespace orsvelt::prot501 {

using orsvelt::kUndetermined;

// Name of a month code "01".."12"; kUndetermined for any other text.
std::string_view MonthName(std::string_view code);
// The same for a month number 1..12.
std::string_view MonthName(std::int32_t month);

// The value, or the placeholder when it is empty.
std::string_view OrPlaceholder(std::string_view value, std::string_view placeholder);

// Codes joined with ", ".
std::string JoinCodes(const std::vector<std::string>& codes);

// The one line both protocols print when the year has no social-insurance base limit.
std::string SocialLimitUnknownText(std::int32_t year);

// The note above the cumulative control table, on the page and in the workbook.
inline constexpr std::string_view kBaseCheckNote =
    "Примечание: Значения графы \"№ файла\" -1 означает, что сведения отсутствуют; значение 0 - сведения "
    "находятся в основном файле. В остальных случаях значение показывает № файла из списка файлов предыдущих "
    "периодов в титульной части.";

// A month's eight OMS/OSS amounts in the order of the estimate's columns.
inline std::array<Amount, 8> OMSOSSColumns(const TRSV501OMSOSSRunningRec& month) {
  return {month.OMSBase, month.CumOMSBase, month.OMSContrib, month.CumOMSContrib,
          month.OSSBase, month.CumOSSBase, month.OSSContrib, month.CumOSSContrib};
}

// The rows a person takes in the cumulative control table: one per month of each period.
inline std::size_t MonthRowCount(const TRSV501BaseCheckPLRec& person) {
  std::size_t rows = 0;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) rows += block.Months.size();
  return rows;
}

// The writers run through the runner every format version shares.
using orsvelt::WriteProtocol;
using orsvelt::WriteProtocolFile;

}  // namespace orsvelt::prot501
