#pragma once
// Small format 5.01 reports made inside the tests, and a run of the analysis on them.

#include <filesystem>
#include <string>
#include <vector>

#include "analysis/prot501/prot501.h"

namespace orsvelt::test {

struct TestMonthRow {
  std::string month;
  std::string category = "НР";
  std::string payments = "0.00";
  std::string base = "0.00";
  std::string contract = "0.00";
  std::string contributions = "0.00";
};

struct TestAddRow {
  std::string month;
  std::string tariff;
  std::string payments;
  std::string contributions;
};

struct TestPerson {
  int number = 1;
  std::string snils = "111-222-333 44";
  std::string inn;
  std::string surname = "Иванов";
  std::string name = "Иван";
  std::string patronymic = "Иванович";
  std::string sex = "1";
  bool withIdentity = true;  // "ДанФЛПолуч"
  bool withName = true;      // "ФИО"
  // Empty: the report's own.
  std::string period;
  int year = 0;
  int correction = 0;
  std::vector<TestMonthRow> rows;
  std::vector<TestAddRow> adds;
  // The declared totals of "СвВыпл" (СумВыплВс3, ВыплОПСВс3, ВыплОПСДогВс3, НачислСВВс3) and of
  // "ВыплСВДоп" (ВыплСВВс3, НачислСВВс3); empty: the sums of the rows.
  std::vector<std::string> totals, addTotals;
};

// "РасчСВ_ОПС" of one tariff; each value list is: last three months, month 1, 2, 3.
struct TestTariff {
  std::string tariff = "01";
  std::vector<int> persons = {0, 0, 0, 0};
  std::vector<std::string> payments = {"0.00", "0.00", "0.00", "0.00"};
  std::vector<std::string> base = {"0.00", "0.00", "0.00", "0.00"};
  std::vector<std::string> over = {"0.00", "0.00", "0.00", "0.00"};
  std::vector<std::string> contributions = {"0.00", "0.00", "0.00", "0.00"};
};

struct TestReport {
  std::string id = "NO_RASCHSV_7700_7700_7701234567770101001_20181015_A";
  std::string inn = "7701234567";
  std::string kpp = "770101001";
  std::string period = "33";
  int year = 2018;
  int correction = 0;
  std::string extraDocumentAttr;  // e.g. an unknown attribute, for a read error
  std::vector<TestTariff> tariffs;
  std::vector<TestPerson> persons;
};

// The report as UTF-8 XML text (declared windows-1251, to be written with WriteCp1251).
std::string ReportXml(const TestReport& content);

// Writes the report into folder under its id + ".xml"; returns the path.
std::filesystem::path WriteReport(const std::filesystem::path& folder, const TestReport& content);

// Reads the report at path and analyses it with its folder; false when the file cannot be
// read or the analysis fails.
bool AnalyseReport(TRSV501Prot& prot, const std::filesystem::path& path);

// Three month rows of a quarter with the same figures.
std::vector<TestMonthRow> QuarterRows(int firstMonth, const std::string& payments, const std::string& base,
                                      const std::string& category = "НР");

// The running totals the protocols show on a person's row: month index month of block index block.
TRSV501BaseCheckRunning RunningAt(const TRSV501BaseCheckPLRec& person, std::size_t block, std::size_t month);

}  // namespace orsvelt::test
