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
}

TEST(FileRoot, Faults) {
  struct Case {
    const char* body;
    Lines errors;
  } cases[] = {
      {"<Файл/>", {": Тэг Файл не содержит атрибутов. Чтение невозможно."}},
      {"<Файл ВерсФорм=\"5.02\"/>", {": Тэг Файл не содержит дочерних тэгов. Чтение невозможно."}},
      {"<Файл ВерсФорм=\"5.03\"><Документ/></Файл>", {": Неизвестная версия формата - 5.03. Чтение невозможно."}},
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
  Loaded unknown("<Файл ВерсФорм=\"5.03\"><Документ/></Файл>");
  EXPECT_FALSE(unknown.file.Document501 || unknown.file.Document502);
}

}  // namespace
}  // namespace orsvelt
