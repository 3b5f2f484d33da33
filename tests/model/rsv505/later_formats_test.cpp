// Formats 5.03 to 5.08 from generated reports: every element of 2023 on reads into the
// model and the view under the version that has it, and a name a version does not have is
// a reading message, never a refusal of the file.

#include <gtest/gtest.h>

#include <string>
#include <unordered_set>
#include <vector>

#include "analysis/common/report_folder.h"
#include "later_report_text.h"
#include "model/file_view.h"
#include "model/rsv502/document.h"
#include "model/rsv505/document.h"
#include "support/test_support.h"

namespace orsvelt {
namespace {

using test::LaterMonthRow;
using test::LaterPerson;
using test::LaterReportSpec;
using test::LaterReportXml;
using test::LoadLater;

constexpr Amount Rub(std::int64_t roubles, std::int64_t kopecks = 0) { return roubles * 10000 + kopecks * 100; }

std::vector<std::string> MessagesOf(const TRSVFile& file) { return {file.Errors.begin(), file.Errors.end()}; }

LaterMonthRow Row(int month, const std::string& category, const std::string& paid, const std::string& base = "0",
                  const std::string& charged = "0") {
  LaterMonthRow row;
  row.month = month;
  row.category = category;
  row.paid = paid;
  row.base = base;
  row.charged = charged;
  return row;
}

LaterPerson PersonWith(std::vector<LaterMonthRow> months, const std::string& snils = "112-233-445 95",
                       const std::string& surname = "Иванов") {
  LaterPerson p;
  p.snils = snils;
  p.surname = surname;
  p.months = std::move(months);
  return p;
}

LaterReportSpec Full508() {
  LaterReportSpec content;
  content.period = "31";  // half-year: months 1..3 of the second quarter
  content.section1 = test::Section1Xml();
  content.section2 = test::Section2Xml();
  LaterMonthRow civil = Row(1, "НР", "12000.00", "12000.00", "3600.00");
  civil.contractPaid = "2000.00";
  civil.contractBase = "2000.00";
  LaterPerson p = PersonWith({civil, Row(3, "ПВ", "500.00", "500.00", "75.00")});
  p.extraRows = "<ВыплСВДопМТ Месяц=\"2\" КодСтрахЛиц=\"231\" ВыплСВ=\"1000.00\" НачислСВ=\"80.00\"/>";
  content.persons = {p, PersonWith({Row(2, "НР", "1.00")}, "123-456-789 64", "Петрова")};
  content.tail = test::Block6_1_431Xml();
  return content;
}

TEST(LaterFormats508, EveryElementOfTheSchemaReadsWithoutMessages) {
  const auto r = LoadLater(LaterReportXml(Full508()));
  EXPECT_TRUE(r->loaded);
  EXPECT_EQ(MessagesOf(r->file), std::vector<std::string>{});
  ASSERT_TRUE(r->file.Document505);
  EXPECT_FALSE(r->file.Document502 || r->file.Document503);
  const TRSV505Document& doc = *r->file.Document505;
  ASSERT_TRUE(doc.СвНП && doc.РасчетСВ && doc.Подписант);
  EXPECT_EQ(doc.СвНП->СрЧисл, 12);
  const TRSV505RaschetSV& calc = *doc.РасчетСВ;

  ASSERT_TRUE(calc.ОбязПлатСВ);
  const TRSV505ObyazPlatSV& s1 = *calc.ОбязПлатСВ;
  EXPECT_EQ(s1.УплПерОПСДоп.size(), 2u);
  ASSERT_TRUE(s1.УплОМС6_2_431);
  EXPECT_EQ(s1.УплОМС6_2_431->СумСВУпл3М, Rub(3));
  ASSERT_EQ(s1.РасчСВ_ОПС_ОМС.size(), 1u);
  ASSERT_TRUE(s1.РасчСВ_ОПС_ОМС[0].РасчСВ_ОПСОМС);
  const TRSV505RaschSV_OPSOMS& single = *s1.РасчСВ_ОПС_ОМС[0].РасчСВ_ОПСОМС;
  ASSERT_TRUE(single.НеПревБазОПС && single.БазНеПревышОПС && single.НачислСВПрев);
  EXPECT_EQ(single.БазНеПревышОПС->Сум2Посл3М, Rub(10000));
  ASSERT_EQ(s1.РасчСВ_ОПС428.size(), 1u);
  EXPECT_EQ(s1.РасчСВ_ОПС428[0].КласУслТруд, "2");
  ASSERT_TRUE(s1.РасчСВ_ДСО);
  ASSERT_EQ(s1.РасчСВ_6_2_431.size(), 1u);
  ASSERT_TRUE(s1.РасчСВ_6_2_431[0].РасчСВ6_2_431);
  EXPECT_EQ(s1.РасчСВ_6_2_431[0].РасчСВ6_2_431->ПрОСС, "1");
  ASSERT_TRUE(s1.РасчСВ_6_2_431[0].РасчСВ6_2_431->ИсчОМС);
  EXPECT_FALSE(s1.РасчСВ_6_2_431[0].РасчСВ6_2_431->ИсчОПС);
  // Incomes are N(15): past 32 bits.
  ASSERT_EQ(s1.ПравТариф3_18_1_427.size(), 1u);
  EXPECT_EQ(s1.ПравТариф3_18_1_427[0].Дох427_Пер, 123456789012345);
  ASSERT_TRUE(s1.ПравТариф3_18_1_427[0].СвРеестрОрг);
  EXPECT_EQ(s1.ПравТариф3_18_1_427[0].СвРеестрОрг->НомЗапОрг, "123");
  ASSERT_TRUE(s1.ПравТариф7_1_427 && s1.ПравТариф15_1_427);
  EXPECT_EQ(s1.ПравТариф7_1_427->ДохИнвПер, 7);
  ASSERT_EQ(s1.ПравТариф13_2_427.size(), 1u);
  EXPECT_EQ(s1.ПравТариф13_2_427[0].ДолДох13_2_427Пер, Rub(80));
  ASSERT_TRUE(s1.СвПримТариф20_1_427);
  ASSERT_EQ(s1.СвПримТариф20_1_427->СведОбуч.size(), 1u);
  EXPECT_TRUE(s1.СвПримТариф20_1_427->СведОбуч[0].СвРеестрМДО);
  ASSERT_TRUE(s1.СвФЛИсч6_2_431);
  ASSERT_EQ(s1.СвФЛИсч6_2_431->СвФЛВыпл6_2_431.size(), 1u);
  const TRSV505SvFLVypl6_2_431& paid62 = s1.СвФЛИсч6_2_431->СвФЛВыпл6_2_431[0];
  EXPECT_EQ(paid62.СерНомДок, "45 00 1");
  ASSERT_TRUE(paid62.БазаИсч);
  EXPECT_EQ(paid62.БазаИсч->Сум3Посл3М, Rub(100));

  ASSERT_TRUE(calc.ОбязПлатСВ_КФХ);
  const TRSV505ObyazPlatSV_KFH& s2 = *calc.ОбязПлатСВ_КФХ;
  ASSERT_TRUE(s2.УплПерОПСОМС && s2.УплПерОМС && s2.РасчСВ_КФХ);
  EXPECT_EQ(s2.УплПерОПСОМС->СумСВУплПер, Rub(50000));
  ASSERT_EQ(s2.РасчСВ_КФХ->СведЧлКФХ.size(), 1u);
  const TRSV505SvedChlKFH& member = s2.РасчСВ_КФХ->СведЧлКФХ[0];
  EXPECT_EQ(member.РасчСост, "1");
  EXPECT_EQ(member.ИсчСВРасчПер, Rub(49500));
  ASSERT_EQ(member.ПерКФХРасч.size(), 2u);
  ASSERT_EQ(member.ПерКФХРасч[0].ПерОсв.size(), 1u);
  EXPECT_EQ(member.ПерКФХРасч[0].ПерОсв[0].КодОсв, "01");
  EXPECT_TRUE(member.ПерКФХРасч[1].ПерОсв.empty());

  ASSERT_EQ(calc.ПерсСвСтрахЛиц.size(), 2u);
  const auto& rows = calc.ПерсСвСтрахЛиц[0].СвВыплСВОПС->СвВыпл->СвВыплМК;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].СумВыплДог, Rub(2000));
  EXPECT_EQ(rows[1].СумВыплДог, 0);

