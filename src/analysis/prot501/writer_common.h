#pragma once
// What the page and the workbook of a 5.01 protocol share: month names, value
// placeholders, the OSS limit notice, and the catch-all run of a writer.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

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

// Writes a whole protocol into sink. Any exception ends the writing; the sink is then
// not committed, so no half-written protocol appears. False with errorText set when the
// protocol is not complete.
bool WriteProtocol(ProtocolSink& sink, const std::function<void(ProtocolWriter&)>& write, std::string& errorText);

// The same into the file at path (written beside it and renamed into place at the end).
bool WriteProtocolFile(const std::filesystem::path& path, const std::function<void(ProtocolWriter&)>& write,
                       std::string& errorText);

}  // namespace orsvelt::prot501
