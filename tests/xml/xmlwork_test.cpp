#include "xml/xmlwork.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "xml/codepage.h"

namespace orsvelt {
namespace {

// Parses UTF-8 text written as Windows-1251 bytes, as reports are.
bool ParseCp1251(TXMLFile& file, std::string_view utf8) {
  file.LoadFromBytes(Utf8ToCp1251(utf8));
  return file.Parse();
}

std::vector<std::pair<std::string, std::string>> AttrsOf(TXMLElement e) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const TXMLAttr a : e.Attributes()) out.emplace_back(a.Name, a.Value);
  return out;
}

TEST(XmlReader, RootAttributesAndEmptyChild) {
  TXMLFile f;
  ASSERT_TRUE(ParseCp1251(f, "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
                             "<Файл ИдФайл=\"x\"><Документ/></Файл>"));
  const TXMLElement root = f.Root();
  EXPECT_EQ(root.Name(), "Файл");
  EXPECT_EQ(root.AttributeCount(), 1u);
  ASSERT_EQ(root.ChildCount(), 1u);
  const TXMLElement doc = *root.Children().begin();
  EXPECT_EQ(doc.Name(), "Документ");
  EXPECT_FALSE(doc.HasAttributes());
  EXPECT_TRUE(doc.Text().empty());
}

