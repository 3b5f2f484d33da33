#include "analysis/format_control/xsd_schema.h"

#include "support/test_support.h"

namespace orsvelt {
namespace {

// A schema of the report's shape in small: a root with a version and two children.
constexpr const char* kSmallSchema = R"(<?xml version="1.0" encoding="UTF-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="Файл">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="Документ">
          <xs:complexType>
            <xs:sequence>
              <xs:element name="СвНП" minOccurs="1"/>
              <xs:element name="РасчетСВ" minOccurs="0"/>
            </xs:sequence>
            <xs:attribute name="КНД" use="required">
              <xs:simpleType><xs:restriction base="xs:string"><xs:pattern value="[0-9]{7}"/></xs:restriction></xs:simpleType>
            </xs:attribute>
          </xs:complexType>
        </xs:element>
      </xs:sequence>
      <xs:attribute name="ВерсФорм" fixed="9.99"/>
    </xs:complexType>
  </xs:element>
</xs:schema>
)";

class XsdSchemaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(dir_ / "small.xsd", kSmallSchema);
    std::string error;
    schema_ = XsdSchema::Load(dir_ / "small.xsd", error);
    ASSERT_TRUE(schema_) << error;
  }
  std::vector<FormatFinding> Validate(const std::string& body) {
    return schema_->Validate("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + body);
  }
  test::TempDir dir_;
  std::unique_ptr<XsdSchema> schema_;
};

TEST_F(XsdSchemaTest, KindsOfViolationWithPathsAndLines) {
  const auto v = Validate(
      "<Файл ВерсФорм=\"9.99\" Лишний=\"1\">\n"
      "<Документ КНД=\"115\">\n"
      "<РасчетСВ/>\n"
      "</Документ>\n"
      "<Документ/>\n"
      "</Файл>");
  ASSERT_EQ(v.size(), 4u);
  EXPECT_EQ(v[0].title, "Нарушение схемы: лишний атрибут");
  EXPECT_EQ(v[0].path, "Файл/@Лишний");
  EXPECT_EQ(v[0].line, 2);
  EXPECT_EQ(v[1].title, "Нарушение схемы: недопустимое значение");
  EXPECT_EQ(v[1].path, "Файл/Документ/@КНД");
  EXPECT_EQ(v[1].line, 3);
  // libxml2 names the element met where another was due (its message says which).
  EXPECT_EQ(v[2].title, "Нарушение схемы: лишний элемент");
  EXPECT_EQ(v[2].path, "Файл/Документ/РасчетСВ");
  EXPECT_EQ(v[2].line, 4);
  EXPECT_NE(v[2].message.find("Expected is ( СвНП )"), std::string::npos) << v[2].message;
  EXPECT_EQ(v[3].title, "Нарушение схемы: лишний элемент");
  EXPECT_EQ(v[3].path, "Файл/Документ");
  EXPECT_EQ(v[3].line, 6);
  for (const FormatFinding& f : v) EXPECT_EQ(f.kind, FormatFindingKind::kSchemaViolation);
}

// A fault found at an end tag belongs to the element that ends there, not to its parent.
TEST_F(XsdSchemaTest, MissingChildIsTheClosingElements) {
  const auto v = Validate("<Файл><Документ КНД=\"1151111\">\n</Документ></Файл>");
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(v[0].title, "Нарушение схемы: отсутствует обязательный элемент");
  EXPECT_EQ(v[0].path, "Файл/Документ");
  EXPECT_EQ(v[0].line, 2);
}

TEST_F(XsdSchemaTest, MissingAttribute) {
  const auto v = Validate("<Файл><Документ><СвНП/></Документ></Файл>");
  ASSERT_EQ(v.size(), 1u);
  EXPECT_EQ(v[0].title, "Нарушение схемы: отсутствует обязательный атрибут");
  EXPECT_EQ(v[0].path, "Файл/Документ");
}

TEST_F(XsdSchemaTest, ValidInBothEncodings) {
  const std::string body = "<Файл><Документ КНД=\"1151111\"><СвНП/></Документ></Файл>";
  EXPECT_TRUE(schema_->Validate("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body).empty());
  const std::string cp1251 = test::ReadBytes([&] {
    test::WriteCp1251(dir_ / "r.xml", "<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + body);
    return dir_ / "r.xml";
  }());
  EXPECT_TRUE(schema_->Validate(cp1251).empty());
}

TEST_F(XsdSchemaTest, TextThatIsNotXmlGivesParseFaults) {
  for (const std::string& text : {std::string("<Файл><Документ></Файл>"), std::string(), std::string("<Файл"),
                                 std::string("\0\0\0", 3)}) {
    const auto v = schema_->Validate(text);
    ASSERT_FALSE(v.empty()) << text;
    EXPECT_EQ(v.back().title, kNotWellFormedTitle);
  }
}

// No file outside the report is read: an external entity stays unresolved.
TEST_F(XsdSchemaTest, ExternalEntitiesAreNotLoaded) {
  test::WriteBytes(dir_ / "secret.txt", "1151111");
  const std::string text = "<?xml version=\"1.0\"?>\n<!DOCTYPE Файл [<!ENTITY s SYSTEM \"" +
                           (dir_ / "secret.txt").string() +
                           "\">]>\n<Файл><Документ КНД=\"1151111\"><СвНП>&s;</СвНП></Документ></Файл>";
  for (const FormatFinding& f : schema_->Validate(text)) EXPECT_EQ(f.message.find("1151111"), std::string::npos);
}

TEST(XsdSchemaLoad, BrokenOrOutreachingSchemasAreRefused) {
  test::TempDir dir;
  std::string error;
  EXPECT_FALSE(XsdSchema::Load(dir / "absent.xsd", error));
  EXPECT_FALSE(error.empty());

  test::WriteBytes(dir / "cut.xsd", std::string(kSmallSchema).substr(0, 200));
  EXPECT_FALSE(XsdSchema::Load(dir / "cut.xsd", error));
  EXPECT_NE(error.find("не является правильным XML"), std::string::npos) << error;

  test::WriteBytes(dir / "wrong.xsd",
                   "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><xs:element name=\"a\" type=\"nope\"/>"
                   "</xs:schema>");
  EXPECT_FALSE(XsdSchema::Load(dir / "wrong.xsd", error));
  EXPECT_NE(error.find("не является правильной схемой XSD"), std::string::npos) << error;

  test::WriteBytes(dir / "import.xsd",
                   "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\"><xs:import namespace=\"x\" "
                   "schemaLocation=\"http://example.invalid/x.xsd\"/></xs:schema>");
  EXPECT_FALSE(XsdSchema::Load(dir / "import.xsd", error));
  EXPECT_NE(error.find("ссылается на другие файлы"), std::string::npos) << error;
}

}  // namespace
}  // namespace orsvelt
