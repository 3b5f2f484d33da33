// The view of the bundled examples holds what the files say.

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"
#include "view_fixture.h"

namespace orsvelt {
namespace {

using test::ViewedReport;
using view::Column;
using view::PayerKind;

constexpr Amount Rub(std::int64_t kopecks) { return kopecks * kAmountScale / 100; }

const std::filesystem::path kQ1Of501 =
    test::ExamplesDir() / "5.01" /
    "NO_RASCHSV_7728_7728_7728123459772801001_20180420_1b4e28ba-2fa1-4d3b-a3f5-ef19b5a7633b.xml";
const std::filesystem::path kHalfYearOf502 =
    test::ExamplesDir() / "5.02" /
    "NO_RASCHSV_7707_7707_7707123458770701001_20200721_5e6f7a8b-9c0d-4e1f-a2b3-c4d5e6f7a8b9.xml";
const std::filesystem::path kCorrectionOf502 =
    test::ExamplesDir() / "5.02" /
    "NO_RASCHSV_7707_7707_7707123458770701001_20200605_8c4d2b9a-1e7f-4a3b-b5c6-7d8e9f0a1b2c.xml";

TEST(ReportView501, TitleAndPayer) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kQ1Of501));
  const view::Title& t = r.view->title;
  EXPECT_EQ(t.fileId, "NO_RASCHSV_7728_7728_7728123459772801001_20180420_1b4e28ba-2fa1-4d3b-a3f5-ef19b5a7633b");
  EXPECT_EQ(t.formatVersion, "5.01");
  EXPECT_EQ(t.period, "21");
  EXPECT_EQ(t.correction, 0);
  EXPECT_EQ(t.year, 2018);
  EXPECT_EQ(t.placeCode, "214");
  EXPECT_EQ(t.documentDate, "20.04.2018");
  EXPECT_EQ(t.path, " - Документ [1]");

  const view::Payer& p = r.view->payer;
  EXPECT_EQ(p.kind, PayerKind::Organisation);
  EXPECT_EQ(p.name, "Общество с ограниченной ответственностью \"Северный ветер\"");
  EXPECT_EQ(p.inn, "7728123459");
  EXPECT_EQ(p.kpp, "772801001");
}

TEST(ReportView501, Section1LinesWithAllFiveColumns) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kQ1Of501));
  const view::Section1& s = r.view->section1;
  ASSERT_TRUE(s.present);
  EXPECT_EQ(s.oktmo, "45397000");

  const view::Line* ops = s.FindPayable("УплПерОПС");
  ASSERT_TRUE(ops);
  EXPECT_EQ(ops->code, "18210202010061010160");
  EXPECT_EQ(ops->Value(Column::Year), Rub(14305030));
  EXPECT_EQ(ops->Value(Column::LastThreeMonths), std::nullopt);  // payable lines have no such column
  EXPECT_EQ(ops->Value(Column::Month3), Rub(4585010));
  const view::Line* oss = s.FindPayable("УплПерОСС");
  ASSERT_TRUE(oss);
  EXPECT_EQ(oss->code, "18210202090071010160");  // the КБК of "УплПревОСС"
  EXPECT_EQ(oss->Value(Column::Month1), Rub(536500));
  EXPECT_FALSE(s.FindPayable("ПревРасхОСС"));
  EXPECT_EQ(s.FindPayable("УплПерОМС", "18210202101081013160")->Value(Column::Year), Rub(2881500));
  EXPECT_FALSE(s.FindPayable("УплПерОМС", "18210202010061010160"));

  const view::TariffBlock* t01 = s.FindTariff("01");
  ASSERT_TRUE(t01);
  const view::Line* paid = t01->Find("РасчСВ_ОПС", "ВыплНачислФЛ");
  ASSERT_TRUE(paid);
  EXPECT_FALSE(paid->count);
  EXPECT_EQ(paid->Value(Column::Year), Rub(56500000));
  EXPECT_EQ(paid->Value(Column::LastThreeMonths), Rub(56500000));
  EXPECT_EQ(paid->Value(Column::Month1), Rub(18500000));
  EXPECT_EQ(paid->Value(Column::Month2), Rub(20000000));
  EXPECT_EQ(paid->Value(Column::Month3), Rub(18000000));
  EXPECT_EQ(
      paid->PathOf(Column::Month2),
      " - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_ОПС_ОМС [4] - РасчСВ_ОПС[0] - ВыплНачислФЛ[3] - @Сум2Посл3М");
  const view::Line* insured = t01->Find("РасчСВ_ОМС", "КолСтрахЛицВс");
  ASSERT_TRUE(insured);
  EXPECT_TRUE(insured->count);
  EXPECT_EQ(insured->Value(Column::Month3), 2);
  // Written as 0.00: present and zero. The subsections of additional tariffs: absent.
  EXPECT_EQ(t01->Find("РасчСВ_ОПС", "НачислСВПрев")->Value(Column::Year), 0);
  EXPECT_FALSE(t01->Find("РасчСВ_428.1-2"));
  EXPECT_FALSE(t01->Find("РасчСВ_ОПС", "РасхПринВыч"));  // a line of 5.02 only

  ASSERT_EQ(s.appendix2.size(), 1u);
  const view::Block& a2 = s.appendix2[0];
  EXPECT_EQ(a2.CodeOf("ПризВыпл"), "2");
  EXPECT_EQ(a2.Find("НачислСВ")->Value(Column::Month3), Rub(522000));
  const view::Line* part = a2.Find("УплВсегоПосл3М");
  ASSERT_TRUE(part);
  EXPECT_EQ(part->code, "1");
  EXPECT_EQ(part->Value(Column::Year), Rub(1595000));
  EXPECT_EQ(part->PathOf(Column::Year),
            " - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_ОСС.ВНМ - УплСВПрев[12] - УплВсегоПосл3М[1] - @Сумма");
}

