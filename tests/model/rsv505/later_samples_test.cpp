// The real-shaped 5.06 and 5.08 reports of the shared reference folder: each reads, and
// what it gives (persons, section 1 values, calendar months, reading messages) is pinned.
// The 5.06 files leave out attributes 5.08 requires (ОКТМО of ОбязПлатСВ, ДатаРожд and
// СерНомДок of ДанФЛПолуч, НаимДок of СвПред); reading, like 5.02's, does not ask for
// single attributes (the format control against the schema does), so they read silently.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "model/file_view.h"
#include "model/rsv505/document.h"
#include "model/rsvnalog.h"
#include "support/test_support.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

constexpr Amount Rub(std::int64_t roubles, std::int64_t kopecks = 0) { return roubles * 10000 + kopecks * 100; }

struct SampleRead {
  TXMLFile xml;
  TRSVFile file;
};

std::unique_ptr<SampleRead> ReadSample(const std::string& key) {
  const std::filesystem::path folder = test::ReferenceDir() / "samples" / "later";
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().filename().string().find(key) == std::string::npos) continue;
    auto read = std::make_unique<SampleRead>();
    EXPECT_TRUE(read->xml.LoadFromFile(entry.path())) << read->xml.ErrorText();
    EXPECT_TRUE(read->xml.Parse()) << read->xml.ErrorText();
    read->file.Load(read->xml.Root(), "");
    return read;
  }
  return nullptr;
}

#define REQUIRE_SAMPLE(read, key)                                      \
  ORSVELT_REQUIRE_REFERENCE();                                         \
  const auto read = ReadSample(key);                                   \
  if (!read) GTEST_SKIP() << "sample absent: " << key;                 \
  ASSERT_TRUE(read->file.Document505) << "not read as 2023 on: " << key

std::vector<std::string> MessagesOf(const TRSVFile& file) { return {file.Errors.begin(), file.Errors.end()}; }

TEST(LaterSamples, EveryFileOfTheFolderReadsWithoutAMessage) {
  ORSVELT_REQUIRE_REFERENCE();
  const std::filesystem::path folder = test::ReferenceDir() / "samples" / "later";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "absent: " << folder;
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() != ".xml") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++files;
    TXMLFile xml;
    ASSERT_TRUE(xml.LoadFromFile(entry.path()));
    ASSERT_TRUE(xml.Parse());
    TRSVFile file;
    EXPECT_TRUE(file.Load(xml.Root(), ""));
    EXPECT_EQ(MessagesOf(file), std::vector<std::string>{});
    EXPECT_TRUE(file.Document505);
    EXPECT_TRUE(MakeReportView(file));
  }
  EXPECT_GT(files, 0);
}

// Q1 2024: tariffs 01 and 20 (withdrawn in 2026, valid then) and the additional tariff.
TEST(LaterSamples, Quarter2024WithTheSmeTariff) {
  REQUIRE_SAMPLE(r, "520b626b");
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->title.formatVersion, "5.06");
  EXPECT_EQ(v->title.year, 2024);
  EXPECT_EQ(v->payer.inn, "9614602229");
  const view::Line* payable = v->section1.FindPayable("УплПерОПС");
  ASSERT_TRUE(payable);
  EXPECT_EQ(payable->Value(view::Column::Year), Rub(187607, 13));
  const view::Line* sme = v->section1.FindTariff("20") ? v->section1.FindTariff("20")->Find("РасчСВ_ОПСОМС", "НачислСВ")
                                                      : nullptr;
  ASSERT_TRUE(sme);
  EXPECT_EQ(sme->Value(view::Column::Month2), Rub(37083, 30));
  ASSERT_EQ(v->section1.blocks.size(), 1u);
  EXPECT_EQ(v->section1.blocks[0].name, "РасчСВ_ОПС428");
  EXPECT_EQ(v->section1.blocks[0].CodeOf("КодОснов"), "1");

  const view::Section3& s3 = v->section3;
  ASSERT_EQ(s3.persons.size(), 3u);
  const view::Person& zolotova = s3.persons[0];
  EXPECT_EQ(zolotova.surname, "Золотова");
  EXPECT_EQ(zolotova.snilsDigits, "19989103954");
  const auto rows = s3.RowsOf(zolotova);
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[1].category, "МС");
  EXPECT_EQ(rows[1].month, 1);
  EXPECT_EQ(rows[1].contributions, Rub(37083, 30));
  EXPECT_EQ(rows[5].month, 3);
  EXPECT_EQ(rows[4].contributions, Rub(5772, 60));
  const view::Person& ivanov = s3.persons[1];
  ASSERT_EQ(s3.ExtraRowsOf(ivanov).size(), 3u);
  EXPECT_EQ(s3.ExtraRowsOf(ivanov)[0].tariff, "110");
  EXPECT_EQ(s3.ExtraRowsOf(ivanov)[0].contributions, Rub(10530, 5));
}

