#include "report_builder.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "model/rsvnalog.h"
#include "support/test_support.h"
#include "xml/amount.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

namespace {

std::string Attr(const std::string& name, const std::string& value) { return " " + name + "=\"" + value + "\""; }

std::string Sums(const std::string& tag, const std::vector<std::string>& v) {
  return "<" + tag + Attr("СумВсегоПер", v[0]) + Attr("СумВсегоПосл3М", v[0]) + Attr("Сум1Посл3М", v[1]) +
         Attr("Сум2Посл3М", v[2]) + Attr("Сум3Посл3М", v[3]) + "/>";
}

std::string Counts(const std::string& tag, const std::vector<int>& v) {
  return "<" + tag + Attr("КолВсегоПер", std::to_string(v[0])) + Attr("КолВсегоПосл3М", std::to_string(v[0])) +
         Attr("Кол1Посл3М", std::to_string(v[1])) + Attr("Кол2Посл3М", std::to_string(v[2])) +
         Attr("Кол3Посл3М", std::to_string(v[3])) + "/>";
}

std::string Kopecks(Amount sum) {
  const Amount kopecks = sum / 100;
  const Amount whole = kopecks / 100, part = kopecks % 100 < 0 ? -(kopecks % 100) : kopecks % 100;
  char text[40];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", sum < 0 && whole == 0 ? "-" : "", static_cast<long long>(whole),
                static_cast<long long>(part));
  return text;
}

template <class Row>
std::string SumOf(const std::vector<Row>& rows, std::string Row::*field) {
  Amount sum = 0;
  for (const Row& row : rows) sum += ParseAmount(row.*field).value_or(0);
  return Kopecks(sum);
}

std::string Person(const TestReport& r, const TestPerson& p) {
  std::string x = "<ПерсСвСтрахЛиц" + Attr("НомКорр", std::to_string(p.correction)) +
                  Attr("Период", p.period.empty() ? r.period : p.period) +
                  Attr("ОтчетГод", std::to_string(p.year ? p.year : r.year)) + Attr("Номер", std::to_string(p.number)) +
                  Attr("Дата", "15.10.2018") + ">";
  if (p.withIdentity) {
    x += "<ДанФЛПолуч";
    if (!p.inn.empty()) x += Attr("ИННФЛ", p.inn);
    if (!p.snils.empty()) x += Attr("СНИЛС", p.snils);
    x += Attr("ДатаРожд", "01.01.1980") + Attr("Гражд", "643") + Attr("Пол", p.sex) + Attr("КодВидДок", "21") +
         Attr("СерНомДок", "45 00 123456") + Attr("ПризОПС", "1") + Attr("ПризОМС", "1") + Attr("ПризОСС", "1") + ">";
    if (p.withName) {
      x += "<ФИО" + Attr("Фамилия", p.surname) + Attr("Имя", p.name);
      if (!p.patronymic.empty()) x += Attr("Отчество", p.patronymic);
      x += "/>";
    }
    x += "</ДанФЛПолуч>";
  }
  if (!p.rows.empty() || !p.adds.empty()) {
    x += "<СвВыплСВОПС>";
    if (!p.rows.empty()) {
      const std::vector<std::string> t =
          p.totals.empty() ? std::vector<std::string>{SumOf(p.rows, &TestMonthRow::payments),
                                                      SumOf(p.rows, &TestMonthRow::base),
                                                      SumOf(p.rows, &TestMonthRow::contract),
                                                      SumOf(p.rows, &TestMonthRow::contributions)}
                           : p.totals;
      x += "<СвВыпл" + Attr("СумВыплВс3", t[0]) + Attr("ВыплОПСВс3", t[1]) + Attr("ВыплОПСДогВс3", t[2]) +
           Attr("НачислСВВс3", t[3]) + ">";
      for (const TestMonthRow& m : p.rows)
        x += "<СвВыплМК" + Attr("Месяц", m.month) + Attr("КодКатЛиц", m.category) + Attr("СумВыпл", m.payments) +
             Attr("ВыплОПС", m.base) + Attr("ВыплОПСДог", m.contract) + Attr("НачислСВ", m.contributions) + "/>";
      x += "</СвВыпл>";
    }
    if (!p.adds.empty()) {
      const std::vector<std::string> t =
          p.addTotals.empty() ? std::vector<std::string>{SumOf(p.adds, &TestAddRow::payments),
                                                         SumOf(p.adds, &TestAddRow::contributions)}
                              : p.addTotals;
      x += "<ВыплСВДоп" + Attr("ВыплСВВс3", t[0]) + Attr("НачислСВВс3", t[1]) + ">";
      for (const TestAddRow& a : p.adds)
        x += "<ВыплСВДопМТ" + Attr("Месяц", a.month) + Attr("Тариф", a.tariff) + Attr("ВыплСВ", a.payments) +
             Attr("НачислСВ", a.contributions) + "/>";
      x += "</ВыплСВДоп>";
    }
    x += "</СвВыплСВОПС>";
  }
  return x + "</ПерсСвСтрахЛиц>";
}

}  // namespace