  ASSERT_TRUE(calc.ОбязПлатСВ_6_1_431);
  const TRSV505ObyazPlatSV_6_1_431& b61 = *calc.ОбязПлатСВ_6_1_431;
  ASSERT_TRUE(b61.УплПревОСС && b61.УплПерОМС && b61.РасчСВ_ОСС_ВНМ && b61.СвПримТариф4_425);
  ASSERT_TRUE(b61.РасчСВ_ОСС_ВНМ->ИсчислОМС);
  EXPECT_EQ(b61.РасчСВ_ОСС_ВНМ->ИсчислОМС->СумВсегоПер, Rub(51));
  ASSERT_EQ(b61.СвПримТариф4_425->СвФЛВыпл.size(), 1u);
  EXPECT_EQ(b61.СвПримТариф4_425->СвФЛВыпл[0].Пол, "2");
}

TEST(LaterFormats508, ViewHoldsTheSingleTariffAndCalendarMonths) {
  const auto r = LoadLater(LaterReportXml(Full508()));
  const auto v = MakeReportView(r->file, " F");
  ASSERT_TRUE(v);
  EXPECT_EQ(v->title.formatVersion, "5.08");
  EXPECT_EQ(v->title.year, 2026);
  EXPECT_EQ(v->payer.kind, view::PayerKind::Organisation);
  EXPECT_EQ(v->payer.inn, "7701000001");

  const view::Section1& s1 = v->section1;
  ASSERT_TRUE(s1.present);
  std::vector<std::string> payable;
  for (const view::Line& l : s1.payable) payable.emplace_back(l.name);
  EXPECT_EQ(payable, (std::vector<std::string>{"УплПерОПС", "УплПерОПСДоп", "УплПерОПСДоп", "УплПерДСО",
                                               "УплОПС6.2.431", "УплОСС6.2.431", "УплОМС6.2.431"}));
  const view::Line* second = s1.FindPayable("УплПерОПСДоп", "18210201020061010160");
  ASSERT_TRUE(second);
  EXPECT_EQ(second->path, " F - Документ [1] - РасчетСВ - ОбязПлатСВ - УплПерОПСДоп[2]");
  EXPECT_EQ(second->Value(view::Column::Month1), Rub(200));
  EXPECT_FALSE(second->Value(view::Column::LastThreeMonths));

  const view::TariffBlock* t01 = s1.FindTariff("01");
  ASSERT_TRUE(t01);
  ASSERT_EQ(t01->blocks.size(), 1u);
  const view::Line* within = t01->Find("РасчСВ_ОПСОМС", "БазНеПревышОПС");
  ASSERT_TRUE(within);
  EXPECT_EQ(within->Value(view::Column::Year), Rub(30000));
  EXPECT_EQ(within->Value(view::Column::Month3), Rub(10000));
  EXPECT_EQ(within->PathOf(view::Column::Month3), " F - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_ОПС_ОМС[1] - "
                                                  "РасчСВ_ОПСОМС - БазНеПревышОПС - @Сум3Посл3М");
  EXPECT_EQ(t01->blocks[0].lines.size(), 13u);
  const view::Line* persons = t01->Find("РасчСВ_ОПСОМС", "НеПревБазОПС");
  ASSERT_TRUE(persons);
  EXPECT_TRUE(persons->count);

  std::vector<std::string> blocks;
  for (const view::Block& b : s1.blocks) blocks.emplace_back(b.name);
  EXPECT_EQ(blocks, (std::vector<std::string>{"РасчСВ_ОПС428", "РасчСВ_ДСО", "РасчСВ6.2.431", "СвФЛВыпл6.2.431"}));
  EXPECT_EQ(s1.blocks[0].CodeOf("КодОснов"), "3");
  EXPECT_EQ(s1.blocks[2].CodeOf("ТарифПлат"), "01");
  EXPECT_EQ(s1.blocks[2].CodeOf("ПрОМС"), "1");
  EXPECT_EQ(s1.blocks[2].path, " F - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_6.2.431[1] - РасчСВ6.2.431");
  // A person of art. 431 p. 6.2 with the base since the start of the year that section 3 does not give.
  const view::Block& paid = s1.blocks[3];
  EXPECT_EQ(paid.CodeOf("СНИЛС"), "123-456-789 64");
  ASSERT_TRUE(paid.Find("БазаИсч"));
  EXPECT_EQ(paid.Find("БазаИсч")->Value(view::Column::Year), Rub(100));
  EXPECT_EQ(paid.Find("СумВыплат")->PathOf(view::Column::Month3),
            " F - Документ [1] - РасчетСВ - ОбязПлатСВ - СвФЛИсч6.2.431 - СвФЛВыпл6.2.431[1] - СумВыплат - @Сум3Посл3М");

  const view::Section3& s3 = v->section3;
  ASSERT_EQ(s3.persons.size(), 2u);
  const view::Person& first = s3.persons[0];
  EXPECT_EQ(first.number, 3u);  // after ОбязПлатСВ and ОбязПлатСВ_КФХ
  const auto rows = s3.RowsOf(first);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].month, 4);
  EXPECT_EQ(rows[0].base, Rub(12000));
  EXPECT_EQ(rows[0].contractBase, Rub(2000));
  EXPECT_EQ(rows[1].month, 6);
  EXPECT_EQ(rows[1].category, "ПВ");
  EXPECT_EQ(s3.PathOf(first, rows[1], view::RowField::Contributions),
            " F - Документ [1] - РасчетСВ - ПерсСвСтрахЛиц(3) - СвВыплСВОПС - СвВыпл - СвВыплМК[1] - @НачислСВ");
  const auto extra = s3.ExtraRowsOf(first);
  ASSERT_EQ(extra.size(), 1u);
  EXPECT_EQ(extra[0].month, 5);
  EXPECT_EQ(extra[0].tariff, "231");
  EXPECT_EQ(s3.RowsOf(s3.persons[1])[0].month, 5);
}

