// Filling and looking up the code lists of both formats.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "reference/base_limits.h"
#include "reference/month_names.h"
#include "reference/period_codes.h"
#include "reference/place_codes.h"
#include "reference/rsv502_sprav.h"

namespace orsvelt {
namespace {

TRSV502Sprav Filled(int kind) {
  TRSV502Sprav table;
  table.Fill(kind);
  return table;
}

// The lists the 5.01 protocol reads, by the kind of their 5.02 counterpart.
std::span<const CodeRow> Rows501(int kind) {
  switch (kind) {
    case sprPeriod: return PeriodRows();
    case sprPlace: return PlaceRows501();
    case sprMonth: return MonthRows();
    case sprLimitOPS: return PensionLimitRows501();
    case sprLimitOSS: return SocialLimitRows501();
    default: return {};
  }
}

std::vector<std::string_view> Codes(std::span<const CodeRow> rows) {
  std::vector<std::string_view> codes;
  for (const CodeRow& row : rows) codes.push_back(row.code);
  return codes;
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
    EXPECT_EQ(Codes(Filled(c.kind).Rows()), c.codes502);
    EXPECT_EQ(Codes(Rows501(c.kind)), c.codes501);
  }
}

TEST(CodeTables, UnknownKindIsEmpty) {
  for (int kind : {-1, 5, 7, 100}) {
    SCOPED_TRACE(kind);
    const TRSV502Sprav table = Filled(kind);
    EXPECT_EQ(table.Count(), 0u);
    EXPECT_EQ(table.Lookup("21"), "");
    EXPECT_EQ(table.Lookup(""), "");
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
    EXPECT_EQ(Filled(c.kind).Lookup(c.code), c.text);
    EXPECT_EQ(LookupCode(Rows501(c.kind), c.code), c.text);
  }
}

// The month by number agrees with the month by code, and stays empty outside the year.
TEST(CodeTables, MonthByNumberMatchesItsCode) {
  for (int m = 1; m <= 12; ++m) {
    const std::string code = (m < 10 ? "0" : "") + std::to_string(m);
    EXPECT_EQ(CalendarMonthName(m), LookupCode(MonthRows(), code)) << m;
  }
  for (int m : {-1, 0, 13}) EXPECT_EQ(CalendarMonthName(m), "") << m;
}

TEST(CodeTables, PlaceOfPrivatePractitionerDiffersByFormat) {
  EXPECT_EQ(Filled(sprPlace).Lookup("112"),
            "по месту жительства физического лица, не признаваемого индивидуальным предпринимателем, "
            "иного лица, занимающегося в установленном законодательством Российской Федерации "
            "порядке частной практикой");
  EXPECT_EQ(LookupCode(PlaceRows501(), "112"),
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
    EXPECT_EQ(Filled(sprLimitOPS).Lookup(c.year), c.pension502);
    EXPECT_EQ(Filled(sprLimitOSS).Lookup(c.year), c.social502);
    EXPECT_EQ(LookupCode(PensionLimitRows501(), c.year), c.pension501);
    EXPECT_EQ(LookupCode(SocialLimitRows501(), c.year), c.social501);
  }
}

// Texts go into protocols as they are: a stray blank or a missing word would show.
TEST(CodeTables, TextsAreTrimmedAndNonEmpty) {
  for (int kind = sprPeriod; kind <= sprLimitOSS; ++kind) {
    for (std::span<const CodeRow> rows : {Rsv502Rows(kind), Rows501(kind)}) {
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
