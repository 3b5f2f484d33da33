#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"
#include "xml/codepage.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

constexpr std::string_view kCalc = "РасчетСВ";

// Everything the model can see of e and its descendants: names, attributes in order,
// leaf texts, child lists in brackets, and the counts the model asks for.
std::string Dump(TXMLElement e) {
  std::string out(e.Name());
  for (const TXMLAttr a : e.Attributes()) out += " " + std::string(a.Name) + "=" + std::string(a.Value);
  if (!e.HasChildren()) return out + " '" + std::string(e.Text()) + "'";
  out += " #" + std::to_string(e.ChildCount()) + "(";
  for (const TXMLElement c : e.Children()) out += Dump(c) + " ";
  return out + ")";
}

struct Reading {
  bool parsed = false;
  bool piecesParsed = false;
  std::string dump;
  std::string error;
};

Reading ReadInPieces(TXMLFile& f) {
  Reading r;
  r.parsed = f.ParseInPieces(kCalc);
  if (r.parsed) r.dump = Dump(f.Root());
  r.piecesParsed = r.parsed && f.PiecesParsed();
  r.error = f.ErrorText();
  return r;
}

// The reading of the bytes in memory; the same file read from the disk through windows of
// several sizes must read alike, wherever a window ends.
Reading InPieces(const std::string& bytes) {
  TXMLFile f;
  f.LoadFromBytes(bytes);
  const Reading inMemory = ReadInPieces(f);
  const test::TempDir dir;
  test::WriteBytes(dir / "r.xml", bytes);
  for (const std::size_t window : {std::size_t{7}, std::size_t{64}, std::size_t{1000}, TXMLFile::kDiskWindowBytes}) {
    TXMLFile onDisk;
    EXPECT_TRUE(onDisk.OpenFile(dir / "r.xml", window));
    const Reading fromDisk = ReadInPieces(onDisk);
    EXPECT_EQ(fromDisk.parsed, inMemory.parsed) << window;
    EXPECT_EQ(fromDisk.piecesParsed, inMemory.piecesParsed) << window;
    EXPECT_EQ(fromDisk.dump, inMemory.dump) << window;
    EXPECT_EQ(fromDisk.error, inMemory.error) << window;
  }
  return inMemory;
}

Reading Whole(const std::string& bytes) {
  TXMLFile f;
  f.LoadFromBytes(bytes);
  Reading r;
  r.parsed = f.Parse();
  if (r.parsed) r.dump = Dump(f.Root());
  r.error = f.ErrorText();
  return r;
}

void ExpectSameAsWhole(const std::string& utf8, bool asCp1251 = true) {
  const std::string bytes = asCp1251 ? Utf8ToCp1251(utf8) : utf8;
  const Reading whole = Whole(bytes);
  ASSERT_TRUE(whole.parsed) << whole.error << "\n" << utf8;
  const Reading pieces = InPieces(bytes);
  ASSERT_TRUE(pieces.parsed) << pieces.error << "\n" << utf8;
  EXPECT_TRUE(pieces.piecesParsed) << utf8;
  EXPECT_EQ(pieces.dump, whole.dump) << utf8;
}

TEST(XmlReaderInPieces, GivesTheTreeOfTheWholeParse) {
  const std::string head = "<?xml version=\"1.0\" encoding=\"windows-1251\"?>\n<Файл ИдФайл=\"x\">";
  for (const std::string body : {
           // the usual layout, blanks and line ends between the children
           "<Документ><СвНП/><РасчетСВ>\n  <ОбязПлатСВ ОКТМО=\"1\"><УплПерОПС Сум=\"1.00\"/></ОбязПлатСВ>\n"
           "  <ПерсСвСтрахЛиц НомКорр=\"0\">т&amp;кст</ПерсСвСтрахЛиц>\r\n</РасчетСВ><Подписант/></Документ>",
           // empty in every form, attributes of its own, and a longer name that begins alike
           "<Документ><РасчетСВ/><РасчетСВ></РасчетСВ><РасчетСВ>  \n </РасчетСВ><РасчетСВ2><Б/></РасчетСВ2>"
           "<РасчетСВ\n  a=\"1\" b='2'><В/></РасчетСВ ></Документ>",
           // quotes holding what looks like markup, both kinds of quotes
           "<Документ><РасчетСВ><А x=\"a>b/\" y='</РасчетСВ>' z=\"'\"/><Б w='\"/>'>t</Б></РасчетСВ></Документ>",
           // one nested in another, and several in several documents
           "<Документ><РасчетСВ><РасчетСВ><Г/></РасчетСВ><Д/></РасчетСВ></Документ>"
           "<Документ Период=\"31\"><РасчетСВ><Е/></РасчетСВ></Документ>",
           // deep children and texts inside them
           "<Документ><РасчетСВ><А><Б><В>1</В><В>2</В></Б></А>\t<А/></РасчетСВ></Документ>",
       })
    ExpectSameAsWhole(head + body + "</Файл>");
}