// The run reads "РасчетСВ" child by child; the block after the persons must come through too.
TEST(LaterFormats508, ReadByTheRunAsWhenReadWhole) {
  LaterReportSpec content = Full508();
  content.tail += "<Лишний/>";
  const std::string text = LaterReportXml(content);
  const auto whole = LoadLater(text);
  test::TempDir dir;
  test::WriteBytes(dir / "r.xml", text);
  TRSVFile file;
  std::string error;
  ASSERT_EQ(ReadReport(dir / "r.xml", file, error), ReportReading::Read) << error;
  EXPECT_EQ(MessagesOf(file), MessagesOf(whole->file));
  EXPECT_EQ(MessagesOf(file), std::vector<std::string>{"Неизвестный элемент тэга РасчетСВ - Лишний"});
  ASSERT_TRUE(file.Document505 && file.Document505->РасчетСВ);
  EXPECT_EQ(file.Document505->РасчетСВ->ПерсСвСтрахЛиц.size(), 2u);
  ASSERT_TRUE(file.Document505->РасчетСВ->ОбязПлатСВ_6_1_431);
  ASSERT_TRUE(file.Document505->РасчетСВ->ОбязПлатСВ_6_1_431->СвПримТариф4_425);
  EXPECT_EQ(file.Document505->РасчетСВ->ОбязПлатСВ_6_1_431->СвПримТариф4_425->СвФЛВыпл.size(), 1u);
}

