// The choice and order of the earlier-period reports, the same for every format version.

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "analysis/common/earlier_reports.h"

namespace orsvelt::test {
namespace {

ReportKey Key(std::string period, std::int32_t correction) {
  return {"7701000001", "770101001", 2020, std::move(period), correction, {}, {}, {}};
}

TEST(EarlierReports, SamePayerAndYearWithAnEarlierPeriodOrCorrection) {
  const ReportKey main = Key("31", 1);
  const auto with = [](auto change) {
    ReportKey k = Key("21", 0);
    change(k);
    return k;
  };
  const struct {
    const char* what;
    ReportKey candidate;
    bool earlier;
  } cases[] = {
      {"earlier period", Key("21", 5), true},
      {"same period, lower correction", Key("31", 0), true},
      {"the main file again", Key("31", 1), false},
      {"same period, higher correction", Key("31", 2), false},
      {"later period", Key("33", 0), false},
      {"period codes compare as bytes", Key("51", 0), false},
      {"other INN", with([](ReportKey& k) { k.Inn = "7701000002"; }), false},
      {"other KPP: a separate division", with([](ReportKey& k) { k.Kpp = "770102001"; }), false},
      {"no KPP", with([](ReportKey& k) { k.Kpp.clear(); }), false},
      {"other year", with([](ReportKey& k) { k.Year = 2019; }), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsEarlierReport(c.candidate, main), c.earlier) << c.what;
}

TEST(EarlierReports, OrderIsPeriodThenCorrectionAsNumberAndStable) {
  std::vector<EarlierReport> reports = {
      {Key("31", 0), "a"}, {Key("21", 10), "b"}, {Key("21", 2), "c"}, {Key("21", 0), "d"},
      {Key("21", 2), "e"}, {Key("52", 0), "f"},  {Key("21", -1), "g"},
  };
  OrderEarlierReports(reports);
  std::string order;
  for (const auto& r : reports) order += r.path.string();
  // 21/2 before 21/10; equal keys keep their listing order (c before e).
  EXPECT_EQ(order, "gdcebaf");
}

}  // namespace
}  // namespace orsvelt::test
