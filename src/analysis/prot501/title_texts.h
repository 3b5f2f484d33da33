#pragma once
// Texts the 5.01 analysis builds from a document for the protocol title and its tables.

#include <string>
#include <string_view>

namespace orsvelt {

struct TFIO;
struct TRSV501Document;

inline constexpr std::string_view kUndetermined = "Не удалось определить";

// "Фамилия Имя", then " Отчество" when there is one.
std::string FullNameOf(const TFIO& fio);

// "1 квартал 2017 г." for period "21" of 2017; kUndetermined for an unknown period.
std::string PeriodTextOf(std::string_view period, int year);

// Name of a "ПоМесту" code, or kUndetermined.
std::string PlaceTextOf(std::string_view place);

// INN of the payer of whichever form the document holds; false when it holds none.
bool PayerInnOf(const TRSV501Document& doc, std::string& inn);

}  // namespace orsvelt
