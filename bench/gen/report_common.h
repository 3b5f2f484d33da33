#pragma once
// What the writers of both format versions share: the report's identity, its title part,
// and the value groups of section 1.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "section_totals.h"
#include "xml_out.h"

namespace orsvelt::bench {

struct TPayer {
  std::string name, inn, kpp, codeNO, oktmo, okved, phone;
  std::string signerSurname, signerName, signerPatronymic;
  std::uint64_t salt = 0;  // keeps the persons of different payers apart
};

struct TGeneratedReport {
  std::string format;  // "5.01" .. "5.08"
  std::string period;  // "21", "31", "33", "34"
  int quarter = 1;
  int correction = 0;
  std::string date;          // "dd.mm.yyyy"
  bool correctedQ2 = false;  // the report knows the second quarter as corrected
  bool correctsQ2 = false;   // the report is that correction: it marks the persons it changes
  std::int64_t headcount = 0;  // "СрЧисл" of the title page from 5.03
  int LastMonth() const { return quarter * 3; }
  // From 2021 the title page gives the average headcount instead of the activity code.
  bool HeadcountOnTitle() const { return format > "5.02"; }
};

// Section 1 of a report of the given quarter, summed over all persons of the year so far.
TSection1Totals SumSection1(const TPayroll& payroll, int quarter, bool correctedQ2);

// "<Файл>", "<Документ>" with "СвНП" and "Подписант", and "<РасчетСВ>" opened.
void WriteTitle(TXmlOut& out, const TGeneratedReport& content, const TPayer& payer, std::string_view fileId, int year);
// Closes what WriteTitle opened.
void WriteEnd(TXmlOut& out);

using SumField = std::int64_t (*)(const TSums&);

// A sum group: from the start of the year, [the last three months,] each of them.
void SumGroup(TXmlOut& out, std::string_view name, const TGroupTotals& g, int lastMonth, SumField field,
              bool withLast3Total);
// The same for numbers of persons; the period and three-month totals count persons once.
void CountGroup(TXmlOut& out, std::string_view name, const TGroupTotals& g, int lastMonth, SumField field,
                bool withLast3Total);
// A payment element: КБК, the sum from the start of the year and each of the last three months.
void PaymentGroup(TXmlOut& out, std::string_view name, std::string_view kbk, const TGroupTotals& g,
                  int lastMonth, SumField field);

std::string MonthCode(int month);  // "01".."12"

}  // namespace orsvelt::bench
