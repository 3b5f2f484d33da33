#pragma once
// Texts the analyses of every format version build from a report for their protocols.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "reference/code_table.h"

namespace orsvelt {

struct TFIO;

inline constexpr std::string_view kUndetermined = "Не удалось определить";

// "Фамилия Имя", then " Отчество" when there is one.
std::string FullNameOf(const TFIO& fio);

// What a period text says for a code that is no period.
enum class UnknownPeriod {
  Undetermined,  // kUndetermined (format 5.01)
  YearOnly,      // an empty name before the year: " 2020 г." (format 5.02 on)
};

// Period name, a blank, the year and " г.": "1 квартал 2017 г." for period "21" of 2017.
std::string PeriodText(std::string_view periodCode, std::int32_t year, UnknownPeriod unknown);

// Name of a "ПоМесту" code in the format's list of places, or kUndetermined.
std::string PlaceText(std::span<const CodeRow> places, std::string_view code);

}  // namespace orsvelt
