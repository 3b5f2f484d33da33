#pragma once
// "РасчетСВ": the calculation itself, with the payer's obligations (section 1, or
// section 2 for a farm household) and the insured persons (section 3).

#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/rsv502/benefits.h"
#include "model/rsv502/contributions.h"
#include "model/rsv502/kfh.h"
#include "model/rsv502/persons.h"
#include "model/rsv502/tariffs.h"

namespace orsvelt {

// "ОбязПлатСВ".
struct TRSV502ObyazPlatSV : TElem {
  std::string ТипПлат;
  std::string ОКТМО;
  std::unique_ptr<TRSV502SvUplPer> УплПерОПС;
  std::unique_ptr<TRSV502SvUplPer> УплПерОМС;
  std::unique_ptr<TRSV502SvUplPer> УплПерОПСДоп;
  std::unique_ptr<TRSV502SvUplPer> УплПерДСО;
  std::unique_ptr<TRSV502UplPrevOSS> УплПревОСС;
  std::vector<TRSV502RaschSvOPS_OMS> РасчСВ_ОПС_ОМС;
  std::unique_ptr<TRSV502RaschSvOSS_VNM> РасчСВ_ОСС_ВНМ;
  std::unique_ptr<TRSV502RashOSSZak> РасхОССЗак;
  std::unique_ptr<TRSV502VyplFinFB> ВыплФинФБ;
  std::unique_ptr<TRSV502PravTarif3_1_427> ПравТариф3_1_427;
  std::unique_ptr<TRSV502PravTarif7_1_427> ПравТариф7_1_427;
  std::unique_ptr<TRSV502PravTarif15_1_427> ПравТариф15_1_427;
  std::unique_ptr<TRSV502SvPrimTarif2_2_425> СвПримТариф2_2_425;
  std::unique_ptr<TRSV502SvPrimTarif1_3_422> СвПримТариф1_3_422;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчетСВ".
struct TRSV502RaschetSV : TElem {
  std::unique_ptr<TRSV502ObyazPlatSV> ОбязПлатСВ;
  std::unique_ptr<TRSV502ObyazPlatSV_KFH> ОбязПлатСВ_КФХ;
  std::vector<TRSV502PersSvStrakhLic> ПерсСвСтрахЛиц;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