std::string ReportXml(const TestReport& r) {
  std::string x = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Файл" + Attr("ИдФайл", r.id) +
                  Attr("ВерсПрог", "test") + Attr("ВерсФорм", "5.01") + ">";
  x += "<Документ" + Attr("КНД", "1151111") + Attr("ДатаДок", "15.10.2018") +
       Attr("НомКорр", std::to_string(r.correction)) + Attr("Период", r.period) +
       Attr("ОтчетГод", std::to_string(r.year)) + Attr("КодНО", "7700") + Attr("ПоМесту", "214") +
       r.extraDocumentAttr + ">";
  x += "<СвНП><НПЮЛ" + Attr("НаимОрг", "ООО &quot;Проба&quot;") + Attr("ИННЮЛ", r.inn) + Attr("КПП", r.kpp) +
       "/></СвНП>";
  x += "<Подписант ПрПодп=\"1\"><ФИО Фамилия=\"Петров\" Имя=\"Пётр\"/></Подписант>";
  x += "<РасчетСВ>";
  if (!r.tariffs.empty()) {
    x += "<ОбязПлатСВ ОКТМО=\"45000000\">";
    for (const TestTariff& t : r.tariffs) {
      x += "<РасчСВ_ОПС_ОМС" + Attr("ТарифПлат", t.tariff) + "><РасчСВ_ОПС>";
      x += Counts("КолСтрахЛицВс", t.persons) + Counts("КолЛицНачСВВс", t.persons);
      x += Sums("ВыплНачислФЛ", t.payments) + Sums("БазНачислСВ", t.base) + Sums("БазПревышОПС", t.over) +
           Sums("НачислСВ", t.contributions) + Sums("НачислСВНеПрев", t.contributions);
      x += "</РасчСВ_ОПС></РасчСВ_ОПС_ОМС>";
    }
    x += "</ОбязПлатСВ>";
  }
  for (const TestPerson& p : r.persons) x += Person(r, p);
  return x + "</РасчетСВ></Документ></Файл>\n";
}

std::filesystem::path WriteReport(const std::filesystem::path& folder, const TestReport& content) {
  const std::filesystem::path path = folder / (content.id + ".xml");
  WriteCp1251(path, ReportXml(content));
  return path;
}

bool AnalyseReport(TRSV501Prot& prot, const std::filesystem::path& path) {
  TXMLFile xml;
  if (!xml.LoadFromFile(path) || !xml.Parse()) return false;
  TRSVFile file;
  file.Load(xml.Root(), "");
  return prot.Analyse(file, path.parent_path());
}

std::vector<TestMonthRow> QuarterRows(int firstMonth, const std::string& payments, const std::string& base,
                                      const std::string& category) {
  std::vector<TestMonthRow> rows;
  for (int m = firstMonth; m < firstMonth + 3; ++m) {
    char code[3];
    std::snprintf(code, sizeof code, "%02d", m);
    rows.push_back({code, category, payments, base, "0.00", "0.00"});
  }
  return rows;
}

TRSV501BaseCheckRunning RunningAt(const TRSV501BaseCheckPLRec& person, std::size_t block, std::size_t month) {
  TRSV501BaseCheckRunning running;
  for (std::size_t b = 0; b < person.Periods.size(); ++b) {
    const TRSV501BaseCheckPLQuarterRec& p = person.Periods[b];
    for (std::size_t m = 0; m < p.Months.size(); ++m) {
      const TRSV501BaseCheckRunning shown = running.Next(p, p.Months[m]);
      if (b == block && m == month) return shown;
    }
  }
  ADD_FAILURE() << "no row " << block << "." << month;
  return {};
}

}  // namespace orsvelt::test
