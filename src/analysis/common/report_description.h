#pragma once
// What a list of checked reports shows of each: payer, year, period, correction, format
// version and the number of persons, as the report states them.

#include <cstdint>
#include <string>

namespace orsvelt {

struct TRSVFile;

struct ReportDescription {
  std::string formatVersion;  // "ВерсФорм", as written
  std::string payerName;      // organisation's name or the individual's full name
  std::string inn;
  std::string kpp;            // empty for an individual
  std::int32_t year = -1;     // -1 when absent or not a number
  std::string periodCode;     // as written
  std::int32_t correction = -1;
  int persons = -1;           // "ПерсСвСтрахЛиц" of the calculation; -1 without a calculation
};

// Of a report of any version read whole; a file of a version the program does not read
// gives its version only.
ReportDescription DescribeReport(const TRSVFile& file);

}  // namespace orsvelt
