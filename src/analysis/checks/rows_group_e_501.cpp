// Group E of format 5.01: amounts that cannot be negative (the 2018 set of ratios).

#include <string>

#include "analysis/checks/check_table.h"
#include "analysis/checks/line_ratio.h"
#include "analysis/checks/section1_sums.h"

namespace orsvelt::checks {

namespace {

using view::Column;


void NegativeInSection1(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  struct Target {
    std::string_view block, line;
  };
  static constexpr Target kTargets[] = {{"РасчСВ_ОПС", "НачислСВНеПрев"},
                                        {"РасчСВ_428.1-2", "БазНачислСВДоп"},
                                        {"РасчСВ_428.1-2", "НачислСВДоп"},
                                        {"РасчСВ_428.3", "БазНачислСВДоп"},
                                        {"РасчСВ_428.3", "НачислСВДоп"}};
  for (const view::TariffBlock& t : c.report.section1.tariffs)
    for (const view::Block& b : t.blocks)
      for (const Target& target : kTargets) {
        if (b.name != target.block) continue;
        const view::Line* line = b.Find(target.line);
        if (!line) continue;
        for (const Column column : kAllColumns) {
          const auto v = line->Value(column);
          if (!v || *v >= 0) continue;
          Finding f = FindingOf(row);
          f.text += ": " + std::string(target.line) + " " + std::string(ColumnCaption(column));
          f.tariff = std::string(t.tariff);
          f.month = CalendarMonthOf(c, column);
          f.path = line->PathOf(column);
          SetSides(f, *v, 0, false);
          out.push_back(std::move(f));
        }
      }
}

void NegativeInSection3(const CheckRow& row, const CheckContext& c, std::vector<Finding>& out) {
  const view::Section3& s3 = c.report.section3;
  for (const view::Person& p : s3.persons) {
    const auto emit = [&](Amount value, std::string path, std::uint8_t month) {
      Finding f = FindingOf(row);
      f.snils = std::string(p.snils);
      f.text += ": " + ShownName(p);
      if (month) f.month = month;
      f.path = std::move(path);
      SetSides(f, value, 0, false);
      out.push_back(std::move(f));
    };
    for (const view::MonthRow& r : s3.RowsOf(p)) {
      const std::pair<Amount, view::RowField> fields[] = {{r.payments, view::RowField::Payments},
                                                          {r.base, view::RowField::Base},
                                                          {r.contractBase, view::RowField::ContractBase},
                                                          {r.contributions, view::RowField::Contributions}};
      for (const auto& [value, field] : fields)
        if (value < 0) emit(value, s3.PathOf(p, r, field), r.month);
    }
    for (const view::ExtraTariffRow& r : s3.ExtraRowsOf(p)) {
      if (r.base < 0) emit(r.base, s3.PathOf(p, r, view::ExtraRowField::Base), r.month);
      if (r.contributions < 0) emit(r.contributions, s3.PathOf(p, r, view::ExtraRowField::Contributions), r.month);
    }
  }
}

const CheckRow kRows[] = {
    {.id = "E1.1", .group = Group::E, .severity = Severity::Error, .formats = kFormat501,
     .wording = "Отрицательная сумма в разделе 1: взносы на ОПС с базы, не превышающей предельную величину "
                "(стр. 061 подраздела 1.1), база или взносы по дополнительному тарифу (подразделы 1.3.1, 1.3.2)",
     .source = "Набор КС с 20.01.2018 (N20-N25, N27-N31); каталог КС §2 E1",
     .run = NegativeInSection1},
    {.id = "E1.3", .group = Group::E, .severity = Severity::Error, .formats = kFormat501,
     .wording = "Отрицательная сумма выплат, базы или взносов застрахованного лица в разделе 3",
     .source = "Набор КС с 20.01.2018 (N20-N25, N27-N31); каталог КС §2 E1",
     .run = NegativeInSection3},
};

}  // namespace

std::span<const CheckRow> GroupERows501() { return kRows; }

}  // namespace orsvelt::checks
