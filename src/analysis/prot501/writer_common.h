#pragma once
// What the page and the workbook of a 5.01 protocol share: month names, value
// placeholders, the OSS limit notice, and the catch-all run of a writer.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/prot501/prot501.h"
#include "markup/protocol_sink.h"
#include "markup/protocol_writer.h"

namespace orsvelt::prot501 {

inline constexpr std::string_view kUndetermined = "Не удалось определить";

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
inline std::array<Amount, 8> OMSOSSColumns(const TRSV501OMSOSSMonthRec& month) {
  return {month.OMSBase, month.CumOMSBase, month.OMSContrib, month.CumOMSContrib,
          month.OSSBase, month.CumOSSBase, month.OSSContrib, month.CumOSSContrib};
}

// Writes a whole protocol into sink. Any exception ends the writing; the sink is then
// not committed, so no half-written protocol appears. False with errorText set when the
// protocol is not complete.
bool WriteProtocol(ProtocolSink& sink, const std::function<void(ProtocolWriter&)>& write, std::string& errorText);

// The same into the file at path (written beside it and renamed into place at the end).
bool WriteProtocolFile(const std::filesystem::path& path, const std::function<void(ProtocolWriter&)>& write,
                       std::string& errorText);

}  // namespace orsvelt::prot501
