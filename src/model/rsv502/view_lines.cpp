#include "model/rsv502/view_lines.h"

namespace orsvelt::rsv502 {

using namespace view;

Line ToLine(std::string_view name, const TRSV502SvSum1& s, std::string path) {
  return {.name = name,
          .code = {},
          .values = {s.СумВсегоПер, std::nullopt, s.Сум1Посл3М, s.Сум2Посл3М, s.Сум3Посл3М},
          .attributes = &kSumColumns,
          .path = std::move(path)};
}

Line ToLine(std::string_view name, const TRSV502ColLic& c, std::string path) {
  return {.name = name,
          .code = {},
          .count = true,
          .values = {c.КолВсегоПер, std::nullopt, c.Кол1Посл3М, c.Кол2Посл3М, c.Кол3Посл3М},
          .attributes = &kCountColumns,
          .path = std::move(path)};
}

namespace {

constexpr Section3Form kForm{.personStep = " - ПерсСвСтрахЛиц",
                             .personOpen = "(",
                             .personClose = ")",
                             .rowAttributes = {"Месяц", "КодКатЛиц", "СумВыпл", "ВыплОПС", "ВыплОПСДог", "НачислСВ"},
                             .extraRowAttributes = {"Месяц", "КодСтрахЛиц", "ВыплСВ", "НачислСВ"}};

constexpr PersonSteps kSteps{" - ДанФЛПолуч", " - СвВыплСВОПС - СвВыпл - СвВыплМК",
                             " - СвВыплСВОПС - ВыплСВДоп - ВыплСВДопМТ"};

// Month 1..3 of the quarter as a calendar month; 0 when either is out of range.
std::uint8_t CalendarMonth(std::int32_t month, int quarter) {
  if (month < 1 || month > 3 || quarter < 1 || quarter > 4) return 0;
  return static_cast<std::uint8_t>((quarter - 1) * 3 + month);
}

}  // namespace

void AddPerson(const TRSV502PersSvStrakhLic& src, std::uint32_t number, int quarter, Section3& s) {
  Person& p = s.persons.emplace_back();
  FillIdentity(src.ДанФЛПолуч.get(), p);
  p.annulled = src.ПрАннулир == "1";
  p.number = number;
  p.steps = &kSteps;
  p.firstRow = static_cast<std::uint32_t>(s.rows.size());
  p.firstExtraRow = static_cast<std::uint32_t>(s.extraRows.size());
  if (!src.СвВыплСВОПС) return;
  const TRSV502SvVyplSVOPS& ops = *src.СвВыплСВОПС;
  const auto monthOf = [quarter](std::int32_t month) { return CalendarMonth(month, quarter); };
  if (ops.СвВыпл) p.rowCount = AppendMonthRows(ops.СвВыпл->СвВыплМК, monthOf, s);
  if (ops.ВыплСВДоп)
    p.extraRowCount = AppendExtraRows<&TRSV502VyplSVDopMT::КодСтрахЛиц>(ops.ВыплСВДоп->ВыплСВДопМТ, monthOf, s);
}

void FillSection3(const std::vector<TRSV502PersSvStrakhLic>& persons, std::uint32_t firstNumber, std::string path,
                  int quarter, Section3& s) {
  s.path = std::move(path);
  s.form = &kForm;
  ReserveRows(persons, s);
  for (std::size_t i = 0; i < persons.size(); ++i)
    AddPerson(persons[i], firstNumber + static_cast<std::uint32_t>(i), quarter, s);
}

void TakeSection3(std::vector<TRSV502PersSvStrakhLic>& persons, std::uint32_t firstNumber, int quarter,
                  Section3& s) {
  TakePersons(persons, s, [&](const TRSV502PersSvStrakhLic& person, std::uint32_t i) {
    AddPerson(person, firstNumber + i, quarter, s);
  });
}

void MoveToQuarter(std::span<MonthRow> rows, int quarter) {
  for (MonthRow& row : rows) row.month = CalendarMonth(row.month, quarter);
}

}  // namespace orsvelt::rsv502
