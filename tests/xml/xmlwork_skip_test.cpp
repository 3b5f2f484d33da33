#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "xml/codepage.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

constexpr std::string_view kCalc = "РасчетСВ";

// The names of e and of its descendants, depth first, each child list in brackets.
std::string Shape(TXMLElement e) {
  std::string out(e.Name());
  if (!e.HasChildren()) return out;
  out += "(";
  for (const TXMLElement c : e.Children()) out += Shape(c) + " ";
  out += ")";
  return out;
}

struct Parsed {
  bool ok = false;
  std::string shape;
  std::string error;
};

Parsed ParseSkipping(std::string_view utf8, bool asCp1251 = true) {
  TXMLFile f;
  f.LoadFromBytes(asCp1251 ? Utf8ToCp1251(utf8) : std::string(utf8));
  Parsed p;
  p.ok = f.ParseWithoutContentsOf(kCalc);
  p.shape = p.ok ? Shape(f.Root()) : "";
  p.error = f.ErrorText();
  return p;
}

Parsed ParseWhole(std::string_view utf8) {
  TXMLFile f;
  f.LoadFromBytes(Utf8ToCp1251(utf8));
  Parsed p;
  p.ok = f.Parse();
  p.shape = p.ok ? Shape(f.Root()) : "";
  p.error = f.ErrorText();
  return p;
}

TEST(XmlReaderWithoutContents, CutsEveryElementOfTheNameAndKeepsWhatSurroundsIt) {
  const std::string text =
      "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n"
      "<Файл ИдФайл=\"x\">"
      "<Документ Период=\"21\"><СвНП/><РасчетСВ><ОбязПлатСВ><Лишний>&bad; <<</Лишний></ОбязПлатСВ></РасчетСВ>"
      "<Подписант/></Документ>"
      "<Документ Период=\"31\"><РасчетСВ/><РасчетСВ2><Б/></РасчетСВ2><РасчетСВ\n"
      "  a=\"1\"><В/></РасчетСВ></Документ>"
      "</Файл>";
  EXPECT_FALSE(ParseWhole(text).ok) << "the body is not well-formed";
  const Parsed p = ParseSkipping(text);
  ASSERT_TRUE(p.ok) << p.error;
  EXPECT_EQ(p.shape, "Файл(Документ(СвНП РасчетСВ Подписант ) Документ(РасчетСВ РасчетСВ2(Б ) РасчетСВ ) )");
}

TEST(XmlReaderWithoutContents, ReadsUtf8FilesAndKeepsTheTitleValuesAsWritten) {
  const std::string text =
      "\xEF\xBB\xBF<Файл ИдФайл=\"№1 &amp; 2\"><Документ><РасчетСВ><Ж/></РасчетСВ></Документ></Файл>";
  TXMLFile f;
  f.LoadFromBytes(text);
  ASSERT_TRUE(f.ParseWithoutContentsOf(kCalc)) << f.ErrorText();
  EXPECT_EQ((*f.Root().Attributes().begin()).Value, "№1 &amp; 2");
  EXPECT_EQ(Shape(f.Root()), "Файл(Документ(РасчетСВ ) )");
}

TEST(XmlReaderWithoutContents, ParsesTheWholeTextWhereAScanCannotCutSafely) {
  // A comment, CDATA or an instruction may hold what looks like a tag; the cut is not tried.
  for (const std::string hidden :
       {"<!-- <РасчетСВ> -->", "<Т><![CDATA[<РасчетСВ>]]></Т>", "<?pi <РасчетСВ> ?>"}) {
    const std::string text = "<Файл>" + hidden + "<Документ><РасчетСВ><А/></РасчетСВ></Документ></Файл>";
    const Parsed whole = ParseWhole(text);
    const Parsed p = ParseSkipping(text);
    ASSERT_TRUE(p.ok) << hidden << ": " << p.error;
    EXPECT_EQ(p.shape, whole.shape) << hidden;
  }
}

TEST(XmlReaderWithoutContents, AgreesWithTheWholeParseWhereTheShortTextIsNoDocument) {
  const std::vector<std::string> texts = {
      "<Файл><Документ><РасчетСВ><А/></Документ></Файл>",  // the element is never closed
      "<Файл ИдФайл=><Документ><РасчетСВ><А/></РасчетСВ></Документ></Файл>",  // a broken title
      "<Файл><Документ><РасчетСВ><РасчетСВ></РасчетСВ></РасчетСВ></Документ></Файл>",  // nested: valid
      "",
  };
  for (const std::string& text : texts) {
    const Parsed whole = ParseWhole(text);
    const Parsed p = ParseSkipping(text);
    EXPECT_EQ(p.ok, whole.ok) << text;
    EXPECT_EQ(p.shape, whole.shape) << text;
    EXPECT_EQ(p.error, whole.error) << "positions count in the whole text: " << text;
  }
}

}  // namespace
}  // namespace orsvelt
