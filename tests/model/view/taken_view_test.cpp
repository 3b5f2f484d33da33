// A view that takes the model's persons over shows what a view made of the model shows, and
// leaves the model without persons.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "model/rsv502/raschet.h"
#include "model/rsv505/document.h"
#include "model/rsv505/raschet.h"
#include "support/test_support.h"
#include "view_fixture.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

// Everything section 3 shows, paths included.
std::string Shown(const view::Section3& s) {
  std::string out = s.path + "\n";
  for (const view::Person& p : s.persons) {
    out += s.PathOf(p) + "|" + std::string(p.snils) + "|" + p.snilsDigits + "|" + std::string(p.inn) + "|" +
           std::string(p.surname) + "|" + std::string(p.givenName) + "|" + std::string(p.patronymic) + "|" +
           std::string(p.birthDate) + "|" + std::string(p.sex) + "|" + (p.annulled ? "a" : "") +
           (p.identified ? "i" : "") + "\n";
    for (const view::MonthRow& r : s.RowsOf(p))
      out += "  " + s.PathOf(p, r, view::RowField::Payments) + " " + std::to_string(r.month) + " " +
             std::string(r.category) + " " + std::to_string(r.payments) + " " + std::to_string(r.base) + " " +
             std::to_string(r.contractBase) + " " + std::to_string(r.contributions) + "\n";
    for (const view::ExtraTariffRow& r : s.ExtraRowsOf(p))
      out += "  " + s.PathOf(p, r, view::ExtraRowField::Base) + " " + std::to_string(r.month) + " " +
             std::string(r.tariff) + " " + std::to_string(r.base) + " " + std::to_string(r.contributions) + "\n";
  }
  return out;
}

std::size_t PersonsLeft(const TRSVFile& file) {
  std::size_t n = 0;
  if (file.Document502 && file.Document502->РасчетСВ) n += file.Document502->РасчетСВ->ПерсСвСтрахЛиц.size();
  if (file.Document503 && file.Document503->РасчетСВ) n += file.Document503->РасчетСВ->ПерсСвСтрахЛиц.size();
  if (file.Document505 && file.Document505->РасчетСВ) n += file.Document505->РасчетСВ->ПерсСвСтрахЛиц.size();
  if (file.Document501 && file.Document501->РасчетСВ) n += file.Document501->РасчетСВ->ПерсСвСтрахЛиц.size();
  return n;
}

// A 5.01 person's "Номер" and surname, as the visit of the taking sees them.
std::string Seen(const TRSV501PersSvSL& el) {
  std::string out = std::to_string(el.Номер);
  if (el.ДанФЛПолуч && el.ДанФЛПолуч->ФИО) out += " " + el.ДанФЛПолуч->ФИО->Фамилия;
  return out;
}

void ExpectTakenAsMade(const std::string& bytes) {
  test::ViewedReport made;
  made.LoadBytes(bytes);
  // What a 5.01 visit should see: every person of the model, in order.
  std::vector<std::string> expectedVisits, visits;
  if (made.file.Document501 && made.file.Document501->РасчетСВ)
    for (const TRSV501PersSvSL& el : made.file.Document501->РасчетСВ->ПерсСвСтрахЛиц) expectedVisits.push_back(Seen(el));
  test::ViewedReport taking;
  taking.LoadBytes(bytes);
  taking.view.reset();
  const std::optional<view::ReportView> taken =
      TakeReportView(taking.file, [&](const TRSV501PersSvSL& el) { visits.push_back(Seen(el)); });
  ASSERT_TRUE(taken);
  EXPECT_EQ(PersonsLeft(taking.file), 0u);
  EXPECT_EQ(visits, expectedVisits);
  EXPECT_EQ(taken->section3.persons.size(), made.view->section3.persons.size());
  EXPECT_EQ(Shown(taken->section3), Shown(made.view->section3));
  EXPECT_EQ(taken->section1.tariffs.size(), made.view->section1.tariffs.size());
  EXPECT_EQ(taken->title.period, made.view->title.period);
}

TEST(TakenReportView, ShowsWhatTheMadeViewShowsForEveryFormat) {
  for (const auto& folder : {test::ExamplesDir() / "5.01", test::DataDir() / "5.02" / "small", test::DataDir() / "later" / "2021",
                             test::DataDir() / "later" / "2023", test::DataDir() / "later" / "2026"})
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      if (entry.path().filename().string().rfind("NO_RASCHSV_", 0) != 0) continue;
      SCOPED_TRACE(entry.path().string());
      ExpectTakenAsMade(test::ReadBytes(entry.path()));
    }
}

// One person written again and again, past several steps of the taking.
std::string ManyPersons(const std::filesystem::path& report) {
  const std::string text = Cp1251ToUtf8(test::ReadBytes(report));
  const std::size_t begin = text.find("<ПерсСвСтрахЛиц");
  const std::string close = "</ПерсСвСтрахЛиц>";
  const std::size_t end = text.find(close, begin);
  EXPECT_NE(end, std::string::npos);
  if (end == std::string::npos) return {};
  const std::string person = text.substr(begin, end + close.size() - begin);
  std::string many = text.substr(0, begin);
  for (int i = 0; i < 2500; ++i) many += person;
  many += text.substr(begin);
  return Utf8ToCp1251(many);
}

TEST(TakenReportView, ManyPersonsAreTakenInStepsWithTheirNumbers) {
  ExpectTakenAsMade(
      ManyPersons(test::DataDir() / "5.02" / "small" / "NO_RASCHSV_7701_7701_7701000001770101001_20200420_q1.xml"));
  for (const auto& entry : std::filesystem::directory_iterator(test::ExamplesDir() / "5.01"))
    if (entry.path().extension() == ".xml") {
      SCOPED_TRACE(entry.path().string());
      ExpectTakenAsMade(ManyPersons(entry.path()));
      break;
    }
}

}  // namespace
}  // namespace orsvelt
