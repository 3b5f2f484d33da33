#pragma once
// Texts that both protocols of format 5.02 show the same way.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orsvelt {

// PeriodText as 5.02 shows it: "полугодие 2020 г.", and " 2020 г." for an unknown code.
std::string PeriodText502(std::string_view periodCode, std::int32_t year);

// "январь" .. "декабрь" for 1..12; empty otherwise.
std::string MonthNameLower(int month);

// "М" for "1", "Ж" for "2", "?" for anything else.
std::string_view GenderMark(std::string_view gender);

// The quarter list of the analysis ("2", "1") as numbers, in its order.
std::vector<int> QuarterNumbers(const std::vector<std::string>& quarters);

inline constexpr std::string_view kSourceNote =
    "Примечание: Источник - № файла (0 - основной, 1 и более - доп. файлы)/№ в файле";

}  // namespace orsvelt