TEST(ReportView501, PersonsWithCalendarMonths) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kQ1Of501));
  const view::Section3& s = r.view->section3;
  ASSERT_EQ(s.persons.size(), 4u);
  const view::Person& first = s.persons[0];
  EXPECT_EQ(first.snils, "112-233-445 95");
  EXPECT_EQ(first.snilsDigits, "11223344595");
  EXPECT_EQ(first.inn, "772800010196");
  EXPECT_EQ(first.surname, "Соколов");
  EXPECT_EQ(first.givenName, "Андрей");
  EXPECT_EQ(first.patronymic, "Петрович");
  EXPECT_EQ(first.birthDate, "14.02.1975");
  EXPECT_EQ(first.sex, "1");
  EXPECT_FALSE(first.annulled);
  const auto rows = s.RowsOf(first);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].month, 1);  // written "01"
  EXPECT_EQ(rows[2].month, 3);
  EXPECT_EQ(rows[2].category, "НР");
  EXPECT_EQ(rows[2].payments, Rub(12500000));
  EXPECT_EQ(rows[2].contributions, Rub(2750000));
  EXPECT_EQ(s.PathOf(first), " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (1)");
  EXPECT_EQ(s.PathOf(first, rows[2], view::RowField::Payments),
            " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (1) - СвВыплСВОПС[1] - СвВыпл[0] - СвВыплМК[2] - @СумВыпл");
  EXPECT_EQ(s.IdentityPathOf(first, "СНИЛС"),
            " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц (1) - ДанФЛПолуч[0] - @СНИЛС");

  const view::Person& third = s.persons[2];  // one month under a civil contract
  const auto thirdRows = s.RowsOf(third);
  ASSERT_EQ(thirdRows.size(), 1u);
  EXPECT_EQ(thirdRows[0].month, 2);
  EXPECT_EQ(thirdRows[0].contractBase, Rub(1500000));
  EXPECT_TRUE(s.ExtraRowsOf(third).empty());
}

TEST(ReportView502, HalfYearMonthsAreCalendarMonths) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kHalfYearOf502));
  EXPECT_EQ(r.view->title.formatVersion, "5.02");
  EXPECT_EQ(r.view->title.period, "31");
  const view::Section3& s = r.view->section3;
  ASSERT_EQ(s.persons.size(), 4u);
  const view::Person& smirnov = s.persons[2];
  EXPECT_EQ(smirnov.surname, "Смирнов");
  EXPECT_EQ(smirnov.inn, "");  // not written
  std::vector<int> months;
  for (const view::MonthRow& row : s.RowsOf(smirnov)) months.push_back(row.month);
  EXPECT_EQ(months, (std::vector<int>{4, 4, 5, 5, 6, 6}));  // written 1, 1, 2, 2, 3, 3
  const view::Person& morozov = s.persons[3];
  const auto rows = s.RowsOf(morozov);
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(rows[1].month, 5);
  EXPECT_EQ(rows[1].category, "МС");
  EXPECT_EQ(rows[1].base, Rub(6787000));
  EXPECT_EQ(s.PathOf(morozov, rows[1], view::RowField::Month),
            " - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц(5) - СвВыплСВОПС - СвВыпл - СвВыплМК[1] - @Месяц");
}