TEST(XmlReaderInPieces, ReadsUtf8Files) {
  ExpectSameAsWhole("\xEF\xBB\xBF<Файл><Документ><РасчетСВ><Ж а=\"№1\"/><З/></РасчетСВ></Документ></Файл>",
                    /*asCp1251=*/false);
  ExpectSameAsWhole("<?xml version=\"1.0\" encoding=\"UTF-8\"?><Файл><РасчетСВ><Ж/></РасчетСВ></Файл>",
                    /*asCp1251=*/false);
}

TEST(XmlReaderInPieces, WalksChildrenAcrossManyRunsInOrder) {
  // Far more than one run of children, some of them large and one larger than any run,
  // with the count the model asks for.
  std::string body;
  std::string expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string n = std::to_string(i);
    const std::size_t filler = i == 5000 ? 1500000 : i % 997 == 0 ? 300000 : 0;  // runs of one element too
    body += "<Л Н=\"" + n + "\">" + (filler ? std::string(filler, 'z') : n) + "</Л>\n";
  }
  const std::string text = "<Файл><Документ><РасчетСВ>" + body + "</РасчетСВ></Документ></Файл>";
  ExpectSameAsWhole(text);

  TXMLFile f;
  f.LoadFromBytes(Utf8ToCp1251(text));
  ASSERT_TRUE(f.ParseInPieces(kCalc));
  const TXMLElement calc = *(*f.Root().Children().begin()).Children().begin();
  EXPECT_EQ(calc.ChildCount(), 20000u);
  int next = 0;
  for (const TXMLElement person : calc.Children()) {
    ASSERT_EQ((*person.Attributes().begin()).Value, std::to_string(next));
    ++next;
  }
  EXPECT_EQ(next, 20000);
  EXPECT_TRUE(f.PiecesParsed());
}

TEST(XmlReaderInPieces, FallsBackToTheWholeParseWhereAScanCannotSplit) {
  // Text among the children, marks that may hide tags, an end tag of another name: the
  // whole text is parsed, so the tree is still the whole parse's.
  for (const std::string calc : {
           "<РасчетСВ>text<А/></РасчетСВ>",
           "<РасчетСВ><А/>,<Б/></РасчетСВ>",
           "<РасчетСВ><!-- x --><А/></РасчетСВ>",
           "<РасчетСВ><А><![CDATA[<Б>]]></А></РасчетСВ>",
           "<РасчетСВ><?pi x?><А/></РасчетСВ>",
       })
    ExpectSameAsWhole("<Файл><Документ>" + calc + "</Документ></Файл>");
  // An attribute that holds the start tag: the scan finds it where pugixml sees no element.
  ExpectSameAsWhole("<Файл x=\"<РасчетСВ>\"><Документ><РасчетСВ><А/></РасчетСВ></Документ></Файл>");
  ExpectSameAsWhole("<Файл x=\"<РасчетСВ><Б/></РасчетСВ>\"><Документ><РасчетСВ/></Документ></Файл>");
}

TEST(XmlReaderInPieces, ABrokenPieceShowsAtTheWalkAndTheWholeParseSaysWhere) {
  for (const std::string& calc : std::vector<std::string>{
           "<РасчетСВ><А><Б></А></Б></РасчетСВ>",  // crossed end tags
           "<РасчетСВ><А x=\"1\" x=\"2\"/></РасчетСВ>",  // pugixml takes this; the model sees both
           "<РасчетСВ><А/><Б x=\"1/></РасчетСВ><В/></Документ></Файл>",  // quote left open
           "<РасчетСВ><А>&#;</А><Б/ ></РасчетСВ>",
           "<РасчетСВ><А/" + std::string(2, '\0') + " x=\"1\"><Б/></А></РасчетСВ>",  // a NUL ends pugixml's text
       }) {
    const std::string bytes = Utf8ToCp1251("<Файл><Документ>" + calc + "</Документ></Файл>");
    const Reading whole = Whole(bytes);
    const Reading pieces = InPieces(bytes);
    if (whole.parsed) {
      EXPECT_TRUE(pieces.piecesParsed) << calc;
      EXPECT_EQ(pieces.dump, whole.dump) << calc;
      continue;
    }
    EXPECT_FALSE(pieces.parsed && pieces.piecesParsed) << calc;
    if (!pieces.parsed) {
      EXPECT_EQ(pieces.error, whole.error) << calc;
    }
  }
}

