#include "checks_502.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "analysis/prot502/prot502.h"
#include "section1_text.h"
#include "support/test_support.h"

namespace orsvelt::test {

namespace {

std::vector<checks::Finding> Analyse(const std::filesystem::path& mainPath) {
  TRSV502Prot prot;
  const auto loaded = LoadReportFile(mainPath);
  EXPECT_TRUE(prot.Analyse(loaded->file, mainPath.parent_path()));
  if (!prot.Checks()) return {};
  return prot.Checks()->findings;
}

std::string AmountText(Amount a) {
  const bool negative = a < 0;
  const Amount v = negative ? -a : a;
  std::string cents = std::to_string(v % kAmountScale / 100 + 100).substr(1);
  return (negative ? "-" : "") + std::to_string(v / kAmountScale) + "." + cents;
}

}  // namespace

std::vector<checks::Finding> FindingsOf(const TestReport& main, const std::vector<TestReport>& earlier) {
  TempDir dir;
  for (const TestReport& content : earlier) WriteReport(dir.path(), content);
  return Analyse(WriteReport(dir.path(), main));
}

std::vector<checks::Finding> FindingsOfFile(const std::filesystem::path& path) { return Analyse(path); }

std::vector<checks::Finding> OfRow(const std::vector<checks::Finding>& all, const std::string& id) {
  std::vector<checks::Finding> out;
  for (const checks::Finding& f : all)
    if (f.check == id) out.push_back(f);
  return out;
}

std::vector<checks::Finding> Of502Rows(const std::vector<checks::Finding>& all) {
  std::vector<checks::Finding> out;
  for (const checks::Finding& f : all)
    if (f.check.ends_with("-502") && f.group != checks::Group::A && f.group != checks::Group::D) out.push_back(f);
  return out;
}

std::string Brief(const checks::Finding& f) {
  std::string text = f.check;
  if (f.month) text += " m" + std::to_string(*f.month);
  if (!f.tariff.empty()) text += " " + f.tariff;
  if (!f.snils.empty()) text += " " + f.snils;
  if (f.left && f.right) text += " " + AmountText(*f.left) + "/" + AmountText(*f.right);
  return text;
}

std::vector<std::string> RowsAndMonths(const std::vector<checks::Finding>& findings) {
  std::vector<std::string> out;
  for (const checks::Finding& f : findings) out.push_back(f.check + "/" + std::to_string(f.month.value_or(0)));
  std::sort(out.begin(), out.end());
  return out;
}

std::vector<checks::Finding> QuarterFindings(int quarter, const std::vector<Override>& overrides) {
  std::vector<TestReport> earlier;
  if (quarter > 1) earlier.push_back(AgreeingReport(quarter - 1));
  return Of502Rows(FindingsOf(AgreeingReport(quarter, overrides), earlier));
}

}  // namespace orsvelt::test
