#pragma once
// Reports of formats 5.03 to 5.08 for the tests, built from a short description: the title,
// section 1 and 2 as XML of the builders below, the persons with their monthly rows, and
// what follows the persons.

#include <memory>
#include <string>
#include <vector>

#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

struct LaterMonthRow {
  int month = 1;
  std::string category = "НР";
  std::string paid = "0";
  std::string contractPaid;  // "СумВыплДог"; empty leaves it out
  std::string base = "0";
  std::string contractBase = "0";
  std::string charged = "0";
};

struct LaterPerson {
  std::string snils = "112-233-445 95";
  std::string surname = "Иванов";
  std::vector<LaterMonthRow> months;
  std::string extraRows;  // raw "ВыплСВДопМТ" elements
};

struct LaterReportSpec {
  std::string formatVersion = "5.08";
  std::string year = "2026";
  std::string period = "21";
  std::string payerAttributes = " СрЧисл=\"12\" Тлф=\"+74950000000\"";  // of "СвНП"
  bool individual = false;  // "НПФЛ" with its INN and ОГРНИП as attributes
  std::string section1;     // raw XML of "ОбязПлатСВ", e.g. Section1Xml()
  std::string section2;     // raw XML of "ОбязПлатСВ_КФХ"
  std::vector<LaterPerson> persons;
  std::string tail;  // raw XML after the persons, e.g. Block6_1_431Xml()
};

// СвСум1Тип / КолЛицТип / СВУплПерТип attributes with the year total and three months.
std::string Sums(const std::string& name, const std::string& year, const std::string& m1, const std::string& m2,
                 const std::string& m3);
std::string Counts(const std::string& name, int year, int m1, int m2, int m3);
std::string Payable(const std::string& name, const std::string& kbk, const std::string& year, const std::string& m1,
                    const std::string& m2, const std::string& m3);

// "ОбязПлатСВ" of 2023 on with every element once: tariff 01 with the given base within the
// limit per month (30 % of it charged) and every appendix; without "ПравТариф13.2.427"
// and the person data of "СвФЛВыпл6.2.431" unless from507.
std::string Section1Xml(const std::string& monthBase = "10000.00", bool from507 = true);
// "ОбязПлатСВ_КФХ" of 2023 on: one member with two periods, one with an exemption.
std::string Section2Xml();
// "ОбязПлатСВ_6.1.431" with one person; the birth date, sex and document when withPersonData.
std::string Block6_1_431Xml(bool withPersonData = true);

// The report as UTF-8 XML text declaring UTF-8.
std::string LaterReportXml(const LaterReportSpec& content);

struct LoadedLater {
  TXMLFile xml;
  TRSVFile file;
  bool loaded = false;
};
std::unique_ptr<LoadedLater> LoadLater(const std::string& utf8Xml);

}  // namespace orsvelt::test
