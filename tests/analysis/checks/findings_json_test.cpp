// The findings export: valid JSON whatever the texts hold, amounts to the kopeck, nulls for
// what is absent.

#include <gtest/gtest.h>

#include <limits>
#include <set>

#include "analysis/checks/check_table.h"
#include "analysis/checks/findings_json.h"

namespace orsvelt::checks {
namespace {

TEST(FindingsJson, StringsAreEscaped) {
  EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonString("x\ny\tz\x01"), "\"x\\ny\\tz\\u0001\"");
  EXPECT_EQ(JsonString("Иванов"), "\"Иванов\"");
  EXPECT_EQ(JsonString("\xff\xd0"), "\"\\ufffd\\ufffd\"");      // no UTF-8
  EXPECT_EQ(JsonString("\xed\xa0\x80"), "\"\\ufffd\\ufffd\\ufffd\"");  // a surrogate
}

TEST(FindingsJson, AFindingWithItsSidesAndOneWithout) {
  CheckResult r;
  r.report = {.fileName = "NO_RASCHSV_1.xml", .format = "5.01", .period = "31", .year = 2019, .correction = 0,
              .inn = "7701234567", .kpp = "770101001"};
  r.checkedWith = {"NO_RASCHSV_0.xml"};
  Finding& a = r.findings.emplace_back();
  a.check = "0.1";
  a.group = Group::A;
  a.severity = Severity::Rejection;
  a.text = "т";
  a.tariff = "01";
  a.month = 5;
  a.left = 2330273400;
  a.right = 2379773400;
  a.persons = {"112-233-445 95"};
  Finding& d = r.findings.emplace_back();
  d.check = "D5";
  d.group = Group::D;
  d.severity = Severity::Error;
  d.text = "ИНН";
  EXPECT_EQ(FindingsJson(r),
            "{\"report\": \"NO_RASCHSV_1.xml\", \"format\": \"5.01\", \"year\": 2019, \"period\": \"31\", "
            "\"correction\": 0, \"payer\": {\"inn\": \"7701234567\", \"kpp\": \"770101001\"}, "
            "\"checked_with\": [\"NO_RASCHSV_0.xml\"], \"findings\": [\n"
            "  {\"check\": \"0.1\", \"group\": \"A\", \"severity\": \"rejection\", \"text\": \"т\", \"tariff\": \"01\", "
            "\"month\": 5, \"snils\": null, \"path\": null, \"left\": \"233027.34\", \"right\": \"237977.34\", "
            "\"difference\": \"-4950.00\", \"persons\": [\"112-233-445 95\"]},\n"
            "  {\"check\": \"D5\", \"group\": \"D\", \"severity\": \"error\", \"text\": \"ИНН\", \"tariff\": null, "
            "\"month\": null, \"snils\": null, \"path\": null, \"left\": null, \"right\": null, \"difference\": null, "
            "\"persons\": []}\n]}\n");
}

TEST(FindingDifference, FiguresNearTheLimitDoNotWrapRound) {
  constexpr Amount kMax = std::numeric_limits<Amount>::max();
  constexpr Amount kMin = std::numeric_limits<Amount>::min();
  Finding f;
  f.left = kMax;
  f.right = -kMax;
  EXPECT_EQ(f.Difference(), kMax);
  f.left = 0;
  f.right = kMin;
  EXPECT_EQ(f.Difference(), kMax);
  f.left = kMin;
  f.right = 1;
  EXPECT_EQ(f.Difference(), kMin);
  f.right.reset();
  EXPECT_EQ(f.Difference(), std::nullopt);
}

TEST(CheckTable, IdsAreUniqueAndEveryRowIsComplete) {
  std::set<std::string_view> ids;
  for (const CheckRow& row : CheckTable()) {
    EXPECT_TRUE(ids.insert(row.id).second) << row.id;
    EXPECT_FALSE(row.wording.empty()) << row.id;
    EXPECT_FALSE(row.source.empty()) << row.id;
    EXPECT_NE(row.run, nullptr) << row.id;
    EXPECT_NE(row.formats, 0) << row.id;
    EXPECT_NE(row.group, Group::F) << row.id;
    // A 5.02-only ratio outside group A rests on the form, not on a letter.
    if (row.formats == kFormat502 && row.group != Group::A) {
      EXPECT_NE(row.severity, Severity::Rejection) << row.id;
      EXPECT_NE(row.severity, Severity::Error) << row.id;
      EXPECT_NE(row.wording.find("следует из формы"), std::string_view::npos) << row.id;
    }
  }
}

}  // namespace
}  // namespace orsvelt::checks