TEST(XmlReaderInPieces, PiecesTheWalkLeftUnreadAreCheckedAtTheEnd) {
  std::string body;
  for (int i = 0; i < 5000; ++i) body += "<ПерсСвСтрахЛиц Н=\"" + std::string(100, 'f') + "\"/>";
  body += "<ПерсСвСтрахЛиц><А></Б></ПерсСвСтрахЛиц>";
  TXMLFile f;
  f.LoadFromBytes(Utf8ToCp1251("<Файл><Документ><РасчетСВ>" + body + "</РасчетСВ></Документ></Файл>"));
  ASSERT_TRUE(f.ParseInPieces(kCalc));
  EXPECT_EQ(f.Root().Name(), "Файл");  // the walk stops before the calculation
  EXPECT_FALSE(f.PiecesParsed());
  EXPECT_FALSE(f.Parse());
  EXPECT_NE(f.ErrorText().find("Строка 1, позиция"), std::string::npos) << f.ErrorText();
}

TEST(XmlReaderInPieces, WhatAWindowOfTheDiskMeetsLateIsSeenAsInMemory) {
  // Past the first windows: broken UTF-8, a NUL, a comment, and a declaration the head of
  // the file does not hold.
  std::string persons;
  for (int i = 0; i < 3000; ++i) persons += "<Л Н=\"" + std::to_string(i) + "\">ж</Л>\n";
  const std::string calc = "<Файл><Документ><РасчетСВ>" + persons;
  const std::string end = "</РасчетСВ></Документ></Файл>";
  const std::string utf8Head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  for (const std::string& bytes : {utf8Head + calc + "<Л>\xD0</Л>" + end, utf8Head + calc + "\xD0" + end,
                                   utf8Head + calc + end + "\xE2\x82", Utf8ToCp1251(calc) + std::string(1, '\0') + end,
                                   Utf8ToCp1251(calc + "<!-- x -->" + end),
                                   Utf8ToCp1251("<?xml version=\"1.0\"" + std::string(3000, ' ') + "?>" + calc + end),
                                   std::string(5000, ' ') + Utf8ToCp1251(calc + end)}) {
    const Reading whole = Whole(bytes);
    const Reading pieces = InPieces(bytes);
    EXPECT_EQ(pieces.parsed && pieces.piecesParsed, whole.parsed);
    if (!pieces.parsed) {
      EXPECT_EQ(pieces.error, whole.error);
    }
  }
}

TEST(XmlReaderInPieces, AFileOnTheDiskParsedWholeOrShortIsReadFirst) {
  const test::TempDir dir;
  test::WriteCp1251(dir / "r.xml", "<Файл><Документ><РасчетСВ><А/></РасчетСВ></Документ></Файл>");
  TXMLFile whole;
  ASSERT_TRUE(whole.OpenFile(dir / "r.xml", 7));
  ASSERT_TRUE(whole.Parse());
  EXPECT_EQ(Dump(whole.Root()), Whole(Utf8ToCp1251("<Файл><Документ><РасчетСВ><А/></РасчетСВ></Документ></Файл>")).dump);
  TXMLFile shortened;
  ASSERT_TRUE(shortened.OpenFile(dir / "r.xml", 7));
  ASSERT_TRUE(shortened.ParseWithoutContentsOf(kCalc));
  EXPECT_EQ(Dump(shortened.Root()), "Файл #1(Документ #1(РасчетСВ '' ) )");
  TXMLFile missing;
  EXPECT_FALSE(missing.OpenFile(dir / "нет.xml"));
  EXPECT_FALSE(missing.ErrorText().empty());
}

TEST(XmlReaderInPieces, RefusesWhatParseRefusesWithItsText) {
  for (const std::string& bytes : {std::string(" \n "), std::string("\xFF\xFE<\0a\0", 6),
                                  std::string("<?xml version=\"1.0\" encoding=\"koi8-r\"?><a/>"),
                                  std::string("\xEF\xBB\xBF<a>\xC3</a>"), Utf8ToCp1251("<Файл><РасчетСВ><А/>")}) {
    const Reading whole = Whole(bytes);
    const Reading pieces = InPieces(bytes);
    ASSERT_FALSE(whole.parsed);
    EXPECT_FALSE(pieces.parsed);
    EXPECT_EQ(pieces.error, whole.error);
  }
}

}  // namespace
}  // namespace orsvelt
