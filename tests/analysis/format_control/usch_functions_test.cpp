#include "analysis/format_control/usch_functions.h"

#include <pugixml.hpp>

#include "support/test_support.h"

namespace orsvelt {
namespace {

bool Holds(const std::string& expression, const char* xml = "<a x=\"1\" y=\"2\"/>") {
  pugi::xml_document doc;
  doc.load_string(xml);
  return pugi::xpath_query(expression.c_str()).evaluate_boolean(doc.document_element());
}

std::string Value(const std::string& expression, const char* xml = "<a x=\"1\" y=\"2\"/>") {
  pugi::xml_document doc;
  doc.load_string(xml);
  return pugi::xpath_query(expression.c_str()).evaluate_string(doc.document_element());
}

TEST(UschFunctions, FileNameBecomesALiteral) {
  const auto r = RewriteUschCalls("usch:getFileName() = @ИдФайл", "NO_RASCHSV_1", XPathUse::kTest);
  EXPECT_EQ(r.expression, "\"NO_RASCHSV_1\" = @ИдФайл");
  EXPECT_TRUE(r.usesFileName);
  EXPECT_TRUE(r.unsupported.empty());
}

TEST(UschFunctions, LiteralsKeepEveryQuote) {
  EXPECT_EQ(XPathStringLiteral("a'b"), "\"a'b\"");
  EXPECT_EQ(XPathStringLiteral("a\"b"), "'a\"b'");
  const std::string both = XPathStringLiteral("it's \"x\"");
  EXPECT_EQ(Value(both), "it's \"x\"");
}

// The branches of an iif are of any type in a test: its result is the branch chosen.
TEST(UschFunctions, IifAsAWholeTestTakesTheChosenBranch) {
  const auto rewrite = [](const char* e) { return RewriteUschCalls(e, "", XPathUse::kTest).expression; };
  EXPECT_TRUE(Holds(rewrite("usch:iif(@x=1, @y=2, @y=3)")));
  EXPECT_FALSE(Holds(rewrite("usch:iif(@x=1, @y=3, @y=2)")));
  EXPECT_TRUE(Holds(rewrite("usch:iif(@x=0, @y=3, @y=2)")));
  EXPECT_FALSE(Holds(rewrite("usch:iif(@x=0, @y=2, count(@z)!=0)")));
  EXPECT_TRUE(Holds(rewrite(" usch:iif( usch:iif(@x=1, @y=2, false()), @x=1, false() ) ")));
  EXPECT_TRUE(Holds(rewrite("usch:iif(@x=1, count(b)=0, true())")));
}

TEST(UschFunctions, IifAsAValueIsTheChosenText) {
  const auto rewrite = [](const char* e) { return RewriteUschCalls(e, "", XPathUse::kValue).expression; };
  EXPECT_EQ(Value(rewrite("usch:iif(@x=1, 'yes', 'no')")), "yes");
  EXPECT_EQ(Value(rewrite("usch:iif(@x=2, 'yes', concat('n', 'o'))")), "no");
  EXPECT_EQ(Value(rewrite("concat('[', usch:iif(@y=2, @x, @y), ']')")), "[1]");
}

// Where the result's type cannot be known, an expression is skipped rather than guessed.
TEST(UschFunctions, WhatCannotBeRewrittenIsNamed) {
  EXPECT_EQ(RewriteUschCalls("usch:iif(@x=1, 1, 2) = 1", "", XPathUse::kTest).unsupported, "usch:iif");
  EXPECT_EQ(RewriteUschCalls("usch:getDate() > @Дата", "", XPathUse::kTest).unsupported, "usch:getDate");
  EXPECT_EQ(RewriteUschCalls("usch:iif(@x=1, 2)", "", XPathUse::kTest).unsupported, "usch:iif");
  EXPECT_EQ(RewriteUschCalls("usch:iif(@x=1, 2", "", XPathUse::kTest).unsupported, "usch:iif");
  EXPECT_TRUE(RewriteUschCalls("usch:iif(@x=1, 2)", "", XPathUse::kTest).expression.empty());
}

TEST(UschFunctions, TextInsideLiteralsIsLeftAlone) {
  const auto r = RewriteUschCalls("@a = 'usch:getFileName()' or @b = \"x,)\"", "f", XPathUse::kTest);
  EXPECT_EQ(r.expression, "@a = 'usch:getFileName()' or @b = \"x,)\"");
  EXPECT_FALSE(r.usesFileName);
}

}  // namespace
}  // namespace orsvelt
