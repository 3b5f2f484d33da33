#pragma once
// A small analysed 5.01 report, filled by hand, and the helpers the writer tests share.

#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/checks/finding.h"
#include "analysis/prot501/prot501_writers.h"
#include "markup/markup_test_lines.h"
#include "support/workbook_check.h"
#include "support/calc_layout.h"
#include "support/html_check.h"

namespace orsvelt::test {

constexpr Amount Rub(std::int64_t roubles, std::int64_t kopecks = 0) {
  return roubles * kAmountScale + kopecks * (kAmountScale / 100);
}

inline ProtocolHeader TestHeader() {
  ProtocolHeader header;
  header.debug = false;
  header.runStamp = "07.12.2026 14:03:05";
  return header;
}

// One person with two months of the main tariff and one additional-tariff row, one without
// payments whose patronymic contradicts the sex, one cross-check record, one farm member, a
// cumulative block at the limit and one a kopeck above it; no OMS/OSS estimate.
inline TRSV501ProtData SmallReport() {
  TRSV501ProtData d;
  d.FileName = "NO_RASCHSV_7701_7701_7701234567770101_20171020_0001.xml";
  d.FormatVersion = "5.01";
  d.PeriodText = "9 месяцев 2017 г.";
  d.CorrectionNumber = 0;
  d.PlaceText = "По месту нахождения российской организации";
  d.EarlierFiles.push_back({"NO_RASCHSV_7701_7701_7701234567770101_20170720_0002.xml", "5.01",
                            "Полугодие 2017 г.", 1, "По месту нахождения российской организации"});
  d.PayerType = "Юридическое лицо";
  d.PayerName = "ООО Ромашка";
  d.PayerINN = "7701234567";
  d.PayerKPP = "770101001";
  d.Year = 2017;
  d.ReadErrors = {"Не указан атрибут Тлф - Документ [1] - СвНП"};

  d.Section1Present = true;
  d.AddTariffCount = 1;
  d.Annex1Count = 1;
  d.AnnexPresent = {true, false, false, false, false, false};
  d.Section2Present = true;
  d.FarmMemberCount = 1;
  d.PersonCount = 2;
  d.OPSFlagCount = 2;
  d.OMSFlagCount = 2;
  d.OSSFlagCount = 1;
  d.PeriodMonths = {"07", "08", "09"};

  TZLRec ivanov;
  ivanov.Ordinal = 1;
  ivanov.Number = 3;
  ivanov.FullName = "Иванов Иван Иванович";
  ivanov.SexText = "М";
  ivanov.SNILS = "123-456-789 01";
  ivanov.INN = "770100000001";
  ivanov.OPSFlag = ivanov.OMSFlag = ivanov.OSSFlag = "1";
  ivanov.MonthRows = {{"07", "НР", Rub(30000), Rub(30000), 0, Rub(6600)},
                      {"08", "НР", Rub(1234567, 50), Rub(1234567, 50), Rub(1000), Rub(271604, 85)}};
  ivanov.AddRows = {{"07", "1", Rub(30000), Rub(2700)}};
  TZLRec petrova;
  petrova.Ordinal = 2;
  petrova.Number = 5;
  petrova.FullName = "Петрова Анна Сергеевич";
  petrova.SexText = "Ж";
  petrova.SexMismatch = true;
  petrova.SNILS = "Не указан";
  petrova.OPSFlag = petrova.OMSFlag = "1";
  petrova.OSSFlag = "2";
  d.Persons = {ivanov, petrova};
  d.MonthCategoryTotals = {{"07", "НР", 1, Rub(30000), Rub(30000), 0, Rub(6600)},
                           {"08", "НР", 1, Rub(1234567, 50), Rub(1234567, 50), Rub(1000), Rub(271604, 85)}};
  d.CategoryTotals = {{"НР", 1, Rub(1264567, 50), Rub(1264567, 50), Rub(1000), Rub(278204, 85)}};
  d.MonthTariffTotals = {{"07", "1", 1, Rub(30000), Rub(2700)}};
  d.TariffTotals = {{"1", 1, Rub(30000), Rub(2700)}};

  TRSV501CompareMainRec compare;
  compare.TariffCodes = {"01"};
  compare.CategoryCodes = {"НР", "ВЖНР", "ВПНР"};
  compare.Month1 = "07";
  compare.Month2 = "08";
  compare.Month3 = "09";
  compare.PersonsS1 = compare.PersonsS3 = 1;
  compare.PaymentsS1 = Rub(1264567, 51);
  compare.PaymentsS3 = Rub(1264567, 50);
  compare.BaseS1 = compare.BaseS3 = Rub(1264567, 50);
  compare.ContribS1 = compare.ContribS3 = Rub(278204, 85);
  compare.MonthColumns[0] = {1, 1, Rub(30000), Rub(30000), Rub(30000), Rub(30000), Rub(6600), Rub(6600)};
  compare.MonthColumns[1] = {2, 1, Rub(1234567, 51), Rub(1234567, 50), Rub(1234567, 50), Rub(1234567, 50),
                             Rub(271604, 85), Rub(271604, 85)};
  d.Comparisons = {compare};

  d.FarmMembers = {{"770200000002", "", "Сидоров Пётр", 1970, "01.01.2017", "", Rub(23400), Rub(4590)}};
  d.Section2OPS = Rub(23400);
  d.Section2OMS = Rub(4590, 1);

  TRSV501BaseCheckPLRec person;
  person.FullName = "Иванов Иван Иванович";
  person.SNILS = "123-456-789 01";
  person.Periods = {{1, 2, "31", 1, {{.Month = 6, .Category = 0, .Payments = Rub(876000), .Base = Rub(876000)}}},
                    {0, 3, "33", 0, {{.Month = 7, .Category = 0, .Base = Rub(0, 1)}}}};
  d.BaseChecks = {person};
  d.CategoryCodes = {"НР"};
  d.BaseCheckTotal = {{6, Rub(876000), Rub(876000), Rub(876000), Rub(876000), 0, 0, 0, 0},
                      {7, 0, Rub(876000), Rub(0, 1), Rub(876000, 1), 0, 0, 0, 0}};
  d.PensionLimit = Rub(876000);
  d.SocialLimitKnown = true;
  d.SocialLimit = Rub(755000);
  d.OMSOSSTotal = EstimateOf(d, person);  // June's base crosses the social limit
  // The control ratios: one ground of non-submission, one warning with a name to escape.
  auto checks = std::make_shared<checks::CheckResult>();
  checks->checkedWith = {"NO_RASCHSV_7701_7701_7701234567770101_20170720_0002.xml"};
  checks::Finding& ground = checks->findings.emplace_back();
  ground.check = "0.1";
  ground.group = checks::Group::A;
  ground.severity = checks::Severity::Rejection;
  ground.text = "Сумма взносов на ОПС не равна сумме по застрахованным лицам";
  ground.tariff = "01, 02, 03";
  ground.month = 8;
  ground.left = Rub(233027, 34);
  ground.right = Rub(237977, 34);
  ground.persons = {"112-233-445 95"};
  checks::Finding& warning = checks->findings.emplace_back();
  warning.check = "D7";
  warning.group = checks::Group::D;
  warning.severity = checks::Severity::Warning;
  warning.text = "Не указаны фамилия или имя застрахованного лица: \"Ромашка & Ко\" <нет>";
  d.CheckResults = checks;
  return d;
}

// An OMS/OSS estimate with payments in January only.
inline TRSV501OMSOSSPLRec OmsOssPerson() {
  TRSV501OMSOSSPLRec person;
  person.Months[0] = {Rub(30000), Rub(1530), Rub(30000), Rub(870)};  // the later months run on it
  return person;
}

// The page and the workbook of a report, each checked for well-formedness (and the workbook
// for its reading in Calc) on the way.
inline std::string PageOf(const TRSV501ProtData& d, const ProtocolHeader& header = TestHeader()) {
  const std::string bytes = WrittenBytes([&](ProtocolWriter& out) { WriteHtmlProtocol501(out, d, header); });
  EXPECT_EQ(CheckHtmlWellFormed(bytes), "");
  return bytes;
}

inline std::string WorkbookOf(const TRSV501ProtData& d, const ProtocolHeader& header = TestHeader()) {
  const std::string bytes = WrittenBytes([&](ProtocolWriter& out) { WriteWorkbookProtocol501(out, d, header); });
  EXPECT_EQ(CheckWorkbook(bytes), "");
  EXPECT_EQ(CheckCalcLayout(bytes), "");
  return bytes;
}

inline std::vector<std::string> PageLines(const TRSV501ProtData& d) { return ProtocolLines(PageOf(d)); }
inline std::vector<std::string> WorkbookLines(const TRSV501ProtData& d) { return ProtocolLines(WorkbookOf(d)); }

// The text of the protocol, decoded, for searches.
inline std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

inline bool Has(const std::vector<std::string>& lines, std::string_view line) {
  for (const std::string& l : lines)
    if (l == line) return true;
  return false;
}

// The lines from the first line equal to first on, count of them (fewer at the end).
inline std::vector<std::string> LinesFrom(const std::vector<std::string>& lines, std::string_view first,
                                          std::size_t count) {
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == first)
      return {lines.begin() + static_cast<std::ptrdiff_t>(i),
              lines.begin() + static_cast<std::ptrdiff_t>(std::min(lines.size(), i + count))};
  return {};
}

}  // namespace orsvelt::test
