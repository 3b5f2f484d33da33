// Filling and looking up the code lists of both formats.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/rsv501_sprav.h"
#include "reference/rsv502_sprav.h"

namespace orsvelt {
namespace {

std::vector<std::string_view> Codes(std::span<const CodeRow> rows) {
  std::vector<std::string_view> codes;
  for (const CodeRow& row : rows) codes.push_back(row.code);
  return codes;
}
std::vector<std::string_view> Codes(const CodeTable& table) { return Codes(table.Rows()); }

template <class Table>
Table Filled(int kind) {
  Table table;
  table.Fill(kind);
  return table;
}

const std::vector<std::string_view> kPeriodOrder{"21", "31", "33", "34", "51", "52",
                                                 "53", "90", "83", "84", "85", "86"};
const std::vector<std::string_view> kPlaceOrder{"112", "120", "121", "122", "124", "214",
                                                "217", "222", "335", "350", "240"};
const std::vector<std::string_view> kMonthOrder{"01", "02", "03", "04", "05", "06",
                                                "07", "08", "09", "10", "11", "12"};

TEST(CodeTables, RowOrderOfEachKind) {
  struct Case {
    int kind;
    std::vector<std::string_view> codes502;
    std::vector<std::string_view> codes501;
  };
  const std::vector<Case> cases{
      {sprPeriod, kPeriodOrder, kPeriodOrder},
      {sprPlace, kPlaceOrder, kPlaceOrder},
      {sprMonth, kMonthOrder, kMonthOrder},
      {sprLimitOPS, {"2017", "2018", "2019", "2020"}, {"2017", "2018", "2019"}},
      {sprLimitOSS, {"2017", "2018", "2019", "2020"}, {"2017", "2018", "2019"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(Codes(Filled<TRSV502Sprav>(c.kind)), c.codes502);
    EXPECT_EQ(Codes(Rsv501Rows(c.kind)), c.codes501);
  }
}

TEST(CodeTables, UnknownKindIsEmpty) {
  for (int kind : {-1, 5, 7, 100}) {
    SCOPED_TRACE(kind);
    const TRSV502Sprav t502 = Filled<TRSV502Sprav>(kind);
    EXPECT_EQ(t502.Count(), 0u);
    EXPECT_EQ(Rsv501Rows(kind).size(), 0u);
    EXPECT_EQ(t502.Lookup("21"), "");
    EXPECT_EQ(LookupCode(Rsv501Rows(kind), ""), "");
  }
  EXPECT_EQ(TRSV502Sprav().Lookup("21"), "");
}

TEST(CodeTables, RefillReplacesRows) {
  TRSV502Sprav table;
  table.Fill(sprPeriod);
  table.Fill(sprPlace);
  EXPECT_EQ(table.Count(), 11u);
  EXPECT_EQ(table.Lookup("21"), "");
  EXPECT_EQ(table.Lookup("214"), "по месту нахождения российской организации");
  table.Fill(9);
  EXPECT_EQ(table.Count(), 0u);
  EXPECT_EQ(table.Lookup("214"), "");
}

TEST(CodeTables, LookupIsExact) {
  struct Case {
    int kind;
    std::string_view code;
    std::string_view text;
  };
  const std::vector<Case> cases{
      {sprPeriod, "21", "1 квартал"},
      {sprPeriod, "33", "девять месяцев"},
      {sprPeriod, "53", "9 месяцев при реорганизации (ликвидации) организации"},
      {sprPeriod, "90", "год при реорганизации (ликвидации) организации"},
      {sprPeriod, "86", "год при снятии с учета в качестве индивидуального предпринимателя (главы крестьянского (фермерского) хозяйства)"},
      {sprPeriod, "021", ""},
      {sprPeriod, " 21", ""},
      {sprPeriod, "21 ", ""},
      {sprPeriod, "2", ""},
      {sprPeriod, "", ""},
      {sprPeriod, "214", ""},
      {sprPlace, "21", ""},
      {sprPlace, "240", "По месту нахождения юридического лица - (главы) крестьянского (фермерского) хозяйства"},
      {sprPlace, "350", "по месту учета международной организации в Российской Федерации"},
      {sprPlace, "000", ""},
      {sprMonth, "01", "Январь"},
      {sprMonth, "05", "Май"},
      {sprMonth, "12", "Декабрь"},
      {sprMonth, "1", ""},
      {sprMonth, "13", ""},
      {sprMonth, "00", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kind) + " '" + std::string(c.code) + "'");
    EXPECT_EQ(Filled<TRSV502Sprav>(c.kind).Lookup(c.code), c.text);
    EXPECT_EQ(LookupCode(Rsv501Rows(c.kind), c.code), c.text);
  }
}

TEST(CodeTables, PlaceOfPrivatePractitionerDiffersByFormat) {
  EXPECT_EQ(Filled<TRSV502Sprav>(sprPlace).Lookup("112"),
            "по месту жительства физического лица, не признаваемого индивидуальным предпринимателем, "
            "иного лица, занимающегося в установленном законодательством Российской Федерации "
            "порядке частной практикой");
  EXPECT_EQ(LookupCode(Rsv501Rows(sprPlace), "112"),
            "по месту жительства физического лица, не признаваемого индивидуальным предпринимателем");
}

TEST(CodeTables, LimitRowsPerYear) {
  struct Case {
    std::string_view year;
    std::string_view pension502, social502, pension501, social501;
  };
  const std::vector<Case> cases{
      {"2016", "", "", "", ""},
      {"2017", "876000", "755000", "876000", "755000"},
      {"2018", "1021000", "815000", "1021000", "815000"},
      {"2019", "1150000", "865000", "1150000", "865000"},
      {"2020", "1292000", "912000", "", ""},
      {"2021", "", "", "", ""},
      {"17", "", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(Filled<TRSV502Sprav>(sprLimitOPS).Lookup(c.year), c.pension502);
    EXPECT_EQ(Filled<TRSV502Sprav>(sprLimitOSS).Lookup(c.year), c.social502);
    EXPECT_EQ(LookupCode(Rsv501Rows(sprLimitOPS), c.year), c.pension501);
    EXPECT_EQ(LookupCode(Rsv501Rows(sprLimitOSS), c.year), c.social501);
  }
}

// Texts go into protocols as they are: a stray blank or a missing word would show.
TEST(CodeTables, TextsAreTrimmedAndNonEmpty) {
  for (int kind = sprPeriod; kind <= sprLimitOSS; ++kind) {
    for (std::span<const CodeRow> rows : {Rsv502Rows(kind), Rsv501Rows(kind)}) {
      for (const CodeRow& row : rows) {
        SCOPED_TRACE(std::string(row.code));
        ASSERT_FALSE(row.text.empty());
        EXPECT_NE(row.text.front(), ' ');
        EXPECT_NE(row.text.back(), ' ');
        EXPECT_EQ(row.text.find("  "), std::string_view::npos);
      }
    }
  }
}

}  // namespace
}  // namespace orsvelt