// The forms a hand-made reader used to get wrong are plain XML and read as such.
TEST(XmlReader, WellFormedVariantsParseAsXmlDefines) {
  TXMLFile f;
  ASSERT_TRUE(ParseCp1251(f,
                          "\r\n  <?xml version='1.0' encoding='windows-1251'?>\n"
                          "<!-- выгрузка -->\n<?app data?>\n<!DOCTYPE Файл>\n"
                          "<Файл  a=\"1\"   b = \"2\" c='3' d=\"x>/y\">"
                          "<Узел><Узел><Узел/></Узел></Узел><Лист> 12.50 </Лист></Файл>\n<!-- хвост -->"));
  const TXMLElement root = f.Root();
  EXPECT_EQ(AttrsOf(root), (std::vector<std::pair<std::string, std::string>>{
                               {"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "x>/y"}}));
  std::vector<std::string> names;
  for (const TXMLElement c : root.Children()) names.emplace_back(c.Name());
  EXPECT_EQ(names, (std::vector<std::string>{"Узел", "Лист"}));
  const TXMLElement outer = *root.Children().begin();
  const TXMLElement inner = *outer.Children().begin();
  EXPECT_EQ(inner.Name(), "Узел");
  EXPECT_EQ(inner.ChildCount(), 1u);
  EXPECT_EQ((*++root.Children().begin()).Text(), " 12.50 ");
}

TEST(XmlReader, ValuesStayRaw) {
  TXMLFile f;
  ASSERT_TRUE(ParseCp1251(f, "<?xml version=\"1.0\"?><Файл Наим=\"ООО &quot;Ромашка&quot; &amp; К\">"
                             "<Т>&lt;1&gt;</Т></Файл>"));
  EXPECT_EQ((*f.Root().Attributes().begin()).Value, "ООО &quot;Ромашка&quot; &amp; К");
  EXPECT_EQ((*f.Root().Children().begin()).Text(), "&lt;1&gt;");
}

TEST(XmlReader, EncodingFollowsByteOrderMarkAndDeclaration) {
  const std::string body = "<Файл Имя=\"Ёлка №1\"/>";
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"no declaration: windows-1251", Utf8ToCp1251(body)},
      {"declared windows-1251", Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"windows-1251\"?>" + body)},
      {"declared in upper case", Utf8ToCp1251("<?xml version=\"1.0\" encoding=\"WINDOWS-1251\"?>" + body)},
      {"declared UTF-8", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + body},
      {"byte-order mark", "\xEF\xBB\xBF<?xml version=\"1.0\"?>" + body},
  };
  for (const auto& c : cases) {
    TXMLFile f;
    f.LoadFromBytes(c.bytes);
    ASSERT_TRUE(f.Parse()) << c.what << ": " << f.ErrorText();
    EXPECT_EQ(f.Root().Name(), "Файл") << c.what;
    EXPECT_EQ((*f.Root().Attributes().begin()).Value, "Ёлка №1") << c.what;
  }
}

TEST(XmlReader, RefusesWhatItCannotReadWithAReason) {
  struct Case {
    const char* what;
    std::string bytes;
    const char* reasonPart;
  } cases[] = {
      {"empty", "", "пуст"},
      {"blanks only", " \r\n\t", "пуст"},
      {"other encoding", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><a/>", "koi8-r"},
      {"utf-16", "\xFF\xFE<\0a\0/\0>\0", "UTF-16"},
      {"invalid utf-8", "<?xml version=\"1.0\" encoding=\"utf-8\"?><a b=\"\xC3\x28\"/>", "UTF-8"},
      {"truncated", "<?xml version=\"1.0\"?>\n<Файл>\n<Документ>", "Строка"},
      {"mismatched end tag", "<a><b></a></b>", "закрывающий тег"},
      {"binary garbage", std::string("\x01\x02\x8F\x00\xFF garbage", 14), "Строка"},
      {"no element", "<?xml version=\"1.0\"?>", "корневого"},
  };
  for (const auto& c : cases) {
    TXMLFile f;
    f.LoadFromBytes(c.bytes);
    EXPECT_FALSE(f.Parse()) << c.what;
    EXPECT_NE(f.ErrorText().find(c.reasonPart), std::string::npos) << c.what << ": " << f.ErrorText();
    EXPECT_FALSE(f.Root()) << c.what;
  }
}

TEST(XmlReader, ErrorNamesLineAndColumn) {
  TXMLFile f;
  f.LoadFromBytes("<?xml version=\"1.0\"?>\n<a>\n  <b x=1/>\n</a>");
  ASSERT_FALSE(f.Parse());
  EXPECT_EQ(f.ErrorText().rfind("Строка 3, позиция", 0), 0u) << f.ErrorText();
}

TEST(XmlReader, LoadFromFileFailsForMissingAndFolders) {
  test::TempDir dir;
  TXMLFile f;
  EXPECT_FALSE(f.LoadFromFile(dir / "нет.xml"));
  EXPECT_FALSE(f.LoadFromFile(dir.path()));
  test::WriteBytes(dir / "a.xml", "<a/>");
  EXPECT_TRUE(f.LoadFromFile(dir / "a.xml"));
  EXPECT_TRUE(f.Parse());
}

TEST(XmlReader, DeepNestingAndLongValuesDoNotBreakIt) {
  std::string deep;
  constexpr int kDepth = 100000;
  deep.reserve(kDepth * 8);
  for (int i = 0; i < kDepth; ++i) deep += "<a>";
  for (int i = 0; i < kDepth; ++i) deep += "</a>";
  TXMLFile f;
  f.LoadFromBytes(deep);
  EXPECT_TRUE(f.Parse());

  const std::string big(50u << 20, '7');
  f.LoadFromBytes("<a v=\"" + big + "\"/>");
  ASSERT_TRUE(f.Parse());
  EXPECT_EQ((*f.Root().Attributes().begin()).Value.size(), big.size());
}

TEST(XmlReader, EmptyHandleIsHarmless) {
  const TXMLElement none;
  EXPECT_FALSE(none);
  EXPECT_TRUE(none.Name().empty());
  EXPECT_FALSE(none.HasAttributes());
  EXPECT_FALSE(none.HasChildren());
  EXPECT_EQ(none.ChildCount(), 0u);
}

TEST(XmlFile, FilesReadOneAfterAnotherInSharedStorageKeepTheirOwnBytes) {
  test::TempDir dir;
  const std::string big = "<Файл a=\"" + std::string(200000, 'x') + "\"><Б/></Файл>";
  const std::string small = "<Файл b=\"1\"/>";
  test::WriteBytes(dir / "big.xml", Utf8ToCp1251(big));
  test::WriteBytes(dir / "small.xml", Utf8ToCp1251(small));
  test::WriteBytes(dir / "bigger.xml", Utf8ToCp1251(big + std::string(300000, ' ')));

  const TXMLFile::SharedStorage shared;
  for (int round = 0; round < 2; ++round) {
    for (const char* name : {"big.xml", "small.xml", "missing.xml", "bigger.xml", "small.xml"}) {
      TXMLFile f;
      const bool read = f.LoadFromFile(dir / name);
      ASSERT_EQ(read, std::string(name) != "missing.xml") << name;
      if (!read) continue;
      ASSERT_TRUE(round == 0 ? f.Parse() : f.ParseInPieces("Б")) << name << ": " << f.ErrorText();
      const TXMLAttr a = *f.Root().Attributes().begin();
      if (std::string(name) == "small.xml") {
        EXPECT_EQ(a.Name, "b");  // nothing of the larger file before it shows through
        EXPECT_EQ(f.Root().ChildCount(), 0u);
      } else {
        EXPECT_EQ(a.Value.size(), 200000u) << name;
        EXPECT_EQ(f.Root().ChildCount(), 1u) << name;
      }
    }
  }
}

}  // namespace
}  // namespace orsvelt
