#include "model/rsv502/report_view_502.h"

#include "model/rsv502/document.h"
#include "model/rsv502/view_lines.h"
#include "model/rsvnalog.h"
#include "model/view/view_filling.h"
#include "reference/period_codes.h"

namespace orsvelt {

using namespace view;
using namespace rsv502;

namespace {

constexpr ColumnNames kExcessColumns{"ПревРасхСВПер", "", "ПревРасхСВ1М", "ПревРасхСВ2М", "ПревРасхСВ3М"};
constexpr ColumnNames kPartColumns{"Сумма", "", "", "", ""};

// "Name(k)": k is the 1-based position among all children of the parent.
std::string Position(const std::string& parent, std::string_view name, std::size_t k) {
  return Numbered(parent, name, k, "(", ")");
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
                           S("БазНачислСВ", &OPS::БазНачислСВ),     S("БазНеПревышОПС", &OPS::БазНеПревышОПС),
                           S("БазПревышОПС", &OPS::БазПревышОПС),
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
        MakeBlock("РасчСВ_ДСО", d, Position(out.path, "РасчСВ_ДСО", ++k), kDsoGroups, {{"ПрРасчСум", d.ПрРасчСум}}));
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

}  // namespace

ReportView MakeReportView502(const TRSVFile& file, const TRSV502Document& doc, std::string_view rootPath) {
  ReportView v;
  std::string documentPath = DocumentPath(rootPath);
  FillCommonPayer(doc, documentPath, v.payer);
  const std::string raschet = documentPath + " - РасчетСВ";
  FillCommonTitle(file.FileId, file.FormatVersion, doc, std::move(documentPath), v.title);
  if (!doc.РасчетСВ) return v;
  if (doc.РасчетСВ->ОбязПлатСВ) FillSection1(*doc.РасчетСВ->ОбязПлатСВ, raschet + " - ОбязПлатСВ", v.section1);
  const TRSV502RaschetSV& r = *doc.РасчетСВ;
  FillSection3(r.ПерсСвСтрахЛиц, FirstPersonNumber(r), raschet, QuarterOfPeriod(doc.Период), v.section3);
  return v;
}

}  // namespace orsvelt
