#include "model/common/format5.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

// Parses a UTF-8 fragment and hands out its root element.
class Fragment {
 public:
  explicit Fragment(const std::string& xml) {
    file_.LoadFromBytes("<?xml version=\"1.0\" encoding=\"utf-8\"?>" + xml);
    EXPECT_TRUE(file_.Parse()) << file_.ErrorText();
  }
  TXMLElement root() const { return file_.Root(); }

 private:
  TXMLFile file_;
};

template <class T>
std::vector<std::string> LoadErrors(const std::string& xml, T& obj, const std::string& path = " - P") {
  Fragment f(xml);
  const bool ok = obj.Load(f.root(), path);
  EXPECT_EQ(ok, obj.Errors.empty());
  return obj.Errors;
}

using Lines = std::vector<std::string>;

TEST(CommonElements, OrganisationNeedsExactlyThreeAttributes) {
  TOrgUL ul;
  EXPECT_EQ(LoadErrors("<НПЮЛ НаимОрг=\"ООО\" ИННЮЛ=\"7701\"/>", ul),
            Lines{" - P: В тэге \"Сведения о юридическом лице\" должно быть ровно 3 атрибута."});
  EXPECT_EQ(ul.НаимОрг, "");
  EXPECT_EQ(ul.ИННЮЛ, "");

  EXPECT_EQ(LoadErrors("<НПЮЛ НаимОрг=\"ООО &quot;Ромашка&quot;\" ИННЮЛ=\"7701\" ОГРН=\"1\"/>", ul),
            Lines{" - P: Недопустимый атрибут с именем \"ОГРН\" в тэге \"Сведения о юридическом лице\""});
  EXPECT_EQ(ul.НаимОрг, "ООО \"Ромашка\"");
}

TEST(CommonElements, OrganisationReorganisation) {
  TOrgUL ul;
  EXPECT_TRUE(LoadErrors("<НПЮЛ НаимОрг=\"А\" ИННЮЛ=\"1\" КПП=\"2\">"
                         "<СвРеоргЮЛ ФормРеорг=\"1\" ИННЮЛ=\"3\" КПП=\"4\"/></НПЮЛ>",
                         ul)
                  .empty());
  EXPECT_EQ(ul.ФормРеорг, "1");
  EXPECT_EQ(ul.СвРеоргЮЛ_ИННЮЛ, "3");
  EXPECT_EQ(ul.СвРеоргЮЛ_КПП, "4");
  EXPECT_EQ(ul.ИННЮЛ, "1");

  EXPECT_EQ(LoadErrors("<НПЮЛ НаимОрг=\"А\" ИННЮЛ=\"1\" КПП=\"2\"><СвРеоргЮЛ ФормРеорг=\"1\" ИННЮЛ=\"3\"/>"
                       "<СвРеоргЮЛ Х=\"1\"/><Лишний/></НПЮЛ>",
                       ul),
            (Lines{" - P - СвРеоргЮЛ: Тэг \"Сведения о реорганизованной (ликвидированной) организации\" должен "
                   "содержать 1 или 3 элемента.",
                   " - P - СвРеоргЮЛ: Недопустимый атрибут Х в тэге \"Сведения о реорганизованной "
                   "(ликвидированной) организации\".",
                   " - P: Недопустимый дочерний тэг с именем \"Лишний\" в тэге \"Сведения о юридическом лице\""}));
}

TEST(CommonElements, AttributeRulesOfTheSmallElements) {
  TFIO fio;
  EXPECT_EQ(LoadErrors("<ФИО/>", fio), Lines{" - P: В тэге \"Фамилия, имя, отчество\" должны быть атрибуты."});
  EXPECT_EQ(LoadErrors("<ФИО Фамилия=\"Иванов\" Инициалы=\"И\"><X/></ФИО>", fio),
            Lines{" - P: Неизвестный атрибут с именем Инициалы"});
  EXPECT_EQ(fio.Фамилия, "Иванов");

  TUdLichn ud;
  EXPECT_EQ(LoadErrors("<УдЛичнФЛ><X/></УдЛичнФЛ>", ud),
            (Lines{" - P: В тэге \"Сведения о документе, удостоверяющем личность\" отсутствуют атрибуты.",
                   " - P: В тэге \"Сведения о документе, удостоверяющем личность\" присутствуют дочерние тэги, "
                   "не предусмотренные форматом."}));

  TAddrRF addr;
  EXPECT_EQ(LoadErrors("<АдрМЖРФ Индекс=\"101000\" Дом2=\"1\"/>", addr),
            Lines{" - P: Недопустимый атрибут с именем \"Дом2\" в тэге \"Адрес в Российской Федерации\""});
  EXPECT_EQ(addr.Индекс, "101000");

  TSvPred pred;
  EXPECT_EQ(LoadErrors("<СвПред НаимДок=\"1\" НаимОрг=\"2\" Х=\"3\"/>", pred),
            Lines{" - P: В тэге \"Сведения о представителе плательщика страховых взносов\" должно быть один или "
                  "два атрибута."});
  EXPECT_EQ(pred.НаимДок, "");
}

