#include "model/rsvnalog.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/rsv501/document.h"
#include "model/rsv502/document.h"
#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

using Lines = std::vector<std::string>;

struct Loaded {
  TXMLFile xml;
  TRSVFile file;
  explicit Loaded(const std::string& body) {
    xml.LoadFromBytes("<?xml version=\"1.0\" encoding=\"utf-8\"?>" + body);
    EXPECT_TRUE(xml.Parse()) << xml.ErrorText();
    file.Load(xml.Root(), "");
  }
};

TEST(FileRoot, ReadsIdentityAndCreatesTheDocumentOfItsVersion) {
  Loaded a("<Файл ИдФайл=\"NO_&quot;1\" ВерсПрог=\"П 1\" ВерсФорм=\"5.02\" Прочее=\"x\"><Документ/></Файл>");
  EXPECT_EQ(a.file.FileId, "NO_&quot;1");  // the root's attributes are kept as written
  EXPECT_EQ(a.file.ProgramVersion, "П 1");
  EXPECT_EQ(a.file.FormatVersion, "5.02");
  EXPECT_TRUE(a.file.Document502);
  EXPECT_FALSE(a.file.Document501);

  Loaded b("<Файл ВерсФорм=\"5.01\"><Документ/></Файл>");
  EXPECT_TRUE(b.file.Document501);
  EXPECT_FALSE(b.file.Document502);

  // 5.03 and 5.04 read with the classes of 5.02, but never as a 5.02 report; 5.05 to 5.08 alike.
  for (const char* version : {"5.03", "5.04"}) {
    Loaded c(std::string("<Файл ВерсФорм=\"") + version + "\"><Документ/></Файл>");
    EXPECT_TRUE(c.file.Document503) << version;
    EXPECT_FALSE(c.file.Document502) << version;
  }
  for (const char* version : {"5.05", "5.06", "5.07", "5.08"}) {
    Loaded d(std::string("<Файл ВерсФорм=\"") + version + "\"><Документ/></Файл>");
    EXPECT_TRUE(d.file.Document505) << version;
    EXPECT_FALSE(d.file.Document502 || d.file.Document503) << version;
  }
}

TEST(FileRoot, Faults) {
  struct Case {
    const char* body;
    Lines errors;
  } cases[] = {
      {"<Файл/>", {": Тэг Файл не содержит атрибутов. Чтение невозможно."}},
      {"<Файл ВерсФорм=\"5.02\"/>", {": Тэг Файл не содержит дочерних тэгов. Чтение невозможно."}},
      {"<Файл ВерсФорм=\"5.09\"><Документ/></Файл>", {": Неизвестная версия формата - 5.09. Чтение невозможно."}},
      {"<Файл ВерсФорм=\"5.02 \"><Документ/></Файл>",
       {": Неизвестная версия формата - 5.02 . Чтение невозможно."}},
      {"<Файл ИдФайл=\"1\"><Документ/></Файл>", {": Неизвестная версия формата - . Чтение невозможно."}},
  };
  for (const auto& c : cases) {
    Loaded l(c.body);
    EXPECT_EQ(l.file.Errors, c.errors) << c.body;
  }
  // An unknown child is reported and the document is still read (its own messages follow).
  Loaded extra("<Файл ВерсФорм=\"5.02\"><Лишний/><Документ/></Файл>");
  ASSERT_FALSE(extra.file.Errors.empty());
  EXPECT_EQ(extra.file.Errors.front(), ": Неизвестный тэг - Лишний. Чтение невозможно.");
  EXPECT_TRUE(extra.file.Document502);
  Loaded unknown("<Файл ВерсФорм=\"5.09\"><Документ/></Файл>");
  EXPECT_FALSE(unknown.file.Document501 || unknown.file.Document502 || unknown.file.Document503 ||
               unknown.file.Document505);
}

}  // namespace
}  // namespace orsvelt