// Every amount made unreadable: the reader's message about it names the path the view gives.
TEST(LaterFormats508, ViewPathsAreThoseOfTheReadingMessages) {
  const std::string text = LaterReportXml(Full508());
  const std::size_t calc = text.find("<РасчетСВ>");
  const std::string spoiled =
      text.substr(0, calc) + test::NumbersSpoiled(std::string_view(text).substr(calc));
  const auto r = LoadLater(spoiled);
  std::unordered_set<std::string> paths;
  for (const std::string& m : r->file.Errors) paths.insert(m.substr(0, m.find(':')));
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  int checked = 0;
  const auto expectLine = [&](const view::Line& line) {
    if (line.count) return;  // a count that is no number is reported without a path
    for (const auto c : {view::Column::Year, view::Column::Month1, view::Column::Month2, view::Column::Month3}) {
      EXPECT_TRUE(paths.contains(line.PathOf(c))) << line.PathOf(c);
      ++checked;
    }
  };
  for (const view::Line& l : v->section1.payable) expectLine(l);
  for (const view::TariffBlock& t : v->section1.tariffs)
    for (const view::Block& b : t.blocks)
      for (const view::Line& l : b.lines) expectLine(l);
  for (const view::Block& b : v->section1.blocks)
    for (const view::Line& l : b.lines) expectLine(l);
  const view::Section3& s3 = v->section3;
  for (const view::Person& p : s3.persons) {
    for (const view::MonthRow& row : s3.RowsOf(p))
      for (const auto f : {view::RowField::Payments, view::RowField::Base, view::RowField::Contributions}) {
        EXPECT_TRUE(paths.contains(s3.PathOf(p, row, f))) << s3.PathOf(p, row, f);
        ++checked;
      }
    for (const view::ExtraTariffRow& row : s3.ExtraRowsOf(p)) {
      EXPECT_TRUE(paths.contains(s3.PathOf(p, row, view::ExtraRowField::Base)));
      ++checked;
    }
  }
  EXPECT_GT(checked, 120) << checked;
}

