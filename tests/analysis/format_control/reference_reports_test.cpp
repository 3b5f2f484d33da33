// The official schemas on reports written by others (the shared reference folder).

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "analysis/format_control/format_control.h"
#include "support/test_support.h"

namespace orsvelt {
namespace {

std::filesystem::path Schema(const char* name) { return test::ReferenceDir() / "schemas" / name; }
std::filesystem::path Sample(const char* name) { return test::ReferenceDir() / "samples" / name; }

constexpr const char* kFirst501 = "NO_RASCHSV_1_162_00_05_01_01.xsd";
constexpr const char* kLater501 = "NO_RASCHSV_5.01_later_revision.xsd";
constexpr const char* k508 = "NO_RASCHSV_1_162_00_05_08_02.xsd";

std::vector<std::filesystem::path> Payer7715Reports() {
  std::vector<std::filesystem::path> files;
  for (const auto& e : std::filesystem::directory_iterator(Sample("5.01")))
    if (e.path().filename().string().rfind("NO_RASCHSV_7715", 0) == 0) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<FormatFinding> OfKind(const FormatControlResult& result, FormatFindingKind kind) {
  std::vector<FormatFinding> out;
  for (const FormatFinding& f : result.findings)
    if (f.kind == kind) out.push_back(f);
  return out;
}

FormatControlResult CheckFile(const FormatSchema& schema, const std::filesystem::path& file) {
  return schema.Check(test::ReadBytes(file), file.filename().string());
}

std::unique_ptr<FormatSchema> LoadSchema(const char* name) {
  std::string error;
  auto schema = FormatSchema::Load(Schema(name), error);
  EXPECT_TRUE(schema) << error;
  return schema;
}

TEST(ReferenceReports, Payer7715IsValidAgainstTheLaterRevision) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kLater501);
  ASSERT_TRUE(schema);
  const auto files = Payer7715Reports();
  ASSERT_EQ(files.size(), 3u);
  for (const auto& file : files) {
    const FormatControlResult result = CheckFile(*schema, file);
    EXPECT_TRUE(result.done);
    EXPECT_TRUE(OfKind(result, FormatFindingKind::kSchemaViolation).empty()) << file;
    EXPECT_TRUE(OfKind(result, FormatFindingKind::kInfo).empty()) << file;
  }
}

// Correction 1 pays the insurance of temporary disability and claims expenses over it in one
// report: the schema's rule allows only one of the two, for the period and each month.
TEST(ReferenceReports, Payer7715CorrectionOneBreaksTheOneOfTwoRule) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kLater501);
  ASSERT_TRUE(schema);
  const auto breaches = OfKind(CheckFile(*schema, Payer7715Reports()[0]), FormatFindingKind::kRuleBreach);
  ASSERT_EQ(breaches.size(), 4u);
  EXPECT_EQ(breaches[0].code, "0400300000");
  EXPECT_EQ(breaches[0].line, 16);
  EXPECT_EQ(breaches[0].path, "Файл/Документ/РасчетСВ/ОбязПлатСВ/УплПревОСС/УплПерОСС/@СумСВУплПер");
  EXPECT_EQ(OfKind(CheckFile(*schema, Payer7715Reports()[1]), FormatFindingKind::kRuleBreach).size(), 0u);
}

TEST(ReferenceReports, FirstSchemaRefusesTheSnilsWithASpace) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kFirst501);
  ASSERT_TRUE(schema);
  for (const auto& file : Payer7715Reports()) {
    const auto violations = OfKind(CheckFile(*schema, file), FormatFindingKind::kSchemaViolation);
    ASSERT_FALSE(violations.empty()) << file;
    for (const FormatFinding& v : violations) {
      EXPECT_EQ(v.title, "Нарушение схемы: недопустимое значение");
      EXPECT_TRUE(v.path.ends_with("/@СНИЛС")) << v.path;
      EXPECT_NE(v.message.find("[facet 'pattern']"), std::string::npos) << v.message;
      EXPECT_GT(v.line, 1);
    }
  }
}

