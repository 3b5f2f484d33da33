#include "later_checks.h"

#include <gtest/gtest.h>

#include "analysis/checks/check_table.h"
#include "model/file_view.h"
#include "reference/period_codes.h"
#include "support/test_support.h"

namespace orsvelt::test {

std::unique_ptr<LaterSample> ReadLaterSample(const std::string& key) {
  const std::filesystem::path folder = ReferenceDir() / "samples" / "later";
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.path().filename().string().find(key) == std::string::npos) continue;
    auto read = std::make_unique<LaterSample>();
    EXPECT_TRUE(read->xml.LoadFromFile(entry.path())) << read->xml.ErrorText();
    EXPECT_TRUE(read->xml.Parse()) << read->xml.ErrorText();
    read->file.Load(read->xml.Root(), "");
    auto v = MakeReportView(read->file);
    EXPECT_TRUE(v) << key;
    if (!v) return nullptr;
    read->view = std::move(*v);
    return read;
  }
  return nullptr;
}

checks::CheckContext ContextOf(const view::ReportView& report) {
  checks::CheckContext c{.report = report, .year = {}, .quarter = 0, .months = {}, .earlier = {}};
  if (report.title.year) c.year = std::to_string(*report.title.year);
  c.quarter = QuarterOfPeriod(report.title.period);
  if (c.quarter > 0)
    for (int i = 0; i < 3; ++i) c.months[i] = 3 * (c.quarter - 1) + i + 1;
  return c;
}

std::vector<checks::Finding> RunRow(const std::string& id, const checks::CheckContext& context) {
  std::vector<checks::Finding> out;
  for (const checks::CheckRow& row : checks::LaterFormatRows())
    if (row.id == id) row.run(row, context, out);
  return out;
}

namespace {
std::string AmountText(Amount a) {
  const Amount v = a < 0 ? -a : a;
  return (a < 0 ? "-" : "") + std::to_string(v / kAmountScale) + "." +
         std::to_string(v % kAmountScale / 100 + 100).substr(1);
}
}  // namespace

std::string Brief(const checks::Finding& f) {
  std::string text = f.check;
  if (f.severity == checks::Severity::Info) text += " info";
  if (f.month) text += " m" + std::to_string(*f.month);
  if (!f.tariff.empty()) text += " " + f.tariff;
  if (!f.snils.empty()) text += " " + f.snils;
  if (f.left && f.right) text += " " + AmountText(*f.left) + "/" + AmountText(*f.right);
  return text;
}

std::vector<std::string> Briefs(const std::vector<checks::Finding>& findings) {
  std::vector<std::string> out;
  for (const checks::Finding& f : findings) out.push_back(Brief(f));
  return out;
}

}  // namespace orsvelt::test