TEST(LaterFormats508, NaturalPersonPayerGivesItsInnAsAnAttribute) {
  LaterReportSpec content;
  content.individual = true;
  content.payerAttributes = "";  // places 222 and 335 give neither attribute
  const auto r = LoadLater(LaterReportXml(content));
  EXPECT_EQ(MessagesOf(r->file), std::vector<std::string>{});
  ASSERT_TRUE(r->file.Document505 && r->file.Document505->СвНП && r->file.Document505->СвНП->НПФЛ);
  EXPECT_EQ(r->file.Document505->СвНП->НПФЛ->ОГРНИП, "304500116000157");
  EXPECT_EQ(r->file.Document505->СвНП->СрЧисл, -1);
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->payer.kind, view::PayerKind::NaturalPerson);
  EXPECT_EQ(v->payer.inn, "500100732259");
  EXPECT_EQ(v->payer.surname, "Петров");
}

TEST(LaterFormats508, UnknownNamesAreReadingMessages) {
  LaterReportSpec content;
  content.section1 = "<ОбязПлатСВ ТипПлат=\"1\" ОКТМО=\"45000000\" ОКВЭД=\"62.01\">" +
                  test::Payable("УплПерОПС", "18210201000011000160", "1.00", "1.00", "0.00", "0.00") +
                  "<УплПерОМС КБК=\"1\"/><РасчСВ_ОПС_ОМС ТарифПлат=\"01\"><РасчСВ_ОПСОМС>" +
                  test::Sums("БазНеПревышОПС", "x", "0", "0", "0") + "<РасчСВ_ОПС/></РасчСВ_ОПСОМС></РасчСВ_ОПС_ОМС>"
                  "</ОбязПлатСВ>";
  content.persons = {PersonWith({Row(1, "НР", "1.00")})};
  content.persons[0].extraRows = "<ВыплСВДопМТ Месяц=\"1\" КодСтрахЛиц=\"110\" ВыплСВ=\"1\" НачислСВ=\"0\" Тариф=\"9\"/>";
  const auto r = LoadLater(LaterReportXml(content));
  EXPECT_EQ(MessagesOf(r->file),
            (std::vector<std::string>{
                "Неизвестный атрибут тэга ОбязПлатСВ - ОКВЭД",
                "Неизвестный элемент тэга ОбязПлатСВ - УплПерОМС",
                " - Документ [1] - РасчетСВ - ОбязПлатСВ - РасчСВ_ОПС_ОМС[1] - РасчСВ_ОПСОМС - БазНеПревышОПС - "
                "@СумВсегоПер: Значение не является суммой.",
                "Неизвестный элемент тэга РасчСВ_ОПСОМС - РасчСВ_ОПС",
                "Неизвестный атрибут тэга ВыплСВДопМТ - Тариф",
            }));
  // The file is still read: the model and the view are there.
  ASSERT_TRUE(r->file.Document505);
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->section3.persons.size(), 1u);
}