TEST(ReferenceReports, StubCheckViolationsWithTheirLines) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kLater501);
  ASSERT_TRUE(schema);
  const auto v = OfKind(CheckFile(*schema, Sample("5.01/stub_CHECK.xml")), FormatFindingKind::kSchemaViolation);
  ASSERT_EQ(v.size(), 5u);
  EXPECT_EQ(v[0].line, 8);
  EXPECT_EQ(v[0].title, "Нарушение схемы: лишний элемент");
  EXPECT_EQ(v[0].path, "Файл/Документ/СвНП/НПИП");
  EXPECT_EQ(v[1].line, 26);
  EXPECT_EQ(v[1].title, "Нарушение схемы: недопустимое значение");
  EXPECT_EQ(v[1].path, "Файл/Документ/РасчетСВ/ОбязПлатСВ/УплПерОПС/@КБК");
  EXPECT_EQ(v[2].line, 26);
  EXPECT_EQ(v[3].line, 27);  // the duplicated УплПерОПС
  EXPECT_EQ(v[3].path, "Файл/Документ/РасчетСВ/ОбязПлатСВ/УплПерОПС");
  EXPECT_EQ(v[4].line, 47);  // ВыплСВДоп before СвВыпл
  EXPECT_EQ(v[4].path, "Файл/Документ/РасчетСВ/ПерсСвСтрахЛиц/СвВыплСВОПС/ВыплСВДоп");
}

// A prefixed root is in a namespace the schema does not declare: libxml2 stops there, as
// xmllint does. The rules still see the unprefixed elements below it.
TEST(ReferenceReports, StubInvalidRootAndReorganisationFaults) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kLater501);
  ASSERT_TRUE(schema);
  const FormatControlResult result = CheckFile(*schema, Sample("5.01/stub_Invalid.xml"));
  const auto v = OfKind(result, FormatFindingKind::kSchemaViolation);
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(v[0].line, 2);
  EXPECT_EQ(v[0].title, "Нарушение схемы: корневой элемент не описан в схеме");
  const auto breaches = OfKind(result, FormatFindingKind::kRuleBreach);
  ASSERT_GE(breaches.size(), 2u);
  EXPECT_EQ(breaches[0].line, 6);  // СвРеоргЮЛ without ИННЮЛ and КПП
  EXPECT_EQ(breaches[0].path, "nr:Файл/Документ/СвНП/НПЮЛ/СвРеоргЮЛ/@ИННЮЛ");
  EXPECT_EQ(breaches[1].path, "nr:Файл/Документ/СвНП/НПЮЛ/СвРеоргЮЛ/@КПП");
}

TEST(ReferenceReports, Sample508IsValidAndBreaksThreeRules) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(k508);
  ASSERT_TRUE(schema);
  EXPECT_EQ(schema->Rules().AssertCount(), 45u);
  const FormatControlResult result = CheckFile(*schema, Sample("later/NO_RASCHSV_romashka_5.08.xml"));
  EXPECT_TRUE(OfKind(result, FormatFindingKind::kSchemaViolation).empty());
  EXPECT_TRUE(OfKind(result, FormatFindingKind::kInfo).empty());
  const auto b = OfKind(result, FormatFindingKind::kRuleBreach);
  ASSERT_EQ(b.size(), 3u);
  EXPECT_EQ(b[0].code, "0400400007");
  EXPECT_EQ(b[0].path, "Файл/@ИдФайл");
  EXPECT_EQ(b[0].message,
            "Имя файла обмена \"NO_RASCHSV_romashka_5.08\" не совпадает со значением элемента ИдФайл "
            "\"NO_RASCHSV_7701_7701_7701234567770101001_20260409_00000000-0000-0000-0000-000000000003\"");
  EXPECT_EQ(b[1].code, "0400300003");
  EXPECT_EQ(b[1].path, "Файл/Документ/СвНП/@СрЧисл");
  EXPECT_EQ(b[1].message,
            "Не выполнено условие к присутствию (отсутствию) элемента Файл/Документ/СвНП/@СрЧисл - при значении "
            "элемента Файл/Документ/@ПоМесту, равного \"214\"");
  EXPECT_EQ(b[2].code, "0400300003");
  EXPECT_EQ(b[2].path, "Файл/Документ/РасчетСВ/ОбязПлатСВ");
  EXPECT_EQ(b[2].message.rfind("Не выполнено условие - элемент ОбязПлатСВ обязателен при значении ПоМесту", 0), 0u);
  for (const FormatFinding& f : b) EXPECT_EQ(f.line, 1);
}

// The same report under its ИдФайл as file name: the file name rule then holds.
TEST(ReferenceReports, Sample508UnderItsOwnName) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(k508);
  ASSERT_TRUE(schema);
  const auto result =
      schema->Check(test::ReadBytes(Sample("later/NO_RASCHSV_romashka_5.08.xml")),
                    "NO_RASCHSV_7701_7701_7701234567770101001_20260409_00000000-0000-0000-0000-000000000003.XML");
  EXPECT_EQ(OfKind(result, FormatFindingKind::kRuleBreach).size(), 2u);
}

