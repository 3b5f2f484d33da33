// Where schemas are looked for, which one is taken, and what is said when none can be.

#include <cstdlib>

#include "analysis/format_control/format_control.h"
#include "analysis/format_control/schema_locator.h"
#include "support/test_support.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

// A schema whose root allows the given versions, as an enumeration or a fixed value.
std::string SchemaAllowing(std::initializer_list<const char*> versions, bool fixed = false) {
  std::string attribute;
  if (fixed) {
    attribute = std::string("<xs:attribute name=\"ВерсФорм\" fixed=\"") + *versions.begin() + "\"/>";
  } else {
    attribute = "<xs:attribute name=\"ВерсФорм\"><xs:simpleType><xs:restriction base=\"xs:string\">";
    for (const char* v : versions) attribute += std::string("<xs:enumeration value=\"") + v + "\"/>";
    attribute += "</xs:restriction></xs:simpleType></xs:attribute>";
  }
  return "<?xml version=\"1.0\" encoding=\"windows-1251\"?><xs:schema "
         "xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><xs:element name=\"Файл\"><xs:complexType>"
         "<xs:sequence><xs:element name=\"Документ\"/></xs:sequence>" +
         attribute + "</xs:complexType></xs:element></xs:schema>";
}

// Keeps $ORSVELT_SCHEMAS out of the way (or set) for one test.
class SchemaEnvironment {
 public:
  explicit SchemaEnvironment(const char* value = nullptr) {
    if (const char* old = std::getenv("ORSVELT_SCHEMAS")) old_ = old;
    if (value) setenv("ORSVELT_SCHEMAS", value, 1);
    else unsetenv("ORSVELT_SCHEMAS");
  }
  ~SchemaEnvironment() {
    if (old_.empty()) unsetenv("ORSVELT_SCHEMAS");
    else setenv("ORSVELT_SCHEMAS", old_.c_str(), 1);
  }

 private:
  std::string old_;
};

TEST(SchemaLocator, FoldersInTheirOrder) {
  const SchemaEnvironment env("/from/env");
  const auto folders = SchemaFolders({.explicitFolder = "/given", .executableFolder = "/bin/dir"});
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0], "/given");
  EXPECT_EQ(folders[1], "/from/env");
  EXPECT_EQ(folders[2], std::filesystem::path("/bin/dir") / "schemas");
  EXPECT_EQ(folders[3].filename(), "schemas");
  EXPECT_EQ(folders[3].parent_path().filename(), "orsvelt");
}

TEST(SchemaLocator, VersionsFromEnumerationOrFixedValue) {
  test::TempDir dir;
  test::WriteCp1251(dir / "a.xsd", SchemaAllowing({"5.01", "5.02"}));
  test::WriteCp1251(dir / "b.xsd", SchemaAllowing({"5.08"}, true));
  EXPECT_EQ(AllowedFormVersions(dir / "a.xsd"), (std::vector<std::string>{"5.01", "5.02"}));
  EXPECT_EQ(AllowedFormVersions(dir / "b.xsd"), (std::vector<std::string>{"5.08"}));
  EXPECT_TRUE(AllowedFormVersions(dir / "absent.xsd").empty());
}

TEST(SchemaLocator, ReferenceSchemasDeclareTheirVersions) {
  ORSVELT_REQUIRE_REFERENCE();
  const auto dir = test::ReferenceDir() / "schemas";
  EXPECT_EQ(AllowedFormVersions(dir / "NO_RASCHSV_1_162_00_05_08_02.xsd"), (std::vector<std::string>{"5.08"}));
  EXPECT_EQ(AllowedFormVersions(dir / "NO_RASCHSV_5.01_later_revision.xsd"), (std::vector<std::string>{"5.01"}));
  // Of the two 5.01 schemas the later revision's name sorts last.
  const SchemaEnvironment env;
  EXPECT_EQ(LocateSchema({.explicitFolder = dir, .executableFolder = {}}, "5.01").file.filename(), "NO_RASCHSV_5.01_later_revision.xsd");
}

TEST(SchemaLocator, FirstFolderWithAFittingSchemaAndTheLastNameThere) {
  const SchemaEnvironment env;
  test::TempDir given, beside;
  test::WriteCp1251(given / "only508.xsd", SchemaAllowing({"5.08"}));
  std::filesystem::create_directories(beside / "schemas");
  test::WriteCp1251(beside / "schemas" / "a_501.xsd", SchemaAllowing({"5.01"}));
  test::WriteCp1251(beside / "schemas" / "b_501.xsd", SchemaAllowing({"5.01"}));
  test::WriteCp1251(beside / "schemas" / "c_501.txt", SchemaAllowing({"5.01"}));
  const SchemaSearch search{.explicitFolder = given.path(), .executableFolder = beside.path()};
  EXPECT_EQ(LocateSchema(search, "5.08").file, given / "only508.xsd");
  EXPECT_EQ(LocateSchema(search, "5.01").file, beside / "schemas" / "b_501.xsd");
}

