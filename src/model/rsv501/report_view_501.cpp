#include "model/rsv501/report_view_501.h"

#include <span>

#include "model/rsv501/document.h"
#include "model/rsvnalog.h"
#include "model/view/view_filling.h"

namespace orsvelt {

using namespace view;

namespace {

constexpr ColumnNames kSumColumns{"СумВсегоПер", "СумВсегоПосл3М", "Сум1Посл3М", "Сум2Посл3М", "Сум3Посл3М"};
constexpr ColumnNames kCountColumns{"КолВсегоПер", "КолВсегоПосл3М", "Кол1Посл3М", "Кол2Посл3М", "Кол3Посл3М"};
constexpr ColumnNames kPayableColumns{"СумСВУплПер", "", "СумСВУпл1М", "СумСВУпл2М", "СумСВУпл3М"};
constexpr ColumnNames kExcessColumns{"ПревРасхСВПер", "", "ПревРасхСВ1М", "ПревРасхСВ2М", "ПревРасхСВ3М"};
constexpr ColumnNames kPartColumns{"Сумма", "", "", "", ""};

// Children with an indexed path ("Name[i]") count their position among all children of
// their parent, in the order the format defines.
struct Siblings {
  std::size_t next = 0;
  std::string PathOf(const std::string& parent, std::string_view name) {
    std::string out = parent;
    AppendPathStep(out, " - ", name, "[", next++, "]");
    return out;
  }
};

std::string Plain(const std::string& parent, std::string_view name) { return parent + " - " + std::string(name); }

Line SumLine(std::string_view name, const TRSV501SvSum1& s, std::string path) {
  return {.name = name,
          .code = {},
          .values = {s.СумВсегоПер, s.СумВсегоПосл3М, s.Сум1Посл3М, s.Сум2Посл3М, s.Сум3Посл3М},
          .attributes = &kSumColumns,
          .path = std::move(path)};
}

Line CountLine(std::string_view name, const TRSV501ColLic& c, std::string path) {
  return {.name = name,
          .code = {},
          .count = true,
          .values = {c.КолВсегоПер, c.КолВсегоПосл3М, c.Кол1Посл3М, c.Кол2Посл3М, c.Кол3Посл3М},
          .attributes = &kCountColumns,
          .path = std::move(path)};
}

template <class Owner>
using G = Group<Owner, TRSV501SvSum1, TRSV501ColLic>;
template <class Owner>
constexpr G<Owner> S(std::string_view name, std::unique_ptr<TRSV501SvSum1> Owner::*m) {
  return {name, m, nullptr};
}
template <class Owner>
constexpr G<Owner> C(std::string_view name, std::unique_ptr<TRSV501ColLic> Owner::*m) {
  return {name, nullptr, m};
}

Line ToLine(std::string_view name, const TRSV501SvSum1& s, std::string path) {
  return SumLine(name, s, std::move(path));
}
Line ToLine(std::string_view name, const TRSV501ColLic& c, std::string path) {
  return CountLine(name, c, std::move(path));
}

template <class Owner>
void AddLines(Block& block, const Owner& o, std::span<const G<Owner>> groups, Siblings& siblings) {
  AddGroups(
      block, o, groups, [&](const std::string& parent, std::string_view name) { return siblings.PathOf(parent, name); },
      [](std::string_view name, const auto& group, std::string path) { return ToLine(name, group, std::move(path)); });
}

template <class Owner, std::size_t N>
Block MakeBlock(std::string_view name, const Owner& o, std::string path, const G<Owner> (&groups)[N],
                std::vector<Code> codes = {}) {
  Block b{.name = name, .codes = std::move(codes), .path = std::move(path), .lines = {}};
  Siblings siblings;
  AddLines<Owner>(b, o, groups, siblings);
  return b;
}

template <class Upl>
Line PayableLine(std::string_view name, std::string_view kbk, const Upl& u, std::string path) {
  return {.name = name,
          .code = kbk,
          .values = {u.СумСВУплПер, std::nullopt, u.СумСВУпл1М, u.СумСВУпл2М, u.СумСВУпл3М},
          .attributes = &kPayableColumns,
          .path = std::move(path)};
}

using OPS = TRSV501RaschSV_OPS;
using OMS = TRSV501RaschSV_OMS;
using D12 = TRSV501RaschSV_428_1_2;
using D3 = TRSV501RaschSV_428_3;
using DSO = TRSV501RaschSV_DSO;
using OSS = TRSV501RaschSv_OSS;

constexpr G<OPS> kOps[] = {C("КолСтрахЛицВс", &OPS::КолСтрахЛицВс),   C("КолЛицНачСВВс", &OPS::КолЛицНачСВВс),
                           C("ПревБазОПС", &OPS::ПревБазОПС),         S("ВыплНачислФЛ", &OPS::ВыплНачислФЛ),
                           S("НеОбложенСВ", &OPS::НеОбложенСВ),       S("БазНачислСВ", &OPS::БазНачислСВ),
                           S("БазПревышОПС", &OPS::БазПревышОПС),     S("НачислСВ", &OPS::НачислСВ),
                           S("НачислСВНеПрев", &OPS::НачислСВНеПрев), S("НачислСВПрев", &OPS::НачислСВПрев)};
constexpr G<OMS> kOms[] = {C("КолСтрахЛицВс", &OMS::КолСтрахЛицВс), C("КолЛицНачСВВс", &OMS::КолЛицНачСВВс),
                           S("ВыплНачислФЛ", &OMS::ВыплНачислФЛ),   S("НеОбложенСВ", &OMS::НеОбложенСВ),
                           S("БазНачислСВ", &OMS::БазНачислСВ),     S("НачислСВ", &OMS::НачислСВ)};
constexpr G<D12> kD12[] = {C("КолЛицНачСВ", &D12::КолЛицНачСВ), S("ВыплНачислФЛ", &D12::ВыплНачислФЛ),
                           S("НеОбложенСВ", &D12::НеОбложенСВ), S("БазНачислСВДоп", &D12::БазНачислСВДоп),
                           S("НачислСВДоп", &D12::НачислСВДоп)};
constexpr G<D3> kD3[] = {C("КолЛицНачСВ", &D3::КолЛицНачСВ), S("ВыплНачислФЛ", &D3::ВыплНачислФЛ),
                         S("НеОбложенСВ", &D3::НеОбложенСВ), S("БазНачислСВДоп", &D3::БазНачислСВДоп),
                         S("НачислСВДоп", &D3::НачислСВДоп)};
constexpr G<DSO> kDso[] = {C("КолЛицНачСВ", &DSO::КолЛицНачСВ), S("ВыплНачислФЛ", &DSO::ВыплНачислФЛ),
                           S("НеОбложенСВ", &DSO::НеОбложенСВ), S("БазНачислСВДСО", &DSO::БазНачислСВДСО),
                           S("НачислСВДСО", &DSO::НачислСВДСО)};
constexpr G<OSS> kOss[] = {C("КолСтрахЛицВс", &OSS::КолСтрахЛицВс), S("ВыплНачислФЛ", &OSS::ВыплНачислФЛ),
                           S("НеОбложенСВ", &OSS::НеОбложенСВ),     S("БазПревышСВ", &OSS::БазПревышСВ),
                           S("БазНачислСВ", &OSS::БазНачислСВ),     S("БазНачСВФарм", &OSS::БазНачСВФарм),
                           S("БазНачСВЧлЭС", &OSS::БазНачСВЧлЭС),   S("БазНачСВПат", &OSS::БазНачСВПат),
                           S("БазНачСВИнЛиц", &OSS::БазНачСВИнЛиц), S("НачислСВ", &OSS::НачислСВ),
                           S("ПроизвРасхСО", &OSS::ПроизвРасхСО),   S("ВозмРасхСО", &OSS::ВозмРасхСО)};

TariffBlock MakeTariff(const TRSV501RaschSv_OPS_OMS& t, std::string path) {
  TariffBlock out{.tariff = t.ТарифПлат, .path = std::move(path), .blocks = {}};
  Siblings siblings;
  if (t.РасчСВ_ОПС)
    out.blocks.push_back(MakeBlock("РасчСВ_ОПС", *t.РасчСВ_ОПС, siblings.PathOf(out.path, "РасчСВ_ОПС"), kOps));
  if (t.РасчСВ_ОМС)
    out.blocks.push_back(MakeBlock("РасчСВ_ОМС", *t.РасчСВ_ОМС, siblings.PathOf(out.path, "РасчСВ_ОМС"), kOms));
  if (t.РасчСВ_ОПС428) {
    const std::string path428 = siblings.PathOf(out.path, "РасчСВ_ОПС428");
    Siblings inner;
    for (const D12& d : t.РасчСВ_ОПС428->РасчСВ_428_1_2)
      out.blocks.push_back(MakeBlock("РасчСВ_428.1-2", d, inner.PathOf(path428, "РасчСВ_428.1-2"), kD12,
                                     {{"ПрОснСВДоп", d.ПрОснСВДоп}}));
    for (const D3& d : t.РасчСВ_ОПС428->РасчСВ_428_3)
      out.blocks.push_back(
          MakeBlock("РасчСВ_428.3", d, inner.PathOf(path428, "РасчСВ_428.3"), kD3,
                    {{"КодОснов", d.КодОснов}, {"ОсновЗап", d.ОсновЗап}, {"КласУслТруд", d.КласУслТруд}}));
  }
  for (const DSO& d : t.РасчСВ_ДСО)
    out.blocks.push_back(
        MakeBlock("РасчСВ_ДСО", d, siblings.PathOf(out.path, "РасчСВ_ДСО"), kDso, {{"ПрРасчСум", d.ПрРасчСум}}));
  return out;
}

Block MakeAppendix2(const OSS& o, std::string path) {
  Block b{.name = "РасчСВ_ОСС.ВНМ", .codes = {{"ПризВыпл", o.ПризВыпл}}, .path = std::move(path), .lines = {}};
  Siblings siblings;
  AddLines<OSS>(b, o, kOss, siblings);
  if (!o.УплСВПрев) return b;
  const std::string prev = siblings.PathOf(b.path, "УплСВПрев");
  const TRSV501UplSVprev& u = *o.УплСВПрев;
  const std::pair<std::string_view, const std::unique_ptr<TRSV501UplSVprevType>*> parts[] = {
      {"УплВсегоПер", &u.УплВсегоПер},
      {"УплВсегоПосл3М", &u.УплВсегоПосл3М},
      {"Упл1Посл3М", &u.Упл1Посл3М},
      {"Упл2Посл3М", &u.Упл2Посл3М},
      {"Упл3Посл3М", &u.Упл3Посл3М}};
  Siblings inner;
  for (const auto& [name, part] : parts)
    if (*part)
      b.lines.push_back({.name = name,
                         .code = (*part)->Признак,
                         .values = {(*part)->Сумма},
                         .attributes = &kPartColumns,
                         .path = inner.PathOf(prev, name)});
  return b;
}

void FillSection1(const TRSV501ObyazPlatSV& o, std::string path, Section1& s) {
  s.present = true;
  s.path = std::move(path);
  s.oktmo = o.ОКТМО;
  // Lists of "ОбязПлатСВ" are numbered " [i+1]" by their position among all its children.
  std::size_t position = 0;
  const auto listPath = [&](std::string_view name) {
    std::string out = s.path;
    AppendPathStep(out, " - ", name, " [", ++position, "]");
    return out;
  };
  for (const auto& [name, upl] : {std::pair{"УплПерОПС", &o.УплПерОПС}, std::pair{"УплПерОМС", &o.УплПерОМС}}) {
    if (!*upl) continue;
    s.payable.push_back(PayableLine(name, (*upl)->КБК, **upl, Plain(s.path, name)));
    ++position;
  }
  for (const TRSV501UplPer& u : o.УплПерОПСДоп)
    s.payable.push_back(PayableLine("УплПерОПСДоп", u.КБК, u, listPath("УплПерОПСДоп")));
  for (const TRSV501UplPer& u : o.УплПерДСО)
    s.payable.push_back(PayableLine("УплПерДСО", u.КБК, u, listPath("УплПерДСО")));
  if (o.УплПревОСС) {
    ++position;
    const TRSV501UplPrevOSS& u = *o.УплПревОСС;
    const std::string oss = Plain(s.path, "УплПревОСС");
    Siblings inner;
    if (u.УплПерОСС) s.payable.push_back(PayableLine("УплПерОСС", u.КБК, *u.УплПерОСС, inner.PathOf(oss, "УплПерОСС")));
    if (u.ПревРасхОСС) {
      const TRSV501PrevRashOSS& p = *u.ПревРасхОСС;
      s.payable.push_back({.name = "ПревРасхОСС",
                           .code = u.КБК,
                           .values = {p.ПревРасхСВПер, std::nullopt, p.ПревРасхСВ1М, p.ПревРасхСВ2М, p.ПревРасхСВ3М},
                           .attributes = &kExcessColumns,
                           .path = inner.PathOf(oss, "ПревРасхОСС")});
    }
  }
  for (const TRSV501RaschSv_OPS_OMS& t : o.РасчСВ_ОПС_ОМС)
    s.tariffs.push_back(MakeTariff(t, listPath("РасчСВ_ОПС_ОМС")));
  if (o.РасчСВ_ОСС_ВНМ) s.appendix2.push_back(MakeAppendix2(*o.РасчСВ_ОСС_ВНМ, Plain(s.path, "РасчСВ_ОСС.ВНМ")));
}

constexpr Section3Form kForm{.personStep = " - ПерсСвСтрахЛиц",
                             .personOpen = " (",
                             .personClose = ")",
                             .rowAttributes = {"Месяц", "КодКатЛиц", "СумВыпл", "ВыплОПС", "ВыплОПСДог", "НачислСВ"},
                             .extraRowAttributes = {"Месяц", "Тариф", "ВыплСВ", "НачислСВ"}};

// Children of a person and of "СвВыплСВОПС" are indexed by their position, which is 1
// when the sibling the format puts before them is present: [ДанФЛПолуч present][СвВыпл present].
constexpr PersonSteps kSteps[2][2] = {
    {{" - ДанФЛПолуч[0]", " - СвВыплСВОПС[0] - СвВыпл[0] - СвВыплМК", " - СвВыплСВОПС[0] - ВыплСВДоп[0] - ВыплСВДопМТ"},
     {" - ДанФЛПолуч[0]", " - СвВыплСВОПС[0] - СвВыпл[0] - СвВыплМК",
      " - СвВыплСВОПС[0] - ВыплСВДоп[1] - ВыплСВДопМТ"}},
    {{" - ДанФЛПолуч[0]", " - СвВыплСВОПС[1] - СвВыпл[0] - СвВыплМК", " - СвВыплСВОПС[1] - ВыплСВДоп[0] - ВыплСВДопМТ"},
     {" - ДанФЛПолуч[0]", " - СвВыплСВОПС[1] - СвВыпл[0] - СвВыплМК",
      " - СвВыплСВОПС[1] - ВыплСВДоп[1] - ВыплСВДопМТ"}}};

// "01".."12" as written; anything else is no month.
std::uint8_t CalendarMonth(std::string_view text) {
  const auto m = ParseInt32(text);
  return m && *m >= 1 && *m <= 12 ? static_cast<std::uint8_t>(*m) : 0;
}

void AddPerson(const TRSV501PersSvSL& src, std::uint32_t number, Section3& s) {
  Person& p = s.persons.emplace_back();
  FillIdentity(src.ДанФЛПолуч.get(), p);
  p.number = number;
  const auto& ops = src.СвВыплСВОПС;
  p.steps = &kSteps[src.ДанФЛПолуч ? 1 : 0][ops && ops->СвВыпл ? 1 : 0];
  p.firstRow = static_cast<std::uint32_t>(s.rows.size());
  p.firstExtraRow = static_cast<std::uint32_t>(s.extraRows.size());
  if (!ops) return;
  if (ops->СвВыпл) {
    const TRSV501SvVyplVpFL& totals = *ops->СвВыпл;
    p.declared.Set(PersonTotals::Payments, totals.СумВыплВс3);
    p.declared.Set(PersonTotals::Base, totals.ВыплОПСВс3);
    p.declared.Set(PersonTotals::ContractBase, totals.ВыплОПСДогВс3);
    p.declared.Set(PersonTotals::Contributions, totals.НачислСВВс3);
    p.rowCount = AppendMonthRows(totals.СвВыплМК, CalendarMonth, s);
  }
  if (ops->ВыплСВДоп) {
    p.declared.Set(PersonTotals::ExtraBase, ops->ВыплСВДоп->ВыплСВВсЗ);
    p.declared.Set(PersonTotals::ExtraContributions, ops->ВыплСВДоп->НачислСВВсЗ);
    p.extraRowCount = AppendExtraRows<&TRSV501VyplSvDopMT::Тариф>(ops->ВыплСВДоп->ВыплСВДопМТ, CalendarMonth, s);
  }
}

void FillSection3(const TRSV501RaschetSV& r, std::string path, Section3& s) {
  s.path = std::move(path);
  s.form = &kForm;
  ReserveRows(r.ПерсСвСтрахЛиц, s);
  const std::uint32_t first = rsv501::FirstPersonNumber(r);
  for (std::size_t i = 0; i < r.ПерсСвСтрахЛиц.size(); ++i)
    AddPerson(r.ПерсСвСтрахЛиц[i], first + static_cast<std::uint32_t>(i), s);
}

}  // namespace

ReportView MakeReportView501(const TRSVFile& file, const TRSV501Document& doc, std::string_view rootPath) {
  ReportView v;
  std::string documentPath = DocumentPath(rootPath);
  FillCommonPayer(doc, documentPath, v.payer);
  if (doc.НПИП) {
    v.payer.kind = PayerKind::Entrepreneur;
    v.payer.inn = doc.НПИП->ИННФЛ;
    FillName(doc.НПИП->ФИОИП.get(), v.payer.surname, v.payer.givenName, v.payer.patronymic);
    v.payer.path = documentPath + " - СвНП - НПИП";
  }
  const std::string raschet = documentPath + " - РасчетСВ";
  FillCommonTitle(file.FileId, file.FormatVersion, doc, std::move(documentPath), v.title);
  if (!doc.РасчетСВ) return v;
  if (doc.РасчетСВ->ОбязПлатСВ) FillSection1(*doc.РасчетСВ->ОбязПлатСВ, raschet + " - ОбязПлатСВ", v.section1);
  FillSection3(*doc.РасчетСВ, raschet, v.section3);
  return v;
}

}  // namespace orsvelt

namespace orsvelt::rsv501 {

std::uint32_t FirstPersonNumber(const TRSV501RaschetSV& r) {
  return (r.ОбязПлатСВ ? 1 : 0) + (r.ОбязПлатСВ_КФХ ? 1 : 0);
}

void TakeSection3(std::vector<TRSV501PersSvSL>& persons, std::uint32_t firstNumber, const PersonVisit& visit,
                  view::Section3& s) {
  TakePersons(persons, s, [&](const TRSV501PersSvSL& person, std::uint32_t i) {
    if (visit) visit(person);
    AddPerson(person, firstNumber + i, s);
  });
}

}  // namespace orsvelt::rsv501
