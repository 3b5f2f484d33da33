#include "analysis/batch/summary_table.h"

namespace orsvelt {

namespace {

constexpr SummaryColumn kColumns[] = {
    {"Файл", "file", SummaryValue::Text},
    {"Плательщик", "payer", SummaryValue::Text},
    {"ИНН", "inn", SummaryValue::Text},
    {"КПП", "kpp", SummaryValue::Text},
    {"Год", "year", SummaryValue::Number},
    {"Период", "period", SummaryValue::Text},
    {"Номер корректировки", "correction", SummaryValue::Number},
    {"Версия формата", "formatVersion", SummaryValue::Text},
    {"Застрахованных лиц", "persons", SummaryValue::Number},
    // Findings of the control ratios by severity.
    {"Отказ", "rejections", SummaryValue::Number},
    {"Ошибки", "errors", SummaryValue::Number},
    {"Предупреждения", "warnings", SummaryValue::Number},
    {"Сведения", "infos", SummaryValue::Number},
    {"Протокол", "protocol", SummaryValue::Text},
    {"Результат", "result", SummaryValue::Text},
    {"Подробности", "detail", SummaryValue::Text},
};
static_assert(kColumns[kSummaryProtocolColumn].key == "protocol" && kColumns[kSummaryResultColumn].key == "result");

std::string GenericUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

std::string NumberOrEmpty(long long value) { return value < 0 ? std::string() : std::to_string(value); }

// Empty for a report not checked: no findings were looked for.
std::string CountOf(const CheckOutcome& outcome, checks::Severity severity) {
  return outcome.ok && outcome.checks ? std::to_string(outcome.checks->Count(severity)) : std::string();
}

}  // namespace

std::span<const SummaryColumn> SummaryColumns() { return kColumns; }

BatchSummary SummariseBatch(const BatchResult& result, const std::filesystem::path& outputFolder) {
  BatchSummary summary;
  summary.runStamp = result.runStamp;
  for (const BatchRow& row : result.rows) {
    const CheckOutcome& outcome = row.outcome;
    const ReportDescription& report = outcome.report;
    std::string protocol;
    if (outcome.ok) protocol = GenericUtf8(outcome.protocol.lexically_relative(outputFolder));
    summary.rows.push_back({
        GenericUtf8(row.relative),
        report.payerName,
        report.inn,
        report.kpp,
        NumberOrEmpty(report.year),
        report.periodCode,
        NumberOrEmpty(report.correction),
        report.formatVersion,
        NumberOrEmpty(report.persons),
        CountOf(outcome, checks::Severity::Rejection),
        CountOf(outcome, checks::Severity::Error),
        CountOf(outcome, checks::Severity::Warning),
        CountOf(outcome, checks::Severity::Info),
        protocol,
        outcome.ok ? std::string(kSummaryChecked) : outcome.message,
        outcome.detail,
    });
  }
  return summary;
}

}  // namespace orsvelt