TEST(LaterFormats508, EmptyCalculationAndBrokenDocument) {
  const std::string head =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Файл ИдФайл=\"x\" ВерсПрог=\"p\" ВерсФорм=\"5.08\">";
  const auto empty = LoadLater(head +
                               "<Документ КНД=\"1151111\" Период=\"21\" ОтчетГод=\"2026\"><СвНП><НПЮЛ НаимОрг=\"О\" "
                               "ИННЮЛ=\"7701000001\" КПП=\"770101001\"/></СвНП><Подписант ПрПодп=\"2\"/>"
                               "<РасчетСВ/></Документ></Файл>");
  EXPECT_EQ(MessagesOf(empty->file), std::vector<std::string>{});
  const auto v = MakeReportView(empty->file);
  ASSERT_TRUE(v);
  EXPECT_FALSE(v->section1.present);
  EXPECT_TRUE(v->section3.persons.empty());

  const auto bare = LoadLater(head + "<Документ/></Файл>");
  EXPECT_EQ(MessagesOf(bare->file),
            std::vector<std::string>{" - Документ [1]: Тэг Документ не содержит атрибутов. Чтение невозможно."});
  const auto year = LoadLater(head + "<Документ ОтчетГод=\"2O26\"><РасчетСВ/></Документ></Файл>");
  EXPECT_EQ(MessagesOf(year->file),
            std::vector<std::string>{"Атрибут тэга Документ ОтчетГод имеет не числовое значение."});
  ASSERT_TRUE(year->file.Document505);
  EXPECT_EQ(year->file.Document505->ОтчетГод, -1);
}

// 5.05 to 5.07 read the same tables, less what came later.
TEST(LaterFormats505To507, NamesOfLaterVersionsAreReadingMessages) {
  LaterReportSpec content = Full508();
  content.formatVersion = "5.06";
  content.year = "2024";
  const auto r = LoadLater(LaterReportXml(content));
  ASSERT_TRUE(r->file.Document505);
  EXPECT_EQ(MessagesOf(r->file),
            (std::vector<std::string>{
                "Неизвестный атрибут элемента ПравТариф7.1.427 - ДохИнвПред",
                "Неизвестный атрибут элемента ПравТариф7.1.427 - ДохИнвПер",
                "Неизвестный элемент тэга ОбязПлатСВ - ПравТариф13.2.427",
                "Неизвестный атрибут тэга СвФЛВыпл6.2.431 - ДатаРожд",
                "Неизвестный атрибут тэга СвФЛВыпл6.2.431 - Пол",
                "Неизвестный атрибут тэга СвФЛВыпл6.2.431 - КодВидДок",
                "Неизвестный атрибут тэга СвФЛВыпл6.2.431 - СерНомДок",
                "Неизвестный элемент тэга СвФЛВыпл6.2.431 - БазаИсч",
                "Неизвестный атрибут тэга СвВыплМК - СумВыплДог",
                "Неизвестный атрибут тэга СвФЛВыпл - ДатаРожд",
                "Неизвестный атрибут тэга СвФЛВыпл - Пол",
                "Неизвестный атрибут тэга СвФЛВыпл - КодВидДок",
                "Неизвестный атрибут тэга СвФЛВыпл - СерНомДок",
            }));
  EXPECT_TRUE(MakeReportView(r->file));
}

TEST(LaterFormats505To507, EachVersionReadsItsOwnReportSilently) {
  struct Version {
    std::string version;
    bool from507;
    bool block431;
  };
  for (const Version& row :
       {Version{"5.05", false, false}, Version{"5.06", false, true}, Version{"5.07", true, true}}) {
    SCOPED_TRACE(row.version);
    LaterReportSpec content;
    content.formatVersion = row.version;
    content.year = "2025";
    content.section1 = test::Section1Xml("10000.00", row.from507);
    content.section2 = test::Section2Xml();
    // The tariff and category withdrawn in 2026 are a year's codes, not names: read as written.
    content.persons = {PersonWith({Row(1, "МС", "1.00")})};
    if (row.block431) content.tail = test::Block6_1_431Xml(false);
    const auto r = LoadLater(LaterReportXml(content));
    EXPECT_EQ(MessagesOf(r->file), std::vector<std::string>{});
    ASSERT_TRUE(r->file.Document505);
    EXPECT_EQ(r->file.Document505->РасчетСВ->ОбязПлатСВ_6_1_431 != nullptr, row.block431);
  }
  LaterReportSpec content;
  content.formatVersion = "5.05";
  content.year = "2023";
  content.tail = test::Block6_1_431Xml(false);
  EXPECT_EQ(MessagesOf(LoadLater(LaterReportXml(content))->file),
            std::vector<std::string>{"Неизвестный элемент тэга РасчетСВ - ОбязПлатСВ_6.1.431"});
}

