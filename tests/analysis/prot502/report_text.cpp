#include "report_text.h"

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "xml/codepage.h"
#include "xml/path_text.h"

namespace orsvelt::test {
namespace {

std::string Attr(const std::string& name, const std::string& value) {
  return value.empty() ? std::string() : " " + name + "=\"" + value + "\"";
}

void AppendPerson(std::string& x, const TestPerson& p) {
  x += "<ПерсСвСтрахЛиц" + std::string(p.annulled ? " ПрАннулир=\"1\"" : "") + ">\n";
  if (p.withData) {
    x += "<ДанФЛПолуч" + Attr("ИННФЛ", p.inn) + " СНИЛС=\"" + p.snils + "\" ДатаРожд=\"01.01.1980\" Гражд=\"643\" Пол=\"" +
         p.gender + "\" КодВидДок=\"21\" СерНомДок=\"45 00 000000\">\n";
    x += "<ФИО Фамилия=\"" + p.surname + "\" Имя=\"" + p.name + "\"" + Attr("Отчество", p.patronymic) + "/>\n";
    x += "</ДанФЛПолуч>\n";
  }
  if (!p.months.empty()) {
    x += "<СвВыплСВОПС><СвВыпл>\n";
    for (const MonthRow& m : p.months)
      x += "<СвВыплМК Месяц=\"" + std::to_string(m.month) + "\" КодКатЛиц=\"" + m.category + "\" СумВыпл=\"" + m.paid +
           "\" ВыплОПС=\"" + m.base + "\" ВыплОПСДог=\"" + m.civil + "\" НачислСВ=\"" + m.charged + "\"/>\n";
    x += "</СвВыпл></СвВыплСВОПС>\n";
  }
  x += "</ПерсСвСтрахЛиц>\n";
}

}  // namespace

std::string ReportXml(const TestReport& content) {
  std::string x = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n";
  x += "<Файл ИдФайл=\"" + content.fileId + "\" ВерсПрог=\"test\" ВерсФорм=\"" + content.formatVersion + "\">\n";
  x += "<Документ КНД=\"1151111\" ДатаДок=\"01.04.2020\"" + Attr("НомКорр", content.correction) +
       Attr("Период", content.period) + Attr("ОтчетГод", content.year) + " КодНО=\"7701\"" + Attr("ПоМесту", content.place) + ">\n";
  x += "<СвНП ОКВЭД=\"62.01\">\n";
  if (content.individual)
    x += "<НПФЛ><ФИО Фамилия=\"Петров\" Имя=\"Пётр\"/><ИННФЛ>" + content.inn + "</ИННФЛ></НПФЛ>\n";
  else
    x += "<НПЮЛ НаимОрг=\"" + content.orgName + "\" ИННЮЛ=\"" + content.inn + "\" КПП=\"" + content.kpp + "\"/>\n";
  x += "</СвНП>\n";
  x += "<Подписант ПрПодп=\"1\"><ФИО Фамилия=\"Петров\" Имя=\"Пётр\"/></Подписант>\n";
  if (content.withCalculation) {
    x += "<РасчетСВ>\n" + content.calculationHead;
    for (const TestPerson& p : content.persons) AppendPerson(x, p);
    x += "</РасчетСВ>\n";
  }
  x += "</Документ>\n</Файл>\n";
  return x;
}

std::filesystem::path WriteReport(const std::filesystem::path& folder, const TestReport& content) {
  const std::filesystem::path path = folder / Utf8ToPath(content.fileId + ".xml");
  WriteCp1251(path, ReportXml(content));
  return path;
}

std::unique_ptr<LoadedReport> LoadReportText(const std::string& utf8Xml) {
  auto report = std::make_unique<LoadedReport>();
  report->xml.LoadFromBytes(Utf8ToCp1251(utf8Xml));
  EXPECT_TRUE(report->xml.Parse()) << report->xml.ErrorText();
  report->file.Load(report->xml.Root(), "");
  return report;
}

std::unique_ptr<LoadedReport> LoadReportFile(const std::filesystem::path& path) {
  auto report = std::make_unique<LoadedReport>();
  EXPECT_TRUE(report->xml.LoadFromFile(path)) << report->xml.ErrorText();
  EXPECT_TRUE(report->xml.Parse()) << report->xml.ErrorText();
  report->file.Load(report->xml.Root(), "");
  return report;
}

}  // namespace orsvelt::test