// Whatever is wrong with the schemas, the outcome is one info record and no exception.
class NoSchemaTest : public ::testing::Test {
 protected:
  FormatControlResult Check(const std::filesystem::path& folder) {
    FormatControl control({.explicitFolder = folder, .executableFolder = {}});
    return control.Check(std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Файл ВерсФорм=\"5.08\"/>"),
                         "r.xml");
  }
  void ExpectNotDone(const FormatControlResult& result, const char* reason) {
    EXPECT_FALSE(result.done);
    ASSERT_EQ(result.findings.size(), 1u);
    EXPECT_EQ(result.findings[0].kind, FormatFindingKind::kInfo);
    EXPECT_EQ(result.findings[0].title, "Контроль формата по схеме не выполнен");
    EXPECT_NE(result.findings[0].message.find(reason), std::string::npos) << result.findings[0].message;
  }
  SchemaEnvironment env_;
  test::TempDir dir_;
};

TEST_F(NoSchemaTest, MissingFolder) {
  const FormatControlResult result = Check(dir_ / "absent");
  if (std::filesystem::is_directory(SchemaFolders({}).back())) GTEST_SKIP() << "schemas are installed";
  ExpectNotDone(result, "папка схем не найдена");
}

TEST_F(NoSchemaTest, EmptyFolder) { ExpectNotDone(Check(dir_.path()), "схема для версии формата 5.08 не найдена"); }

TEST_F(NoSchemaTest, UnreadableFolder) {
  std::filesystem::create_directories(dir_ / "locked");
  test::WriteCp1251(dir_ / "locked" / "s.xsd", SchemaAllowing({"5.08"}));
  std::filesystem::permissions(dir_ / "locked", std::filesystem::perms::none);
  const FormatControlResult result = Check(dir_ / "locked");
  std::filesystem::permissions(dir_ / "locked", std::filesystem::perms::owner_all);
  if (result.done) GTEST_SKIP() << "permissions do not bind here (running as root)";
  EXPECT_FALSE(result.done);
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].kind, FormatFindingKind::kInfo);
}

// A folder path that names a file cannot be listed, whoever runs the test.
TEST_F(NoSchemaTest, FolderThatIsAFile) {
  test::WriteBytes(dir_ / "file", "x");
  const FormatControlResult result = Check(dir_ / "file");
  EXPECT_FALSE(result.done);
  ASSERT_EQ(result.findings.size(), 1u);
  EXPECT_EQ(result.findings[0].kind, FormatFindingKind::kInfo);
}

TEST_F(NoSchemaTest, SchemaThatIsNotXml) {
  test::WriteBytes(dir_ / "s.xsd", "<xs:schema><xs:element name=\"Файл\"");
  ExpectNotDone(Check(dir_.path()), "не читаются как схема расчёта: s.xsd");
}

// Well-formed and naming the version, but not a schema libxml2 can compile.
TEST_F(NoSchemaTest, SchemaThatDoesNotCompile) {
  std::string text = SchemaAllowing({"5.08"});
  text.replace(text.find("<xs:element name=\"Документ\"/>"), 29, "<xs:element name=\"Документ\" type=\"нет\"/>");
  test::WriteCp1251(dir_ / "s.xsd", text);
  ExpectNotDone(Check(dir_.path()), "не является правильной схемой XSD");
}

TEST_F(NoSchemaTest, ReportWithoutVersion) {
  FormatControl control({.explicitFolder = dir_.path(), .executableFolder = {}});
  const FormatControlResult result = control.Check(std::string("<Файл/>"), "r.xml");
  ExpectNotDone(result, "не указана версия формата");
}

TEST_F(NoSchemaTest, ReportFileThatCannotBeRead) {
  FormatControl control({.explicitFolder = dir_.path(), .executableFolder = {}});
  ExpectNotDone(control.Check(dir_ / "absent.xml"), "не читается");
}

// One schema serves one version's reports one after another, and a fitting one is applied.
TEST(FormatControl, SchemaFoundByVersionAndApplied) {
  const SchemaEnvironment env;
  test::TempDir dir;
  test::WriteCp1251(dir / "s.xsd", SchemaAllowing({"5.08"}));
  FormatControl control({.explicitFolder = dir.path(), .executableFolder = {}});
  for (int i = 0; i < 2; ++i) {
    const FormatControlResult ok =
        control.Check(std::string("<Файл ВерсФорм=\"5.08\"><Документ/></Файл>"), "r.xml");
    EXPECT_TRUE(ok.done);
    EXPECT_EQ(ok.schema, dir / "s.xsd");
    EXPECT_TRUE(ok.findings.empty());
  }
  const FormatControlResult bad = control.Check(std::string("<Файл ВерсФорм=\"5.08\"/>"), "r.xml");
  ASSERT_EQ(bad.findings.size(), 1u);
  EXPECT_EQ(bad.findings[0].title, "Нарушение схемы: отсутствует обязательный элемент");
}

TEST(FormatControl, VersionReadFromTheRootInEitherEncoding) {
  EXPECT_EQ(ReportFormVersion("<?xml version=\"1.0\"?><Файл ВерсПрог=\"1\" ВерсФорм = '5.01'>"), "5.01");
  EXPECT_EQ(ReportFormVersion(Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?><Файл ВерсФорм=\"5.02\">")), "5.02");
  EXPECT_EQ(ReportFormVersion("<Файл ВерсФорм=\"5.0"), "");
  EXPECT_EQ(ReportFormVersion(""), "");
}

}  // namespace
}  // namespace orsvelt
