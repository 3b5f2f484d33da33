#include "model/common/element_rules.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "xml/xmlwork.h"

namespace orsvelt {
namespace {

using namespace element;

TEST(ElementWording, FillsEachPlaceholderAndNothingElse) {
  struct Case {
    std::string_view text, expected;
  } cases[] = {
      {"{path}: Тэг {tag} - неизвестный атрибут {name}", " P - A: Тэг Т - неизвестный атрибут Имя"},
      {"Атрибут тэга {tag} {name} имеет не числовое значение.", "Атрибут тэга Т Имя имеет не числовое значение."},
      {"{path} - @{name}{name}", " P - A - @ИмяИмя"},
      {"{пусто} {path", "{пусто} {path"},
      {"{{path}}", "{ P - A}"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Say({c.text}, " P - A", "Т", "Имя"), c.expected) << c.text;
}

// Names come from the report: a name that looks like a placeholder is written as it is.
TEST(ElementWording, ValuesAreNotExpandedAgain) {
  EXPECT_EQ(Say({"{path}: {name}"}, "{name}", "Т", "{path}{tag}"), "{name}: {path}{tag}");
}

TEST(ChildPathForms, NumberEachWayFromThePositionsGiven) {
  struct Case {
    const ChildPath* form;
    std::string_view expected;
  } cases[] = {
      {&kDashName, "P - Э"},           {&kSpaceName, "P Э"},
      {&kSiblingIndex, "P - Э[4]"},     {&kSiblingIndexSpaced, "P - Э (4)"},
      {&kSiblingNumber, "P - Э(5)"},    {&kSiblingNumberSpaced, "P - Э [5]"},
      {&kListIndex, "P - Э[1]"},        {&kListNumber, "P - Э[2]"},
  };
  for (const auto& c : cases) {
    std::string out = "stale";
    BuildChildPath(out, "P", "Э", *c.form, 4, 1);
    EXPECT_EQ(out, c.expected);
  }
}

struct Leaf : TElem {
  std::int32_t N = 7;
  Amount S = 0;
  void Clear() { *this = Leaf(); }
  bool Load(TXMLElement e, const std::string& path);
  static inline bool asWritten = false;
};

bool Leaf::Load(TXMLElement e, const std::string& path) {
  static constexpr AttrField<Leaf> kAttrs[] = {Int32Attr("N", &Leaf::N), AmountAttr("S", &Leaf::S)};
  static constexpr Rules<Leaf> kFirst{.tag = "L",
                                      .children = Forbidden({"{path}: {tag} без детей"}),
                                      .unknown = {.attribute = {"{path}: ? {name}"}},
                                      .values = {{"{path}: N {name}"}, {"{path}: S {name}"}},
                                      .attrs = kAttrs,
                                      .childrenFirst = true};
  static constexpr Rules<Leaf> kWritten{.tag = "L",
                                        .children = Forbidden({"{path}: {tag} без детей"}),
                                        .unknown = {.attribute = {"{path}: ? {name}"}},
                                        .values = {{"{path}: N {name}"}, {"{path}: S {name}"}, true, true},
                                        .attrs = kAttrs};
  return LoadElement(*this, e, path, asWritten ? kWritten : kFirst);
}

struct Parent : TElem {
  std::unique_ptr<Leaf> One;
  std::vector<Leaf> Many;
  void Clear() { *this = Parent(); }
  bool Load(TXMLElement e, const std::string& path);
  static inline bool endOnBrokenRule = false;
};

bool Parent::Load(TXMLElement e, const std::string& path) {
  static constexpr ChildField<Parent> kKids[] = {ChildEntry<&Parent::One>("One", kDashName),
                                                 ChildEntry<&Parent::Many>("Many", kListIndex)};
  Rules<Parent> rules{.tag = "Р",
                      .attributes = Forbidden({"{path}: {tag} без атрибутов"}),
                      .children = Required({"{path}: {tag} с детьми"}),
                      .unknown = {.child = {"{path}: ?? {name}"}},
                      .kids = kKids,
                      .brokenRuleEndsReading = endOnBrokenRule};
  return LoadElement(*this, e, path, rules);
}

template <class C>
C LoadText(std::string_view utf8) {
  TXMLFile file;
  file.LoadFromBytes("<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + std::string(utf8));
  EXPECT_TRUE(file.Parse()) << utf8;
  C obj;
  const bool ok = obj.Load(file.Root(), "P");
  EXPECT_EQ(ok, obj.Errors.empty());
  return obj;
}

TEST(LoadElement, ChildrenFirstPutsTheirMessagesBeforeTheAttributes) {
  Leaf::asWritten = false;
  const Leaf leaf = LoadText<Leaf>(R"(<L X="1" N="z" S="1,5"><K/></L>)");
  EXPECT_EQ(leaf.Errors, (Messages{"P: L без детей", "P: ? X", "P: N N", "P: S S"}));
  EXPECT_EQ(leaf.N, 7) << "an unreadable number is left as it was";
}

TEST(LoadElement, VersionReadingAmountsAsWrittenAndZeroingUnreadableValues) {
  Leaf::asWritten = true;
  const Leaf leaf = LoadText<Leaf>(R"(<L N="z" S="1&#48;.5"/>)");
  Leaf::asWritten = false;
  EXPECT_EQ(leaf.Errors, (Messages{"P: N N", "P: S S"}));
  EXPECT_EQ(leaf.N, 0);
  const Leaf decoded = LoadText<Leaf>(R"(<L S="1&#48;.5"/>)");
  EXPECT_TRUE(decoded.Errors.empty());
  EXPECT_EQ(decoded.S, 105000);
}

TEST(LoadElement, SlotsListsPathsAndUnknownChildren) {
  const Parent p = LoadText<Parent>(R"(<Р><Many N="a"/><One N="b"/><Чужой/><Many N="c"/><One N="1"/></Р>)");
  EXPECT_EQ(p.Errors, (Messages{"P - Many[0]: N N", "P - One: N N", "P: ?? Чужой", "P - Many[1]: N N"}));
  ASSERT_TRUE(p.One);
  EXPECT_EQ(p.One->N, 1) << "a repeated single child replaces the earlier one";
  EXPECT_EQ(p.Many.size(), 2u);
}

TEST(LoadElement, ABrokenRuleEndsThePhaseAndWhereAskedTheReading) {
  Parent::endOnBrokenRule = false;
  EXPECT_EQ(LoadText<Parent>(R"(<Р A="1"><One N="x"/></Р>)").Errors,
            (Messages{"P: Р без атрибутов", "P - One: N N"}));
  EXPECT_EQ(LoadText<Parent>(R"(<Р/>)").Errors, (Messages{"P: Р с детьми"}));
  Parent::endOnBrokenRule = true;
  EXPECT_EQ(LoadText<Parent>(R"(<Р A="1"><One N="x"/></Р>)").Errors, (Messages{"P: Р без атрибутов"}));
  Parent::endOnBrokenRule = false;
}

}  // namespace
}  // namespace orsvelt
