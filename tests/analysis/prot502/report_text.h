#pragma once
// Format 5.02 reports for the tests, built from a short description: the title, the
// persons with their monthly rows, and any other content of "РасчетСВ" as raw XML.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

struct MonthRow {
  int month = 1;
  std::string category = "НР";
  std::string paid = "0";
  std::string base = "0";
  std::string civil = "0";
  std::string charged = "0";
};

struct TestPerson {
  std::string snils;
  std::string inn;
  std::string surname = "Иванов";
  std::string name = "Иван";
  std::string patronymic;
  std::string gender = "1";
  bool annulled = false;
  bool withData = true;  // "ДанФЛПолуч" present
  std::vector<MonthRow> months;
};

struct TestReport {
  std::string fileId = "NO_RASCHSV_test";
  std::string formatVersion = "5.02";
  std::string inn = "7701000001";
  std::string kpp = "770101001";
  bool individual = false;  // payer "НПФЛ" with inn as its "ИННФЛ"
  std::string orgName = "ООО Тест";
  std::string year = "2020";  // an empty text leaves the attribute out
  std::string period = "21";
  std::string correction = "0";
  std::string place = "214";
  bool withCalculation = true;  // "РасчетСВ" present
  std::string calculationHead;  // raw XML before the persons (sections 1 and 2)
  std::vector<TestPerson> persons;
};

// The report as UTF-8 XML text declaring Windows-1251.
std::string ReportXml(const TestReport& content);

// Writes the report as Windows-1251 to folder / (fileId + ".xml") and returns the path.
std::filesystem::path WriteReport(const std::filesystem::path& folder, const TestReport& content);

// A report read into its file root, as the run reads the main file.
struct LoadedReport {
  TXMLFile xml;
  TRSVFile file;
};
std::unique_ptr<LoadedReport> LoadReportText(const std::string& utf8Xml);
std::unique_ptr<LoadedReport> LoadReportFile(const std::filesystem::path& path);

}  // namespace orsvelt::test