// One parsed schema serves checks on several threads at once, each with its own errors.
TEST(ReferenceReports, ConcurrentChecksAgree) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kFirst501);
  ASSERT_TRUE(schema);
  const std::string bytes = test::ReadBytes(Payer7715Reports()[2]);
  const std::size_t expected = schema->Check(bytes, "r.xml").findings.size();
  ASSERT_GT(expected, 0u);
  std::vector<std::size_t> counts(4);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < counts.size(); ++i) {
    threads.emplace_back([&, i] {
      for (int round = 0; round < 5; ++round) counts[i] = schema->Check(bytes, "r.xml").findings.size();
    });
  }
  for (std::thread& t : threads) t.join();
  for (const std::size_t n : counts) EXPECT_EQ(n, expected);
}

// Both encodings are read: the UTF-8 stub and its Windows-1251 sibling are valid.
TEST(ReferenceReports, Utf8AndWindows1251AreBothRead) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kFirst501);
  ASSERT_TRUE(schema);
  for (const char* name : {"5.01/stub_full_utf8.xml", "5.01/stub_full_legal_entity.xml"}) {
    const FormatControlResult result = CheckFile(*schema, Sample(name));
    EXPECT_TRUE(OfKind(result, FormatFindingKind::kSchemaViolation).empty()) << name;
    EXPECT_FALSE(OfKind(result, FormatFindingKind::kRuleBreach).empty()) << name;
  }
}

// Byte 0x98 has no character in Windows-1251: the text is refused as not well-formed, once,
// and the rules add nothing to it.
TEST(ReferenceReports, UndefinedWindows1251ByteIsAParseFault) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto schema = LoadSchema(kFirst501);
  ASSERT_TRUE(schema);
  const FormatControlResult result = CheckFile(*schema, Sample("5.01/stub_utf8_bytes_under_cp1251_declaration.xml"));
  ASSERT_FALSE(result.findings.empty());
  for (const FormatFinding& f : result.findings) {
    EXPECT_EQ(f.kind, FormatFindingKind::kSchemaViolation);
  }
  EXPECT_TRUE(std::any_of(result.findings.begin(), result.findings.end(),
                          [](const FormatFinding& f) { return f.title == kNotWellFormedTitle && f.line == 3; }));
}

// A report named by its path is read in two steps (its head for the version, then the rest
// when a schema will check it); the outcome is that of its bytes checked at once, with a
// schema and without one, and the same when the check runs on a thread of its own.
TEST(ReferenceReports, AReportCheckedByPathAsByItsBytes) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto files = Payer7715Reports();
  ASSERT_FALSE(files.empty());
  test::TempDir dir;
  const std::filesystem::path large = dir / "NO_RASCHSV_large.xml";
  const std::string bytes = test::ReadBytes(files.front()) + std::string(300 * 1024, ' ');  // past the head
  test::WriteBytes(large, bytes);
  std::filesystem::create_directory(dir / "schemas");
  std::filesystem::copy_file(Schema(kFirst501), dir / "schemas" / kFirst501);
  for (const auto& folder : {dir / "schemas", dir / "none"}) {
    FormatControl control({.explicitFolder = folder, .executableFolder = {}});
    PendingFormatControl begun = control.Begin(large);
    const FormatControlResult byBytes = control.Check(bytes, "NO_RASCHSV_large.xml");
    for (const FormatControlResult& byPath : {control.Check(large), begun.Finish()}) {
      EXPECT_EQ(byPath.done, folder == dir / "schemas");
      EXPECT_EQ(byPath.done, byBytes.done);
      ASSERT_EQ(byPath.findings.size(), byBytes.findings.size()) << folder;
      for (std::size_t i = 0; i < byPath.findings.size(); ++i) {
        EXPECT_EQ(byPath.findings[i].title, byBytes.findings[i].title);
        EXPECT_EQ(byPath.findings[i].line, byBytes.findings[i].line);
        EXPECT_EQ(byPath.findings[i].message, byBytes.findings[i].message);
      }
    }
  }
  FormatControl control({.explicitFolder = dir / "schemas", .executableFolder = {}});
  EXPECT_FALSE(control.Check(dir / "absent.xml").done);
  EXPECT_FALSE(control.Begin(dir / "absent.xml").Finish().done);
}

}  // namespace
}  // namespace orsvelt
