#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"
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

// Shape without what lies inside the elements cut: where the scan in memory cannot cut
// (a nested element of the name), the whole parse keeps their contents, which a title read
// empties anyway.
std::string ShapeOutsideCut(TXMLElement e) {
  std::string out(e.Name());
  if (e.Name() == kCalc || !e.HasChildren()) return out;
  out += "(";
  for (const TXMLElement c : e.Children()) out += ShapeOutsideCut(c) + " ";
  out += ")";
  return out;
}

struct Parsed {
  bool ok = false;
  std::string shape;
  std::string outsideCut;
  std::string error;
};

Parsed Skipping(TXMLFile& f) {
  Parsed p;
  p.ok = f.ParseWithoutContentsOf(kCalc);
  p.shape = p.ok ? Shape(f.Root()) : "";
  p.outsideCut = p.ok ? ShapeOutsideCut(f.Root()) : "";
  p.error = f.ErrorText();
  return p;
}

// The cut of the bytes in memory; the same file on the disk, cut by the outline's scan
// through windows of several sizes (or by the cut of its whole text where the scan cannot),
// must read alike.
Parsed ParseSkipping(std::string_view utf8, bool asCp1251 = true) {
  const std::string bytes = asCp1251 ? Utf8ToCp1251(utf8) : std::string(utf8);
  TXMLFile f;
  f.LoadFromBytes(bytes);
  const Parsed inMemory = Skipping(f);
  const test::TempDir dir;
  test::WriteBytes(dir / "r.xml", bytes);
  for (const std::size_t window : {std::size_t{7}, std::size_t{100}, TXMLFile::kDiskWindowBytes}) {
    TXMLFile onDisk;
    EXPECT_TRUE(onDisk.OpenFile(dir / "r.xml", window));
    const Parsed fromDisk = Skipping(onDisk);
    EXPECT_EQ(fromDisk.ok, inMemory.ok) << window;
    EXPECT_EQ(fromDisk.outsideCut, inMemory.outsideCut) << window;
    EXPECT_EQ(fromDisk.error, inMemory.error) << window;
  }
  return inMemory;
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
  const test::TempDir dir;
  test::WriteBytes(dir / "r.xml", text);
  TXMLFile inMemory, onDisk;
  inMemory.LoadFromBytes(text);
  ASSERT_TRUE(onDisk.OpenFile(dir / "r.xml"));
  for (TXMLFile* f : {&inMemory, &onDisk}) {
    ASSERT_TRUE(f->ParseWithoutContentsOf(kCalc)) << f->ErrorText();
    EXPECT_EQ((*f->Root().Attributes().begin()).Value, "№1 &amp; 2");
    EXPECT_EQ(Shape(f->Root()), "Файл(Документ(РасчетСВ ) )");
  }
}

// What the cut leaves out is never read: a calculation whose bytes break (a NUL, UTF-8 that
// breaks) still gives its title, from the disk as from memory.
TEST(XmlReaderWithoutContents, ADamagedCalculationStillGivesItsTitle) {
  const std::string head = "\xEF\xBB\xBF<Файл ИдФайл=\"1\"><Документ Период=\"21\"><РасчетСВ><А>";
  const std::string tail = "</А></РасчетСВ><Подписант/></Документ></Файл>";
  for (const std::string& damage : {std::string("\xD0"), std::string(1, '\0'), std::string("\xFF\xFE")}) {
    const Parsed p = ParseSkipping(head + damage + tail, /*asCp1251=*/false);
    EXPECT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.shape, "Файл(Документ(РасчетСВ Подписант ) )");
  }
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
