#pragma once
// The block "Контрольные соотношения" of both protocols of both formats, placed right after
// the main file's table: a summary line, the files the sums were checked with, then one
// row per finding; a report without findings gets one line saying so.

#include <string>
#include <string_view>

#include "analysis/checks/finding.h"
#include "markup/protocol_writer.h"

namespace orsvelt::checks {

// Shown for 5.01, whose tables mark values in blue.
inline constexpr std::string_view kBlueCells501 =
    "Синим цветом в таблицах протокола выделены значения разделов 1 и 3, которые не совпадают, пол, не "
    "соответствующий отчеству, и накопленная с начала года база сверх предельной величины.";

// "основание непредставления", "нарушение", "предупреждение", "сведения".
std::string_view SeverityText(Severity severity);

// "Оснований считать расчёт непредставленным: 1; нарушений контрольных соотношений: 0; предупреждений: 2."
std::string SummaryText(const CheckResult& result);

// Null result: nothing is written (the analysis did not get as far as the checks).
void WriteChecksHtml(ProtocolWriter& out, const CheckResult* result, std::string_view blueCellsNote = {});
// Rows of the title sheet; breaches in the workbook's red style.
void WriteChecksWorkbookRows(ProtocolWriter& out, const CheckResult* result, std::string_view blueCellsNote = {});

}  // namespace orsvelt::checks
