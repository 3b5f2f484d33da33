#include "model/rsv502/report_view_502.h"

#include "model/rsv502/document.h"
#include "model/rsvnalog.h"
#include "model/view/view_filling.h"
#include "reference/period_codes.h"

namespace orsvelt {

using namespace view;

namespace {

// The format has no total of the last three months.
constexpr ColumnNames kSumColumns{"СумВсегоПер", "", "Сум1Посл3М", "Сум2Посл3М", "Сум3Посл3М"};
constexpr ColumnNames kCountColumns{"КолВсегоПер", "", "Кол1Посл3М", "Кол2Посл3М", "Кол3Посл3М"};
constexpr ColumnNames kPayableColumns{"СумСВУплПер", "", "СумСВУпл1М", "СумСВУпл2М", "СумСВУпл3М"};
constexpr ColumnNames kExcessColumns{"ПревРасхСВПер", "", "ПревРасхСВ1М", "ПревРасхСВ2М", "ПревРасхСВ3М"};
constexpr ColumnNames kPartColumns{"Сумма", "", "", "", ""};

std::string Dash(const std::string& parent, std::string_view name) { return parent + " - " + std::string(name); }

// "Name(k)": k is the 1-based position among all children of the parent.
std::string Position(const std::string& parent, std::string_view name, std::size_t k) {
  std::string out = parent;
  AppendPathStep(out, " - ", name, "(", k, ")");
  return out;
}

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

template <class Owner>
using G = Group<Owner, TRSV502SvSum1, TRSV502ColLic>;
template <class Owner>
constexpr G<Owner> S(std::string_view name, std::unique_ptr<TRSV502SvSum1> Owner::*m) {
  return {name, m, nullptr};
}
template <class Owner>
constexpr G<Owner> C(std::string_view name, std::unique_ptr<TRSV502ColLic> Owner::*m) {
  return {name, nullptr, m};
}

template <class Owner>
void AddLines(Block& block, const Owner& o, std::span<const G<Owner>> groups) {
  AddGroups(block, o, groups, Dash, [](std::string_view name, const auto& group, std::string path) {
    return ToLine(name, group, std::move(path));
  });
}

template <class Owner, std::size_t N>
Block MakeBlock(std::string_view name, const Owner& o, std::string path, const G<Owner> (&groups)[N],
                std::vector<Code> codes = {}) {
  Block b{.name = name, .codes = std::move(codes), .path = std::move(path), .lines = {}};
  AddLines<Owner>(b, o, groups);
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

using OPS = TRSV502RaschSV_OPS;
using OMS = TRSV502RaschSV_OMS;
using D12 = TRSV502RaschSV428_12;
using D3 = TRSV502RaschSV428_3;
using DSO = TRSV502RaschSV_DSO;
using VNM = TRSV502RaschSV_OMS_VNMKod;
using OSS = TRSV502RaschSvOSS_VNM;

constexpr G<OPS> kOps[] = {C("КолСтрахЛицВс", &OPS::КолСтрахЛицВс), C("КолЛицНачСВВс", &OPS::КолЛицНачСВВс),
                           C("ПревБазОПС", &OPS::ПревБазОПС),       S("ВыплНачислФЛ", &OPS::ВыплНачислФЛ),
                           S("НеОбложенСВ", &OPS::НеОбложенСВ),     S("РасхПринВыч", &OPS::РасхПринВыч),
                           S("БазНачислСВ", &OPS::БазНачислСВ),     S("БазПревышОПС", &OPS::БазПревышОПС),
                           S("НачислСВ", &OPS::НачислСВ),           S("НачислСВНеПрев", &OPS::НачислСВНеПрев)};
constexpr G<OMS> kOms[] = {C("КолСтрахЛицВс", &OMS::КолСтрахЛицВс),
                           C("КолЛицНачСВВс", &OMS::КолЛицНачСВВс),
                           S("ВыплНачислФЛ", &OMS::ВыплНачислФЛ),
                           S("НеОбложенСВ", &OMS::НеОбложенСВ),
                           S("РасхПринВыч", &OMS::РасхПринВыч),
                           S("БазНачислСВ", &OMS::БазНачислСВ),
                           S("НачислСВ", &OMS::НачислСВ)};
constexpr G<D12> kD12[] = {C("КолЛицНачСВ", &D12::КолЛицНачСВ), S("ВыплНачислФЛ", &D12::ВыплНачислФЛ),
                           S("НеОбложенСВ", &D12::НеОбложенСВ), S("БазНачислСВДоп", &D12::БазНачислСВДоп),
                           S("НачислСВДоп", &D12::НачислСВДоп)};
constexpr G<D3> kD3[] = {C("КолЛицНачСВ", &D3::КолЛицНачСВ), S("ВыплНачислФЛ", &D3::ВыплНачислФЛ),
                         S("НеОбложенСВ", &D3::НеОбложенСВ), S("БазНачислСВДоп", &D3::БазНачислСВДоп),
                         S("НачислСВДоп", &D3::НачислСВДоп)};
constexpr G<DSO> kDso[] = {C("КолЛицНачСВ", &DSO::КолЛицНачСВ), S("ВыплНачислФЛ", &DSO::ВыплНачислФЛ),
                           S("НеОбложенСВ", &DSO::НеОбложенСВ), S("БазНачислСВДСО", &DSO::БазНачислСВДСО),
                           S("НачислСВДСО", &DSO::НачислСВДСО)};
constexpr G<VNM> kVnm[] = {C("КолСтрахЛицВс", &VNM::КолСтрахЛицВс), C("КолЛицНачСВВс", &VNM::КолЛицНачСВВс),
                           S("ВыплНачислФЛ", &VNM::ВыплНачислФЛ),   S("НеОбложенСВ", &VNM::НеОбложенСВ),
                           S("БазПревышСВ", &VNM::БазПревышСВ),     S("БазНачислСВ", &VNM::БазНачислСВ),
                           S("БазНачислСВИн", &VNM::БазНачислСВИн), S("НачислСВ", &VNM::НачислСВ)};
constexpr G<OSS> kOss[] = {S("ПроизвРасхСО", &OSS::ПроизвРасхСО), S("ВозмРасхСО", &OSS::ВозмРасхСО)};

TariffBlock MakeTariff(const TRSV502RaschSvOPS_OMS& t, std::string path) {
  TariffBlock out{.tariff = t.ТарифПлат, .path = std::move(path), .blocks = {}};
  std::size_t k = 0;  // position among the children, for "РасчСВ_ДСО(k)"
  if (t.РасчСВ_ОПС) {
    ++k;
    out.blocks.push_back(MakeBlock("РасчСВ_ОПС", *t.РасчСВ_ОПС, Dash(out.path, "РасчСВ_ОПС"), kOps));
  }
  if (t.РасчСВ_ОМС) {
    ++k;
    out.blocks.push_back(MakeBlock("РасчСВ_ОМС", *t.РасчСВ_ОМС, Dash(out.path, "РасчСВ_ОМС"), kOms));
  }
  if (t.РасчСВ_ОПС428) {
    ++k;
    const std::string path428 = Dash(out.path, "РасчСВ_ОПС428");
    std::size_t inner = 0;
    for (const D12& d : t.РасчСВ_ОПС428->РасчСВ_428_1_2)
      out.blocks.push_back(MakeBlock("РасчСВ_428.1-2", d, Position(path428, "РасчСВ_428.1-2", ++inner), kD12,
                                     {{"ПрОснСВДоп", d.ПрОснСВДоп}}));
    for (const D3& d : t.РасчСВ_ОПС428->РасчСВ_428_3)
      out.blocks.push_back(MakeBlock("РасчСВ_428.3", d, Position(path428, "РасчСВ_428.3", ++inner), kD3,
                                     {{"КодОснов", d.КодОснов}, {"КласУслТруд", d.КласУслТруд}}));
  }
  for (const DSO& d : t.РасчСВ_ДСО)
    out.blocks.push_back(
        MakeBlock("РасчСВ_ДСО", d, Position(out.path, "РасчСВ_ДСО", ++k), kDso, {{"ПрРасчСум", d.ПрРасчСум}}));
  return out;
}

void FillAppendix2(const OSS& o, std::string path, std::vector<Block>& out) {
  Block& b = out.emplace_back();
  b.name = "РасчСВ_ОСС.ВНМ";
  b.path = std::move(path);
  AddLines<OSS>(b, o, kOss);
  if (o.УплСВПрев) {
    const std::string prev = Dash(b.path, "УплСВПрев");
    const TRSV502UplSVPrev& u = *o.УплСВПрев;
    const std::pair<std::string_view, const std::unique_ptr<TRSV502UplSVPrevType>*> parts[] = {
        {"УплВсегоПер", &u.УплВсегоПер},
        {"Упл1Посл3М", &u.Упл1Посл3М},
        {"Упл2Посл3М", &u.Упл2Посл3М},
        {"Упл3Посл3М", &u.Упл3Посл3М}};
    for (const auto& [name, part] : parts)
      if (*part)
        b.lines.push_back({.name = name,
                           .code = (*part)->Признак,
                           .values = {(*part)->Сумма},
                           .attributes = &kPartColumns,
                           .path = Dash(prev, name)});
  }
  // The reader gives every "РасчСВ_ОСС.ВНМКод" the same path, without a number.
  const std::string vnmPath = Dash(out.front().path, "РасчСВ_ОСС.ВНМКод");
  for (const VNM& v : o.РасчСВ_ОСС_ВНМКод)
    out.push_back(
        MakeBlock("РасчСВ_ОСС.ВНМКод", v, vnmPath, kVnm, {{"ТарифПлат", v.ТарифПлат}, {"ПризВыпл", v.ПризВыпл}}));
}

// A payments appendix: its total and each person's payments. The reader gives every person
// of the list the same path, without a number.
template <class Appendix, class Person>
void AddPaymentAppendix(std::string_view name, const Appendix& a, const std::vector<Person>& persons,
                        std::string_view personStep, const std::string& parent, std::vector<Block>& out) {
  Block& b = out.emplace_back();
  b.name = name;
  b.path = Dash(parent, name);
  if (a.ВыплатИт) b.lines.push_back(ToLine("ВыплатИт", *a.ВыплатИт, Dash(b.path, "ВыплатИт")));
  const std::string personPath = b.path + std::string(personStep);
  for (const Person& p : persons)
    if (p.СумВыплат) b.lines.push_back(ToLine("СумВыплат", *p.СумВыплат, Dash(personPath, "СумВыплат")));
}

void FillSection1(const TRSV502ObyazPlatSV& o, std::string path, Section1& s) {
  s.present = true;
  s.path = std::move(path);
  s.oktmo = o.ОКТМО;
  const std::pair<std::string_view, const std::unique_ptr<TRSV502SvUplPer>*> payable[] = {
      {"УплПерОПС", &o.УплПерОПС},
      {"УплПерОМС", &o.УплПерОМС},
      {"УплПерОПСДоп", &o.УплПерОПСДоп},
      {"УплПерДСО", &o.УплПерДСО}};
  for (const auto& [name, upl] : payable)
    if (*upl) s.payable.push_back(PayableLine(name, (*upl)->КБК, **upl, Dash(s.path, name)));
  if (o.УплПревОСС) {
    const TRSV502UplPrevOSS& u = *o.УплПревОСС;
    const std::string oss = Dash(s.path, "УплПревОСС");
    if (u.УплПерОСС) s.payable.push_back(PayableLine("УплПерОСС", u.КБК, *u.УплПерОСС, Dash(oss, "УплПерОСС")));
    if (u.ПревРасхОСС) {
      const TRSV502PrevRashOSS& p = *u.ПревРасхОСС;
      s.payable.push_back({.name = "ПревРасхОСС",
                           .code = u.КБК,
                           .values = {p.ПревРасхСВПер, std::nullopt, p.ПревРасхСВ1М, p.ПревРасхСВ2М, p.ПревРасхСВ3М},
                           .attributes = &kExcessColumns,
                           .path = Dash(oss, "ПревРасхОСС")});
    }
  }
  std::size_t j = 0;
  for (const TRSV502RaschSvOPS_OMS& t : o.РасчСВ_ОПС_ОМС) {
    std::string tariffPath = s.path;
    AppendPathStep(tariffPath, " - ", "РасчСВ_ОПС_ОМС", "[", ++j, "]");
    s.tariffs.push_back(MakeTariff(t, std::move(tariffPath)));
  }
  if (o.РасчСВ_ОСС_ВНМ) FillAppendix2(*o.РасчСВ_ОСС_ВНМ, Dash(s.path, "РасчСВ_ОСС.ВНМ"), s.appendix2);
  if (const auto* a = o.СвПримТариф2_2_425.get())
    AddPaymentAppendix("СвПримТариф2.2.425", *a, a->СвИноГражд, " СвИноГражд", s.path, s.paymentAppendices);
  if (const auto* a = o.СвПримТариф1_3_422.get())
    AddPaymentAppendix("СвПримТариф1.3.422", *a, a->СведОбуч, " - СведОбуч", s.path, s.paymentAppendices);
}

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

void FillSection3(const TRSV502RaschetSV& r, std::string path, int quarter, Section3& s) {
  s.path = std::move(path);
  s.form = &kForm;
  ReserveRows(r.ПерсСвСтрахЛиц, s);
  const std::uint32_t first = 1 + (r.ОбязПлатСВ ? 1 : 0) + (r.ОбязПлатСВ_КФХ ? 1 : 0);
  for (std::size_t i = 0; i < r.ПерсСвСтрахЛиц.size(); ++i) {
    const TRSV502PersSvStrakhLic& src = r.ПерсСвСтрахЛиц[i];
    Person& p = s.persons.emplace_back();
    FillIdentity(src.ДанФЛПолуч.get(), p);
    p.annulled = src.ПрАннулир == "1";
    p.number = first + static_cast<std::uint32_t>(i);
    p.steps = &kSteps;
    p.firstRow = static_cast<std::uint32_t>(s.rows.size());
    p.firstExtraRow = static_cast<std::uint32_t>(s.extraRows.size());
    if (!src.СвВыплСВОПС) continue;
    const TRSV502SvVyplSVOPS& ops = *src.СвВыплСВОПС;
    if (ops.СвВыпл) {
      std::uint32_t position = 0;
      for (const TRSV502SvVyplMK& mk : ops.СвВыпл->СвВыплМК)
        s.rows.push_back({.month = CalendarMonth(mk.Месяц, quarter),
                          .position = position++,
                          .category = mk.КодКатЛиц,
                          .payments = mk.СумВыпл,
                          .base = mk.ВыплОПС,
                          .contractBase = mk.ВыплОПСДог,
                          .contributions = mk.НачислСВ});
      p.rowCount = position;
    }
    if (ops.ВыплСВДоп) {
      std::uint32_t position = 0;
      for (const TRSV502VyplSVDopMT& mt : ops.ВыплСВДоп->ВыплСВДопМТ)
        s.extraRows.push_back({.month = CalendarMonth(mt.Месяц, quarter),
                               .position = position++,
                               .tariff = mt.КодСтрахЛиц,
                               .base = mt.ВыплСВ,
                               .contributions = mt.НачислСВ});
      p.extraRowCount = position;
    }
  }
}

}  // namespace

ReportView MakeReportView502(const TRSVFile& file, const TRSV502Document& doc, std::string_view rootPath) {
  ReportView v;
  std::string documentPath = DocumentPath(rootPath);
  FillCommonPayer(doc, documentPath, v.payer);
  const std::string raschet = documentPath + " - РасчетСВ";
  FillCommonTitle(file.FileId, file.FormatVersion, doc, std::move(documentPath), v.title);
  if (!doc.РасчетСВ) return v;
  if (doc.РасчетСВ->ОбязПлатСВ) FillSection1(*doc.РасчетСВ->ОбязПлатСВ, raschet + " - ОбязПлатСВ", v.section1);
  FillSection3(*doc.РасчетСВ, raschet, QuarterOfPeriod(doc.Период), v.section3);
  return v;
}

}  // namespace orsvelt
