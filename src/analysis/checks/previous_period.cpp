#include "analysis/checks/previous_period.h"

#include <algorithm>
#include <unordered_map>

#include "analysis/checks/rows_502_support.h"
#include "analysis/checks/section1_sums.h"
#include "analysis/common/saturating_sum.h"
#include "reference/period_codes.h"

namespace orsvelt::checks {

namespace {

bool SameCodes(const view::Block& a, const view::Block& b) {
  return a.name == b.name && std::equal(a.codes.begin(), a.codes.end(), b.codes.begin(), b.codes.end(),
                                        [](const view::Code& x, const view::Code& y) {
                                          return x.name == y.name && x.value == y.value;
                                        });
}

// The block's name and codes as one text, each part preceded by its length.
std::string KeyOf(const view::Block& b) {
  std::string key;
  const auto add = [&](std::string_view part) {
    key += std::to_string(part.size());
    key += ':';
    key += part;
  };
  add(b.name);
  for (const view::Code& c : b.codes) {
    add(c.name);
    add(c.value);
  }
  return key;
}

bool HasMonths(const view::Line& line) {
  return line.attributes && !(*line.attributes)[static_cast<std::size_t>(view::Column::Month1)].empty();
}

// Figures near the type's limit stop there instead of wrapping round.
Amount MonthsOf(const view::Line* line, Amount before = 0) {
  for (const view::Column m : kMonthColumns)
    AddSaturating(before, ValueOf(line, m).value_or(0));
  return before;
}

const view::Line* PayableOf(const view::Section1& s1, std::string_view name, std::string_view kbk) {
  for (const view::Line& l : s1.payable)
    if (l.name == name && l.code == kbk) return &l;
  return nullptr;
}

}  // namespace

const view::Section1* PreviousSection1(const CheckContext& c) {
  static const view::Section1 kNothingBefore{};
  if (c.quarter == 1) return &kNothingBefore;
  if (c.quarter < 2 || !c.previous || QuarterOfPeriod(c.previous->period) != c.quarter - 1) return nullptr;
  return &c.previous->section1.section1;
}

void ForEachMatchedBlock(
    const view::Section1& s1, const view::Section1& previous,
    const std::function<void(std::string_view tariff, const view::Block& block, const view::Block* before)>& visit) {
  for (const view::TariffBlock& t : s1.tariffs) {
    const view::TariffBlock* before = previous.FindTariff(t.tariff);
    for (const view::Block& b : t.blocks) {
      const view::Block* match = nullptr;
      if (before)
        for (const view::Block& p : before->blocks)
          if (SameCodes(p, b)) {
            match = &p;
            break;
          }
      visit(t.tariff, b, match);
    }
  }
  // The first of equal keys, as a scan in order would find it.
  std::unordered_map<std::string, const view::Block*> index;
  for (const std::vector<view::Block>* blocks : {&previous.appendix2, &previous.blocks})
    for (const view::Block& b : *blocks) index.emplace(KeyOf(b), &b);
  for (const std::vector<view::Block>* blocks : {&s1.appendix2, &s1.blocks})
    for (const view::Block& b : *blocks) {
      const auto found = index.find(KeyOf(b));
      visit(b.CodeOf("ТарифПлат"), b, found == index.end() ? nullptr : found->second);
    }
}

void SinceStartOfLines(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* previous = PreviousSection1(c);
  if (!previous || !c.report.section1.present) return;
  ForEachMatchedBlock(c.report.section1, *previous,
                      [&](std::string_view tariff, const view::Block& b, const view::Block* before) {
                        for (const view::Line& line : b.lines) {
                          if (line.count || !HasMonths(line)) continue;
                          const auto year = line.Value(view::Column::Year);
                          if (!year) continue;
                          const Amount prior = ValueOf(before ? before->Find(line.name) : nullptr, view::Column::Year)
                                                   .value_or(0);
                          const Amount expected = MonthsOf(&line, prior);
                          if (*year == expected) continue;
                          Finding f = Breach(row, c, view::Column::Year, *year, expected,
                                             line.PathOf(view::Column::Year), tariff);
                          f.text += ": " + std::string(b.name) + "/" + std::string(line.name);
                          out.push_back(std::move(f));
                        }
                      });
}

void SinceStartOfPayable(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section1* previous = PreviousSection1(c);
  const view::Section1& s1 = c.report.section1;
  if (!previous || !s1.present) return;
  for (const view::Line& line : s1.payable) {
    if (line.name == "УплПерОСС" || line.name == "ПревРасхОСС") continue;
    const auto year = line.Value(view::Column::Year);
    if (!year) continue;
    const Amount expected =
        MonthsOf(&line, ValueOf(PayableOf(*previous, line.name, line.code), view::Column::Year).value_or(0));
    if (*year == expected) continue;
    Finding f = Breach(row, c, view::Column::Year, *year, expected, line.PathOf(view::Column::Year));
    f.text += ": " + std::string(line.name) + ", КБК " + std::string(line.code);
    out.push_back(std::move(f));
  }
  // Social insurance as one net figure: to pay less the excess of expenses.
  const view::Line* toPay = s1.FindPayable("УплПерОСС");
  const view::Line* excess = s1.FindPayable("ПревРасхОСС");
  if (!toPay && !excess) return;
  const auto net = [](const view::Line* pay, const view::Line* over) {
    Amount n = ValueOf(pay, view::Column::Year).value_or(0);
    SubtractSaturating(n, ValueOf(over, view::Column::Year).value_or(0));
    return n;
  };
  const Amount left = net(toPay, excess);
  Amount right = MonthsOf(toPay, net(previous->FindPayable("УплПерОСС"), previous->FindPayable("ПревРасхОСС")));
  SubtractSaturating(right, MonthsOf(excess));
  if (left == right) return;
  Finding f = Breach(row, c, view::Column::Year, left, right, (toPay ? toPay : excess)->PathOf(view::Column::Year));
  f.text += ": УплПерОСС − ПревРасхОСС";
  out.push_back(std::move(f));
}

}  // namespace orsvelt::checks
