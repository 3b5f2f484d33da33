#pragma once
// What the rows of formats 5.03 to 5.08 take from the reporting year and the layout of
// section 1: the limit a person's base since the start of the year is held to, the rate kind
// of section 3's contributions, and the block of a tariff that section 3 is tied to.

#include <optional>
#include <string>
#include <string_view>

#include "model/view/report_view.h"
#include "reference/evidence.h"

namespace orsvelt::checks {

// 2021-2022 the pension limit (section 3 carries the pension base), from 2023 the unified
// limit; nullopt for a year without a known limit.
std::optional<KnownAmount> YearToDateLimit(std::string_view year);

// "Не проверено: предельная величина базы за 2027 год не известна".
std::string LimitNotKnownText(std::string_view year);

// The RateKind of section 3's "НачислСВ": ratePension before 2023, rateUnified from 2023;
// nullopt for an unreadable year.
std::optional<int> PersonRateKind(std::string_view year);

// The block section 3 is tied to: "РасчСВ_ОПСОМС" of the single tariff (2023 on), else the
// pension block "РасчСВ_ОПС" of 2021-2022; null when the tariff holds neither.
const view::Block* PersonBlockOf(const view::TariffBlock& tariff);

// The block's base within the limit in the column: "БазНеПревышОПС", or where a 2021-2022
// block lacks it "БазНачислСВ" less "БазПревышОПС"; nullopt when neither can be read.
std::optional<Amount> BaseWithinLimit(const view::Block& block, view::Column column);

// The line the base within the limit is read from, for a finding's path.
const view::Line* BaseWithinLimitLine(const view::Block& block);

}  // namespace orsvelt::checks
