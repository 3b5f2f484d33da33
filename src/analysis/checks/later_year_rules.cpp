#include "analysis/checks/later_year_rules.h"

#include "analysis/common/saturating_sum.h"
#include "reference/base_limits.h"
#include "reference/contribution_rates.h"
#include "reference/report_year.h"

namespace orsvelt::checks {

namespace {
constexpr int kFirstSingleTariffYear = 2023;
}  // namespace

std::optional<KnownAmount> YearToDateLimit(std::string_view year) {
  const auto number = ReportYearNumber(year);
  if (!number) return std::nullopt;
  return *number < kFirstSingleTariffYear ? PensionLimit(year) : UnifiedLimit(year);
}

std::string LimitNotKnownText(std::string_view year) {
  return "Не проверено: предельная величина базы за " + (year.empty() ? std::string("этот") : std::string(year)) +
         " год не известна";
}

std::optional<int> PersonRateKind(std::string_view year) {
  const auto number = ReportYearNumber(year);
  if (!number) return std::nullopt;
  return *number < kFirstSingleTariffYear ? ratePension : rateUnified;
}

const view::Block* PersonBlockOf(const view::TariffBlock& tariff) {
  if (const view::Block* single = tariff.Find("РасчСВ_ОПСОМС")) return single;
  return tariff.Find("РасчСВ_ОПС");
}

std::optional<Amount> BaseWithinLimit(const view::Block& block, view::Column column) {
  if (const view::Line* within = block.Find("БазНеПревышОПС")) return within->Value(column);
  const view::Line* base = block.Find("БазНачислСВ");
  const auto all = base ? base->Value(column) : std::nullopt;
  if (!all) return std::nullopt;
  const view::Line* above = block.Find("БазПревышОПС");
  Amount within = *all;
  SubtractSaturating(within, above ? above->Value(column).value_or(0) : Amount{0});
  return within;
}

const view::Line* BaseWithinLimitLine(const view::Block& block) {
  if (const view::Line* within = block.Find("БазНеПревышОПС")) return within;
  return block.Find("БазНачислСВ");
}

}  // namespace orsvelt::checks