// 5.03 and 5.04 are 5.02 with the line of the base within the pension limit.
std::string Section1Of2021(const std::string& withinLimit) {
  return "<ОбязПлатСВ ТипПлат=\"1\" ОКТМО=\"45000000\">" +
         test::Payable("УплПерОПС", "18210202010061010160", "2200.00", "2200.00", "0.00", "0.00") +
         "<РасчСВ_ОПС_ОМС ТарифПлат=\"01\"><РасчСВ_ОПС>" +
         test::Sums("БазНачислСВ", "10000.00", "10000.00", "0.00", "0.00") + withinLimit +
         test::Sums("БазПревышОПС", "0.00", "0.00", "0.00", "0.00") + "</РасчСВ_ОПС></РасчСВ_ОПС_ОМС></ОбязПлатСВ>";
}

TEST(LaterFormats503, BaseWithinTheLimitIsALineFrom2021) {
  const std::string within = test::Sums("БазНеПревышОПС", "10000.00", "10000.00", "0.00", "0.00");
  for (const std::string version : {"5.03", "5.04"}) {
    SCOPED_TRACE(version);
    LaterReportSpec content;
    content.formatVersion = version;
    content.year = "2021";
    content.payerAttributes = " ОКВЭД=\"62.01\"";
    content.section1 = Section1Of2021(within);
    content.persons = {PersonWith({Row(2, "НР", "10000.00", "10000.00", "2200.00")})};
    const auto r = LoadLater(LaterReportXml(content));
    EXPECT_EQ(MessagesOf(r->file), std::vector<std::string>{});
    ASSERT_TRUE(r->file.Document503);
    EXPECT_FALSE(r->file.Document502);
    const auto v = MakeReportView(r->file);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->title.formatVersion, version);
    const view::Line* line = v->section1.tariffs.at(0).Find("РасчСВ_ОПС", "БазНеПревышОПС");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Value(view::Column::Month1), Rub(10000));
    ASSERT_EQ(v->section3.rows.size(), 1u);
    EXPECT_EQ(v->section3.rows[0].month, 2);
  }
  // 5.02 has no such line.
  LaterReportSpec content;
  content.formatVersion = "5.02";
  content.year = "2020";
  content.payerAttributes = " ОКВЭД=\"62.01\"";
  content.section1 = Section1Of2021(within);
  EXPECT_EQ(MessagesOf(LoadLater(LaterReportXml(content))->file),
            std::vector<std::string>{"Неизвестный элемент тэга РасчСВ_ОПС - БазНеПревышОПС"});
}

TEST(LaterFormats503, PayerInnReadsInEitherShape) {
  // When the INN of a natural-person payer became an attribute (5.02: a child element; 2023:
  // an attribute) is not known: 5.03 and 5.04 read both, 5.02 only its own.
  LaterReportSpec content;
  content.formatVersion = "5.04";
  content.year = "2022";
  content.individual = true;
  content.section1 = Section1Of2021("");
  const auto r = LoadLater(LaterReportXml(content));
  EXPECT_EQ(MessagesOf(r->file), std::vector<std::string>{});
  ASSERT_TRUE(r->file.Document503 && r->file.Document503->НПФЛ);
  EXPECT_EQ(r->file.Document503->НПФЛ->ОГРНИП, "304500116000157");
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->payer.inn, "500100732259");

  content.formatVersion = "5.02";
  const auto old = LoadLater(LaterReportXml(content));
  EXPECT_EQ(MessagesOf(old->file),
            std::vector<std::string>{" - Документ [1] - СвНП - НПФЛ: В тэге \"Плательщик страховых взносов - "
                                     "физическое лицо, не являющееся ИП\" присутствие атрибутов не допускается."});
  ASSERT_TRUE(old->file.Document502 && old->file.Document502->НПФЛ);
  EXPECT_EQ(old->file.Document502->НПФЛ->ИННФЛ, "");
}

TEST(LaterFormats, VersionsOutsideTheKnownOnesAreRefused) {
  for (const std::string version : {"5.09", "5.00", "6.01", ""}) {
    SCOPED_TRACE(version);
    LaterReportSpec content;
    content.formatVersion = version;
    const auto r = LoadLater(LaterReportXml(content));
    EXPECT_FALSE(r->loaded);
    EXPECT_EQ(MessagesOf(r->file),
              std::vector<std::string>{": Неизвестная версия формата - " + version + ". Чтение невозможно."});
    EXPECT_FALSE(MakeReportView(r->file));
  }
}

}  // namespace
}  // namespace orsvelt