// Nine months: the months of section 3 are July to September.
TEST(LaterSamples, NineMonthsGiveTheThirdQuarter) {
  REQUIRE_SAMPLE(r, "cf326545");
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->title.period, "33");
  const view::Line* base = v->section1.FindTariff("01")->Find("РасчСВ_ОПСОМС", "БазНеПревышОПС");
  ASSERT_TRUE(base);
  EXPECT_EQ(base->Value(view::Column::Month1), Rub(65599, 36));
  ASSERT_FALSE(v->section3.persons.empty());
  for (const view::MonthRow& row : v->section3.rows) {
    EXPECT_GE(row.month, 7);
    EXPECT_LE(row.month, 9);
    EXPECT_EQ(row.contributions, 0);  // the file leaves НачислСВ out
  }
}

// February files of the same payer: tariff 06 of IT payers; no ОКТМО, no birth dates.
TEST(LaterSamples, ItTariffWithoutTheAttributesOf508) {
  for (const char* key : {"0eb8d50d", "82313402"}) {
    SCOPED_TRACE(key);
    REQUIRE_SAMPLE(r, key);
    const auto v = MakeReportView(r->file);
    ASSERT_TRUE(v);
    EXPECT_TRUE(v->section1.present);
    EXPECT_EQ(v->section1.oktmo, "");
    ASSERT_TRUE(v->section1.FindTariff("06"));
    ASSERT_EQ(v->section3.persons.size(), 2u);
    EXPECT_EQ(v->section3.persons[0].birthDate, "");
    for (const view::MonthRow& row : v->section3.rows) EXPECT_EQ(row.category, "ОДИТ");
  }
}

// Half-year 2024 of another program: only non-taxable payments, without ВыплОПС and НачислСВ.
TEST(LaterSamples, NonTaxablePaymentsOnly) {
  REQUIRE_SAMPLE(r, "99E7107D");
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->section1.payable.size(), 3u);
  const TRSV505Document& doc = *r->file.Document505;
  ASSERT_TRUE(doc.Подписант && doc.Подписант->СвПред);
  EXPECT_EQ(doc.Подписант->СвПред->НаимДок, "");
  ASSERT_EQ(v->section3.persons.size(), 1u);
  const auto rows = v->section3.RowsOf(v->section3.persons[0]);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].month, 4);
  EXPECT_EQ(rows[2].month, 6);
  EXPECT_EQ(rows[2].payments, Rub(40));
  EXPECT_EQ(rows[2].base, 0);
}

// 5.08, UTF-8 on one line, an empty calculation.
TEST(LaterSamples, Empty508) {
  REQUIRE_SAMPLE(r, "romashka_5.08");
  const auto v = MakeReportView(r->file);
  ASSERT_TRUE(v);
  EXPECT_EQ(v->title.formatVersion, "5.08");
  EXPECT_EQ(v->payer.name, "Потребительский Кооператив \"Ромашка\"");
  EXPECT_FALSE(v->section1.present);
  EXPECT_TRUE(v->section3.persons.empty());
}

}  // namespace
}  // namespace orsvelt