TEST(ReportView502, Section1HasNoTotalOfTheLastThreeMonths) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kHalfYearOf502));
  const view::Section1& s = r.view->section1;
  EXPECT_EQ(s.FindPayable("УплПерОПС")->Value(Column::Year), Rub(15086160));
  EXPECT_EQ(s.FindPayable("УплПерОМС")->Value(Column::Month1), Rub(688500));
  EXPECT_FALSE(s.FindPayable("УплПерОПСДоп"));
  ASSERT_EQ(s.tariffs.size(), 2u);
  EXPECT_EQ(s.tariffs[1].tariff, "20");
  const view::Line* paid = s.tariffs[1].Find("РасчСВ_ОПС", "ВыплНачислФЛ");
  ASSERT_TRUE(paid);
  EXPECT_EQ(paid->Value(Column::Year), Rub(43407000));
  EXPECT_EQ(paid->Value(Column::LastThreeMonths), std::nullopt);
  EXPECT_EQ(paid->Value(Column::Month3), Rub(16898000));
  EXPECT_EQ(paid->PathOf(Column::LastThreeMonths),
            " - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_ОПС_ОМС[2] - РасчСВ_ОПС - ВыплНачислФЛ");
  EXPECT_EQ(s.tariffs[1].Find("РасчСВ_ОПС", "НеОбложенСВ")->Value(Column::Year), 0);  // written 0.00
  EXPECT_FALSE(s.tariffs[1].Find("РасчСВ_ОПС", "РасхПринВыч"));                       // not written
  EXPECT_EQ(s.tariffs[1].Find("РасчСВ_ОМС", "КолСтрахЛицВс")->Value(Column::Month1), 3);

  ASSERT_EQ(s.appendix2.size(), 2u);  // "РасчСВ_ОСС.ВНМ" and its one tariff
  EXPECT_EQ(s.appendix2[1].name, "РасчСВ_ОСС.ВНМКод");
  EXPECT_EQ(s.appendix2[1].CodeOf("ТарифПлат"), "01");
  EXPECT_EQ(s.appendix2[1].CodeOf("ПризВыпл"), "2");
}

TEST(ReportView502, AnnulledPerson) {
  ViewedReport r;
  r.LoadBytes(test::ReadBytes(kCorrectionOf502));
  int annulled = 0;
  for (const view::Person& p : r.view->section3.persons)
    if (p.annulled) {
      ++annulled;
      EXPECT_EQ(p.snilsDigits, "13467912478");
      EXPECT_EQ(p.surname, "Смирнов");
    }
  EXPECT_EQ(annulled, 1);
}

TEST(ReportView502, QuarterReportsOfTheTestData) {
  ViewedReport q1, q2;
  q1.LoadBytes(
      test::ReadBytes(test::DataDir() / "5.02" / "small" / "NO_RASCHSV_7701_7701_7701000001770101001_20200420_q1.xml"));
  q2.LoadBytes(
      test::ReadBytes(test::DataDir() / "5.02" / "small" / "NO_RASCHSV_7701_7701_7701000001770101001_20200720_q2.xml"));
  const auto monthsOf = [](const ViewedReport& r) {
    int low = 13, high = 0;
    for (const view::MonthRow& row : r.view->section3.rows) {
      low = std::min<int>(low, row.month);
      high = std::max<int>(high, row.month);
    }
    return std::pair{low, high};
  };
  EXPECT_EQ(monthsOf(q1), (std::pair{1, 1}));  // one row, written 1
  EXPECT_EQ(monthsOf(q2), (std::pair{4, 6}));
  bool anyAnnulled = false;
  for (const view::Person& p : q1.view->section3.persons) anyAnnulled = anyAnnulled || p.annulled;
  EXPECT_TRUE(anyAnnulled);
}

TEST(ReportView, FileWithoutDocumentHasNoView) {
  TRSVFile file;
  EXPECT_FALSE(MakeReportView(file));
}

}  // namespace
}  // namespace orsvelt
