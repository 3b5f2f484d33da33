#pragma once
// Constants of the program that the window shows and the protocols print.

#include <string_view>

namespace orsvelt {

inline constexpr std::string_view VersionText = "2.2.0.0";
inline constexpr std::string_view VersionDate = "10 января 2020 г.";

// A debug build warns the user in the window and marks every protocol.
inline constexpr bool DebugBuild = true;

inline constexpr std::string_view SiteUrl = "https://brannix.ru/orsvelt/";

// Bold title line at the top of the window.
inline constexpr std::string_view WindowTitleLine =
    "Orsvelt - программа просмотра и анализа расчётов по страховым взносам в форматах ФНС";
// Caption of the window and its task-bar button.
inline constexpr std::string_view WindowCaption = "Программа анализа расчёта по страховым взносам";
// Caption of the program's message boxes ("расчётов": differs from the window caption).
inline constexpr std::string_view ApplicationTitle = "Программа анализа расчётов по страховым взносам";
// Shown in the window of a debug build.
inline constexpr std::string_view DebugWarning = "Версия отладочная, результаты желательно проверять.";

}  // namespace orsvelt