TEST(CommonElements, SignerReadsItsFlagAndTakesOverChildren) {
  TPodpisant p;
  EXPECT_TRUE(LoadErrors("<Подписант ПрПодп=\"2\"><ФИО Фамилия=\"А\"/><СвПред НаимДок=\"Д\"/></Подписант>", p)
                  .empty());
  EXPECT_EQ(p.ПрПодп, 2);
  ASSERT_TRUE(p.ФИО);
  EXPECT_EQ(p.ФИО->Фамилия, "А");
  ASSERT_TRUE(p.СвПред);

  EXPECT_EQ(LoadErrors("<Подписант ПрПодп=\"Б\"><ФИО/><Печать/></Подписант>", p),
            (Lines{" - P: Неверное значение реквизита \"Признак лица, подписавшего документ\".",
                   " - P - ФИО: В тэге \"Фамилия, имя, отчество\" должны быть атрибуты.",
                   " - P: Недопустимый дочерний элемент с именем Печать"}));
  EXPECT_EQ(LoadErrors("<Подписант/>", p),
            Lines{" - P: В тэге \"Сведения о лице, подписавшем документ\" должен быть ровно один атрибут."});
}

TEST(CommonElements, EntrepreneurAndNaturalPerson) {
  TOrgIP ip;
  EXPECT_TRUE(LoadErrors("<НПИП ИННФЛ=\"770100000001\"><ФИОИП Фамилия=\"Петров\"/></НПИП>", ip).empty());
  EXPECT_EQ(ip.ИННФЛ, "770100000001");
  ASSERT_TRUE(ip.ФИОИП);
  EXPECT_EQ(ip.ФИОИП->Фамилия, "Петров");
  const std::string tag =
      "\"Сведения об индивидуальном предпринимателе, главе крестьянского (фермерского) хозяйства\"";
  EXPECT_EQ(LoadErrors("<НПИП ИНН=\"1\"><ФИО Фамилия=\"П\"/></НПИП>", ip),
            (Lines{" - P: Недопустимый атрибут с именем ИНН", " - P: Недопустимый дочерний элемент с именем ФИО"}));

  TOrgPL pl;
  EXPECT_EQ(LoadErrors("<НПФЛ/>", pl),
            Lines{" - P: В тэге \"Плательщик страховых взносов - физическое лицо, не являющееся ИП\" должны "
                  "присутствовать дочерние тэги."});
  EXPECT_EQ(LoadErrors("<НПФЛ><ФИО/><ИННФЛ> 7701&amp;1 </ИННФЛ><СвНПФЛ ДатаРожд=\"01.01.1980\">"
                       "<АдрМЖРФ/></СвНПФЛ><Прочее/></НПФЛ>",
                       pl),
            (Lines{" - P - ФИО [1]: В тэге \"Фамилия, имя, отчество\" должны быть атрибуты.",
                   " - P - СвНПФЛ [3] - АдрМЖРФ: В тэге \"Адрес в Российской Федерации\" отсутствуют атрибуты.",
                   " - P: Недопустимое имя дочернего тэга: Прочее"}));
  EXPECT_EQ(pl.ИННФЛ, "7701&1");
  ASSERT_TRUE(pl.СвНПФЛ);
  EXPECT_EQ(pl.СвНПФЛ->ДатаРожд, "01.01.1980");
}

TEST(CommonElements, LoadStartsFromScratch) {
  TOrgUL ul;
  LoadErrors("<НПЮЛ НаимОрг=\"А\" ИННЮЛ=\"1\" КПП=\"2\"><СвРеоргЮЛ ФормРеорг=\"1\"/></НПЮЛ>", ul);
  EXPECT_TRUE(LoadErrors("<НПЮЛ НаимОрг=\"Б\" ИННЮЛ=\"3\" КПП=\"4\"/>", ul).empty());
  EXPECT_EQ(ul.ФормРеорг, "");
  EXPECT_EQ(ul.НаимОрг, "Б");
}

}  // namespace
}  // namespace orsvelt
