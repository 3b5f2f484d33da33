#pragma once
// What a control ratio reports: one finding per breach, with both sides to the kopeck.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "xml/amount.h"

namespace orsvelt::checks {

// A "not submitted" ground (п. 7 ст. 431 НК РФ), arithmetic of section 1, across periods,
// personal data, other; F is kept for the format (schema) checks.
enum class Group : std::uint8_t { A, B, C, D, E, F };

// Rejection: the calculation is deemed not submitted. Error: a ratio of a letter is broken.
// Warning: a doubt, or a ratio that follows from the form only. Info: worth knowing.
enum class Severity : std::uint8_t { Rejection, Error, Warning, Info };

std::string_view GroupName(Group group);           // "A".."F"
std::string_view SeverityName(Severity severity);  // "rejection", "error", "warning", "info"

struct Finding {
  std::string check;  // the row's id: "0.1", "D2", ...
  Group group = Group::E;
  Severity severity = Severity::Info;
  std::string text;                  // the wording, with what is specific to this breach
  std::string tariff;                // tariff group as "01" or "01, 03"; empty: all tariffs or none
  std::optional<std::int32_t> month;  // calendar month 1..12
  std::string snils;                 // of the person concerned, as written
  std::string path;                  // where the left side (or the faulty value) was read
  std::optional<Amount> left, right;  // the two sides; absent for checks that compare no amounts
  std::vector<std::string> persons;   // SNILS (or names) of the persons whose rows explain it

  std::optional<Amount> Difference() const;  // left - right when both are present
};

// The checked report as the findings export names it.
struct CheckedReport {
  std::string fileName;  // "ИдФайл" + ".xml"
  std::string format;    // "ВерсФорм"
  std::string period;
  std::optional<std::int32_t> year, correction;
  std::string inn, kpp;  // of the payer; kpp empty for persons
};

// Findings of one run with what they were checked with.
struct CheckResult {
  CheckedReport report;
  std::vector<Finding> findings;
  std::vector<std::string> checkedWith;  // file names of the earlier reports used, oldest first
  // Positions (from 0) among the checked report's person elements of those a reading message names.
  std::vector<std::uint32_t> personsInReadingMessages;

  int Count(Severity severity) const;
};

}  // namespace orsvelt::checks
