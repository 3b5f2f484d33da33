#pragma once
// What the adapters of 5.02 and of the later formats share: section 1 lines from the sum,
// count and payable groups of 5.02 (the later formats keep those types), and section 3,
// whose elements have not changed since 5.02.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/rsv502/contributions.h"
#include "model/rsv502/persons.h"
#include "model/rsv502/sums.h"
#include "model/view/report_view.h"
#include "model/view/view_filling.h"

namespace orsvelt::rsv502 {

// The formats have no total of the last three months.
inline constexpr view::ColumnNames kSumColumns{"СумВсегоПер", "", "Сум1Посл3М", "Сум2Посл3М", "Сум3Посл3М"};
inline constexpr view::ColumnNames kCountColumns{"КолВсегоПер", "", "Кол1Посл3М", "Кол2Посл3М", "Кол3Посл3М"};
inline constexpr view::ColumnNames kPayableColumns{"СумСВУплПер", "", "СумСВУпл1М", "СумСВУпл2М", "СумСВУпл3М"};

inline std::string Dash(const std::string& parent, std::string_view name) {
  return parent + " - " + std::string(name);
}

// The child's path with its number after the name: "Name(k)", "Name[k]".
inline std::string Numbered(const std::string& parent, std::string_view name, std::size_t k, std::string_view open,
                            std::string_view close) {
  std::string out = parent;
  AppendPathStep(out, " - ", name, open, k, close);
  return out;
}

view::Line ToLine(std::string_view name, const TRSV502SvSum1& s, std::string path);
view::Line ToLine(std::string_view name, const TRSV502ColLic& c, std::string path);

template <class Owner>
using G = view::Group<Owner, TRSV502SvSum1, TRSV502ColLic>;
template <class Owner>
constexpr G<Owner> S(std::string_view name, std::unique_ptr<TRSV502SvSum1> Owner::*m) {
  return {name, m, nullptr};
}
template <class Owner>
constexpr G<Owner> C(std::string_view name, std::unique_ptr<TRSV502ColLic> Owner::*m) {
  return {name, nullptr, m};
}

// "РасчСВ_ДСО", the same element in 5.02 and from 2023.
inline constexpr G<TRSV502RaschSV_DSO> kDsoGroups[] = {
    C("КолЛицНачСВ", &TRSV502RaschSV_DSO::КолЛицНачСВ), S("ВыплНачислФЛ", &TRSV502RaschSV_DSO::ВыплНачислФЛ),
    S("НеОбложенСВ", &TRSV502RaschSV_DSO::НеОбложенСВ), S("БазНачислСВДСО", &TRSV502RaschSV_DSO::БазНачислСВДСО),
    S("НачислСВДСО", &TRSV502RaschSV_DSO::НачислСВДСО)};

template <class Owner>
void AddLines(view::Block& block, const Owner& o, std::span<const G<Owner>> groups) {
  view::AddGroups(block, o, groups, Dash, [](std::string_view name, const auto& group, std::string path) {
    return ToLine(name, group, std::move(path));
  });
}

template <class Owner, std::size_t N>
view::Block MakeBlock(std::string_view name, const Owner& o, std::string path, const G<Owner> (&groups)[N],
                      std::vector<view::Code> codes = {}) {
  view::Block b{.name = name, .codes = std::move(codes), .path = std::move(path), .lines = {}};
  AddLines<Owner>(b, o, groups);
  return b;
}

template <class Upl>
view::Line PayableLine(std::string_view name, std::string_view kbk, const Upl& u, std::string path) {
  return {.name = name,
          .code = kbk,
          .values = {u.СумСВУплПер, std::nullopt, u.СумСВУпл1М, u.СумСВУпл2М, u.СумСВУпл3М},
          .attributes = &kPayableColumns,
          .path = std::move(path)};
}

// Section 3 from the persons of "РасчетСВ" at path; firstNumber is the number of the first
// person among the children of "РасчетСВ". Months 1..3 of the quarter become calendar
// months; under a quarter outside 1..4 they are 0.
void FillSection3(const std::vector<TRSV502PersSvStrakhLic>& persons, std::uint32_t firstNumber, std::string path,
                  int quarter, view::Section3& s);

// One person of the persons of "РасчетСВ" as FillSection3 adds it, for persons handed over
// while they are read: such a person is read before its report's period is known, so the
// caller gives quarter 1 (months 1..3 of the quarter stay 1..3, others 0) and MoveToQuarter
// places the rows once the period is known.
void AddPerson(const TRSV502PersSvStrakhLic& person, std::uint32_t number, int quarter, view::Section3& s);

// The number of the first person among the children of "РасчетСВ".
template <class Raschet>
std::uint32_t FirstPersonNumber(const Raschet& r) {
  return 1 + (r.ОбязПлатСВ ? 1 : 0) + (r.ОбязПлатСВ_КФХ ? 1 : 0);
}

// FillSection3's persons for a section that outlives them (TakePersons).
void TakeSection3(std::vector<TRSV502PersSvStrakhLic>& persons, std::uint32_t firstNumber, int quarter,
                  view::Section3& s);
void MoveToQuarter(std::span<view::MonthRow> rows, int quarter);

}  // namespace orsvelt::rsv502
