#include "model/rsv505/report_view_505.h"

#include "model/rsv502/view_lines.h"
#include "model/rsv505/document.h"
#include "model/rsv505/paid_persons.h"
#include "model/rsvnalog.h"
#include "model/view/view_filling.h"
#include "reference/period_codes.h"

namespace orsvelt {

using namespace view;
using namespace rsv502;

namespace {

std::string Listed(const std::string& parent, std::string_view name, std::size_t k) {
  return Numbered(parent, name, k, "[", "]");
}

using OO = TRSV505RaschSV_OPSOMS;
using D428 = TRSV505RaschSV_OPS428;
using D431 = TRSV505RaschSV6_2_431;

constexpr G<OO> kOpsOms[] = {
    C("КолСтрахЛицВс", &OO::КолСтрахЛицВс),   C("КолЛицНачСВВс", &OO::КолЛицНачСВВс),
    C("НеПревБазОПС", &OO::НеПревБазОПС),     C("ПревБазОПС", &OO::ПревБазОПС),
    S("ВыплНачислФЛ", &OO::ВыплНачислФЛ),     S("НеОбложенСВ", &OO::НеОбложенСВ),
    S("РасхПринВыч", &OO::РасхПринВыч),       S("БазНачислСВ", &OO::БазНачислСВ),
    S("БазНеПревышОПС", &OO::БазНеПревышОПС), S("БазПревышОПС", &OO::БазПревышОПС),
    S("НачислСВ", &OO::НачислСВ),             S("НачислСВНеПрев", &OO::НачислСВНеПрев),
    S("НачислСВПрев", &OO::НачислСВПрев)};
constexpr G<D428> k428[] = {C("КолЛицНачСВ", &D428::КолЛицНачСВ), S("ВыплНачислФЛ", &D428::ВыплНачислФЛ),
                            S("НеОбложенСВ", &D428::НеОбложенСВ), S("БазНачислСВДоп", &D428::БазНачислСВДоп),
                            S("НачислСВДоп", &D428::НачислСВДоп)};
constexpr G<D431> k431[] = {
    C("КолСтрахЛицВс", &D431::КолСтрахЛицВс), C("КолЛицНачСВВс", &D431::КолЛицНачСВВс),
    C("НеПревБаз", &D431::НеПревБаз),         C("ПревБаз", &D431::ПревБаз),
    S("ВыплНачислФЛ", &D431::ВыплНачислФЛ),   S("НеОбложенСВ", &D431::НеОбложенСВ),
    S("РасхПринВыч", &D431::РасхПринВыч),     S("БазНачислСВ", &D431::БазНачислСВ),
    S("БазНеПревыш", &D431::БазНеПревыш),     S("БазПревыш", &D431::БазПревыш),
    S("ИсчОПС", &D431::ИсчОПС),               S("ИсчОПСНеПрев", &D431::ИсчОПСНеПрев),
    S("ИсчОПСПрев", &D431::ИсчОПСПрев),       S("ИсчОСС", &D431::ИсчОСС),
    S("ИсчОССНеПрев", &D431::ИсчОССНеПрев),   S("ИсчОССПрев", &D431::ИсчОССПрев),
    S("ИсчОМС", &D431::ИсчОМС),               S("ИсчОМСНеПрев", &D431::ИсчОМСНеПрев),
    S("ИсчОМСПрев", &D431::ИсчОМСПрев)};

using Paid = TRSV505SvFLVypl6_2_431;
constexpr G<Paid> kPaid[] = {S("СумВыплат", &Paid::СумВыплат), S("БазаИсч", &Paid::БазаИсч)};

void FillPayable(const TRSV505ObyazPlatSV& o, Section1& s) {
  if (o.УплПерОПС)
    s.payable.push_back(PayableLine("УплПерОПС", o.УплПерОПС->КБК, *o.УплПерОПС, Dash(s.path, "УплПерОПС")));
  const std::pair<std::string_view, const std::vector<TRSV502SvUplPer>*> lists[] = {{"УплПерОПСДоп", &o.УплПерОПСДоп},
                                                                                   {"УплПерДСО", &o.УплПерДСО}};
  for (const auto& [name, list] : lists) {
    std::size_t k = 0;
    for (const TRSV502SvUplPer& u : *list) s.payable.push_back(PayableLine(name, u.КБК, u, Listed(s.path, name, ++k)));
  }
  const std::pair<std::string_view, const std::unique_ptr<TRSV502SvUplPer>*> single[] = {
      {"УплОПС6.2.431", &o.УплОПС6_2_431}, {"УплОСС6.2.431", &o.УплОСС6_2_431}, {"УплОМС6.2.431", &o.УплОМС6_2_431}};
  for (const auto& [name, upl] : single)
    if (*upl) s.payable.push_back(PayableLine(name, (*upl)->КБК, **upl, Dash(s.path, name)));
}

void FillSection1(const TRSV505ObyazPlatSV& o, std::string path, Section1& s) {
  s.present = true;
  s.path = std::move(path);
  s.oktmo = o.ОКТМО;
  FillPayable(o, s);
  std::size_t k = 0;
  for (const TRSV505RaschSvOPS_OMS& t : o.РасчСВ_ОПС_ОМС) {
    TariffBlock& tariff = s.tariffs.emplace_back();
    tariff.tariff = t.ТарифПлат;
    tariff.path = Listed(s.path, "РасчСВ_ОПС_ОМС", ++k);
    if (t.РасчСВ_ОПСОМС)
      tariff.blocks.push_back(
          MakeBlock("РасчСВ_ОПСОМС", *t.РасчСВ_ОПСОМС, Dash(tariff.path, "РасчСВ_ОПСОМС"), kOpsOms));
  }
  k = 0;
  for (const D428& d : o.РасчСВ_ОПС428)
    s.blocks.push_back(MakeBlock("РасчСВ_ОПС428", d, Listed(s.path, "РасчСВ_ОПС428", ++k), k428,
                                 {{"КодОснов", d.КодОснов}, {"КласУслТруд", d.КласУслТруд}}));
  if (o.РасчСВ_ДСО)
    s.blocks.push_back(MakeBlock("РасчСВ_ДСО", *o.РасчСВ_ДСО, Dash(s.path, "РасчСВ_ДСО"), kDsoGroups,
                                 {{"ПрРасчСум", o.РасчСВ_ДСО->ПрРасчСум}}));
  k = 0;
  for (const TRSV505RaschSv_6_2_431& t : o.РасчСВ_6_2_431) {
    const std::string outer = Listed(s.path, "РасчСВ_6.2.431", ++k);
    if (!t.РасчСВ6_2_431) continue;
    const D431& d = *t.РасчСВ6_2_431;
    s.blocks.push_back(
        MakeBlock("РасчСВ6.2.431", d, Dash(outer, "РасчСВ6.2.431"), k431,
                  {{"ТарифПлат", t.ТарифПлат}, {"ПрОПС", d.ПрОПС}, {"ПрОСС", d.ПрОСС}, {"ПрОМС", d.ПрОМС}}));
  }
  if (o.СвФЛИсч6_2_431) {
    const std::string outer = Dash(s.path, "СвФЛИсч6.2.431");
    k = 0;
    for (const Paid& p : o.СвФЛИсч6_2_431->СвФЛВыпл6_2_431)
      s.blocks.push_back(
          MakeBlock("СвФЛВыпл6.2.431", p, Listed(outer, "СвФЛВыпл6.2.431", ++k), kPaid, {{"СНИЛС", p.СНИЛС}}));
  }
}

}  // namespace

ReportView MakeReportView505(const TRSVFile& file, const TRSV505Document& doc, std::string_view rootPath) {
  ReportView v;
  std::string documentPath = DocumentPath(rootPath);
  if (doc.СвНП) FillCommonPayer(*doc.СвНП, documentPath, v.payer);
  const std::string raschet = documentPath + " - РасчетСВ";
  FillCommonTitle(file.FileId, file.FormatVersion, doc, std::move(documentPath), v.title);
  if (!doc.РасчетСВ) return v;
  const TRSV505RaschetSV& r = *doc.РасчетСВ;
  if (r.ОбязПлатСВ) FillSection1(*r.ОбязПлатСВ, raschet + " - ОбязПлатСВ", v.section1);
  FillSection3(r.ПерсСвСтрахЛиц, FirstPersonNumber(r), raschet, QuarterOfPeriod(doc.Период), v.section3);
  return v;
}

}  // namespace orsvelt
