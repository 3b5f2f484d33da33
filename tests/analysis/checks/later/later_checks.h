#pragma once
// The rows of formats 5.03 to 5.08 run directly over a view: a reference sample read whole,
// or a view made by hand, with a context made as the analysis makes it.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/checks/check_context.h"
#include "analysis/checks/finding.h"
#include "model/rsvnalog.h"
#include "xml/xmlwork.h"

namespace orsvelt::test {

constexpr Amount Rub(std::int64_t roubles, std::int64_t kopecks = 0) { return roubles * kAmountScale + kopecks * 100; }

// A sample of shared/reference/samples/later read with its view; null when absent.
struct LaterSample {
  TXMLFile xml;
  TRSVFile file;
  view::ReportView view;
};
std::unique_ptr<LaterSample> ReadLaterSample(const std::string& key);

// The context the analysis gives the report: year, quarter and its months from the title.
checks::CheckContext ContextOf(const view::ReportView& report);

// The findings of one row of the later formats ("L-R1").
std::vector<checks::Finding> RunRow(const std::string& id, const checks::CheckContext& context);

// "L-R1 m7 01 65599.36/84841.36": a finding in one line.
std::string Brief(const checks::Finding& f);
std::vector<std::string> Briefs(const std::vector<checks::Finding>& findings);

}  // namespace orsvelt::test

// Skips the test when the shared reference folder or the sample is absent.
#define REQUIRE_LATER_SAMPLE(var, key)                                 \
  const auto var = ::orsvelt::test::ReadLaterSample(key);              \
  if (!var) GTEST_SKIP() << "sample absent: " << key
