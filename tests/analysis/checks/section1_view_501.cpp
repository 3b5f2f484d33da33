#include "section1_view_501.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

#include "analysis/checks/check_table.h"

namespace orsvelt::test {

using view::Column;

namespace {

constexpr std::int64_t kKopeck = kAmountScale / 100;

constexpr view::Section3Form kForm{.personStep = " - ПерсСвСтрахЛиц",
                                   .personOpen = " (",
                                   .personClose = ")",
                                   .rowAttributes = {"Месяц", "КодКатЛиц", "СумВыпл", "ВыплОПС", "ВыплОПСДог",
                                                     "НачислСВ"},
                                   .extraRowAttributes = {"Месяц", "Тариф", "ВыплСВ", "НачислСВ"}};
constexpr view::PersonSteps kSteps{" - ДанФЛПолуч[0]", " - СвВыплСВОПС[1] - СвВыпл[0] - СвВыплМК",
                                   " - СвВыплСВОПС[1] - ВыплСВДоп[1] - ВыплСВДопМТ"};

view::Line Part(std::string_view name, std::string_view sign, std::int64_t kopecks) {
  return {.name = name, .code = sign, .count = false, .values = {kopecks * kKopeck}, .attributes = nullptr,
          .path = std::string(name)};
}

view::Line Payable(std::string_view name, std::string_view kbk, std::int64_t m1, std::int64_t m2, std::int64_t m3,
                   int quarter) {
  view::Line l = SumLine501(name, m1, m2, m3, (quarter - 1) * (m1 + m2 + m3));
  l.code = kbk;
  l.values[static_cast<std::size_t>(Column::LastThreeMonths)].reset();
  return l;
}

}  // namespace

view::Line SumLine501(std::string_view name, std::int64_t m1, std::int64_t m2, std::int64_t m3, std::int64_t before) {
  const std::int64_t last3 = m1 + m2 + m3;
  return {.name = name,
          .code = {},
          .count = false,
          .values = {(before + last3) * kKopeck, last3 * kKopeck, m1 * kKopeck, m2 * kKopeck, m3 * kKopeck},
          .attributes = nullptr,
          .path = std::string(name)};
}

view::Line CountLine501(std::string_view name, std::int64_t year, std::int64_t last3, std::int64_t m1, std::int64_t m2,
                        std::int64_t m3) {
  return {.name = name, .code = {}, .count = true, .values = {year, last3, m1, m2, m3}, .attributes = nullptr,
          .path = std::string(name)};
}

namespace {
constexpr std::string_view kPeriods[] = {"21", "31", "33", "34"};
}  // namespace

view::ReportView SoundReport501(int quarter) {
  view::ReportView v;
  v.title.formatVersion = "5.01";
  v.title.fileId = "NO_RASCHSV_TEST";
  v.title.period = kPeriods[quarter - 1];
  v.title.year = 2018;
  v.title.correction = 0;
  view::Section1& s = v.section1;
  s.present = true;
  s.path = "ОбязПлатСВ";
  const std::int64_t q = quarter - 1;  // quarters before this one, each like this one
  const auto sum = [&](std::string_view name, std::int64_t m1, std::int64_t m2, std::int64_t m3) {
    return SumLine501(name, m1, m2, m3, q * (m1 + m2 + m3));
  };
  view::Block ops{.name = "РасчСВ_ОПС", .codes = {}, .path = "РасчСВ_ОПС", .lines = {}};
  ops.lines = {CountLine501("КолСтрахЛицВс", 6, 5, 5, 5, 5),
               CountLine501("КолЛицНачСВВс", 6, 5, 5, 5, 5),
               CountLine501("ПревБазОПС", 1, 1, 0, 0, 1),
               sum("ВыплНачислФЛ", 100000, 100000, 100000),
               sum("НеОбложенСВ", 10000, 10000, 10000),
               sum("БазНачислСВ", 90000, 90000, 90000),
               sum("БазПревышОПС", 0, 0, 5000),
               sum("НачислСВ", 19800, 19800, 20300),
               sum("НачислСВНеПрев", 19800, 19800, 19800),
               sum("НачислСВПрев", 0, 0, 500)};
  view::Block oms{.name = "РасчСВ_ОМС", .codes = {}, .path = "РасчСВ_ОМС", .lines = {}};
  oms.lines = {CountLine501("КолСтрахЛицВс", 6, 5, 5, 5, 5), CountLine501("КолЛицНачСВВс", 6, 5, 5, 5, 5),
               sum("ВыплНачислФЛ", 100000, 100000, 100000),  sum("НеОбложенСВ", 10000, 10000, 10000),
               sum("БазНачислСВ", 90000, 90000, 90000),      sum("НачислСВ", 4590, 4590, 4590)};
  s.tariffs.push_back({.tariff = "01", .path = "РасчСВ_ОПС_ОМС [1]", .blocks = {ops, oms}});
  s.tariffs.push_back({.tariff = "03", .path = "РасчСВ_ОПС_ОМС [2]", .blocks = {ops}});

  view::Block oss{.name = "РасчСВ_ОСС.ВНМ", .codes = {}, .path = "РасчСВ_ОСС.ВНМ", .lines = {}};
  oss.lines = {CountLine501("КолСтрахЛицВс", 6, 5, 5, 5, 5),
               sum("ВыплНачислФЛ", 100000, 100000, 100000),
               sum("НеОбложенСВ", 10000, 10000, 10000),
               sum("БазПревышСВ", 0, 0, 0),
               sum("БазНачислСВ", 90000, 90000, 90000),
               sum("БазНачСВФарм", 0, 0, 0),
               sum("БазНачСВЧлЭС", 0, 0, 0),
               sum("БазНачСВПат", 0, 0, 0),
               sum("БазНачСВИнЛиц", 10000, 10000, 10000),
               sum("НачислСВ", 2610, 2610, 2610),
               sum("ПроизвРасхСО", 1000, 1000, 1000),
               sum("ВозмРасхСО", 0, 0, 0),
               Part("УплВсегоПер", "1", (q + 1) * 4830),
               Part("УплВсегоПосл3М", "1", 4830),
               Part("Упл1Посл3М", "1", 1610),
               Part("Упл2Посл3М", "1", 1610),
               Part("Упл3Посл3М", "1", 1610)};
  s.appendix2.push_back(oss);

  s.payable = {Payable("УплПерОПС", "18210202010061010160", 2 * 19800, 2 * 19800, 2 * 20300, quarter),
               Payable("УплПерОМС", "18210202101081013160", 4590, 4590, 4590, quarter),
               Payable("УплПерОПСДоп", "18210202131061010160", 100, 100, 100, quarter),
               Payable("УплПерОПСДоп", "18210202132061010160", 200, 200, 200, quarter),
               Payable("УплПерДСО", "18210202080071010160", 300, 300, 300, quarter),
               Payable("УплПерОСС", "18210202090071010160", 1610, 1610, 1610, quarter)};

  view::Section3& s3 = v.section3;
  s3.path = "РасчетСВ";
  s3.form = &kForm;
  view::Person& p = s3.persons.emplace_back();
  p.snils = "112-233-445 95";
  p.snilsDigits = "11223344595";
  p.number = 1;
  p.steps = &kSteps;
  p.rowCount = 3;
  for (int m = 0; m < 3; ++m)
    s3.rows.push_back({.month = static_cast<std::uint8_t>(3 * quarter - 2 + m),
                       .position = static_cast<std::uint32_t>(m),
                       .category = "НР",
                       .payments = 100000 * kKopeck,
                       .base = 90000 * kKopeck,
                       .contractBase = 0,
                       .contributions = 19800 * kKopeck});
  return v;
}

view::ReportView PreviousOf501(const view::ReportView& report) {
  view::ReportView v = report;
  const auto quarter = std::find(std::begin(kPeriods), std::end(kPeriods), report.title.period);
  if (quarter != std::begin(kPeriods) && quarter != std::end(kPeriods)) v.title.period = *(quarter - 1);
  const auto back = [](view::Line& l) {
    auto& year = l.values[static_cast<std::size_t>(Column::Year)];
    if (!year) return;
    if (l.count) return;  // the head counts since the start stay as they are
    std::int64_t three = 0;
    for (const Column m : {Column::Month1, Column::Month2, Column::Month3})
      three += l.values[static_cast<std::size_t>(m)].value_or(0);
    *year -= three;
  };
  for (view::TariffBlock& t : v.section1.tariffs)
    for (view::Block& b : t.blocks)
      for (view::Line& l : b.lines) back(l);
  for (view::Block& b : v.section1.appendix2)
    for (view::Line& l : b.lines) back(l);
  for (view::Line& l : v.section1.payable) back(l);
  return v;
}

void Bump(view::Line& line, Column column, std::int64_t by) {
  auto& value = line.values[static_cast<std::size_t>(column)];
  value = value.value_or(0) + (line.count ? by : by * kKopeck);
}

view::Line& LineOf(view::ReportView& report, std::string_view tariff, std::string_view block, std::string_view line) {
  if (tariff.empty()) {
    for (view::Block& b : report.section1.appendix2)
      for (view::Line& l : b.lines)
        if (b.name == block && l.name == line) return l;
  }
  for (view::TariffBlock& t : report.section1.tariffs)
    for (view::Block& b : t.blocks)
      for (view::Line& l : b.lines)
        if (t.tariff == tariff && b.name == block && l.name == line) return l;
  throw std::invalid_argument(std::string(line));
}

view::Line& PayableOf(view::ReportView& report, std::string_view name) {
  for (view::Line& l : report.section1.payable)
    if (l.name == name) return l;
  throw std::invalid_argument(std::string(name));
}

std::vector<checks::Finding> Run501(const view::ReportView& report, int quarter, const view::ReportView* previous) {
  std::vector<checks::EarlierReport> earlier;
  if (previous) {
    checks::EarlierReport& e = earlier.emplace_back();
    e.fileName = "PREVIOUS.xml";
    e.period = std::string(previous->title.period);
    e.section1 = checks::CopySection1(previous->section1);
  }
  checks::CheckContext c{.report = report, .year = "2018", .quarter = quarter, .months = {}, .earlier = earlier};
  for (int i = 0; i < 3; ++i) c.months[i] = 3 * (quarter - 1) + i + 1;
  if (previous) c.previous = &earlier.front();
  std::set<std::string_view> ours;
  for (const auto rows : {checks::GroupBRows501(), checks::GroupCRows501(), checks::GroupERows501()})
    for (const checks::CheckRow& row : rows) ours.insert(row.id);
  std::vector<checks::Finding> found = checks::RunCheckTable(c);
  std::erase_if(found, [&](const checks::Finding& f) { return !ours.count(f.check); });
  return found;
}

}  // namespace orsvelt::test
