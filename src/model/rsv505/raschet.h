#pragma once
// "РасчетСВ" from 2023: section 1 rebuilt around the single tariff, section 2 of farm
// households, the insured persons of section 3 as in 5.02, and from 5.06 the block of the
// payers of article 431 p. 6.1.

#include <memory>
#include <string>
#include <vector>

#include "model/rsv502/contributions.h"
#include "model/rsv502/persons.h"
#include "model/rsv502/tariffs.h"
#include "model/rsv505/contributions.h"
#include "model/rsv505/kfh.h"
#include "model/rsv505/paid_persons.h"
#include "model/rsv505/tariffs.h"

namespace orsvelt {

// "ОбязПлатСВ": section 1.
struct TRSV505ObyazPlatSV : TElem {
  std::string ТипПлат;
  std::string ОКТМО;
  std::unique_ptr<TRSV502SvUplPer> УплПерОПС;  // pension, social and medical insurance together
  std::vector<TRSV502SvUplPer> УплПерОПСДоп;
  std::vector<TRSV502SvUplPer> УплПерДСО;
  std::unique_ptr<TRSV502SvUplPer> УплОПС6_2_431;
  std::unique_ptr<TRSV502SvUplPer> УплОСС6_2_431;
  std::unique_ptr<TRSV502SvUplPer> УплОМС6_2_431;
  std::vector<TRSV505RaschSvOPS_OMS> РасчСВ_ОПС_ОМС;
  std::vector<TRSV505RaschSV_OPS428> РасчСВ_ОПС428;
  std::unique_ptr<TRSV502RaschSV_DSO> РасчСВ_ДСО;
  std::vector<TRSV505RaschSv_6_2_431> РасчСВ_6_2_431;
  std::vector<TRSV505PravTarif3_18_1_427> ПравТариф3_18_1_427;
  std::unique_ptr<TRSV502PravTarif7_1_427> ПравТариф7_1_427;
  std::unique_ptr<TRSV502PravTarif15_1_427> ПравТариф15_1_427;
  std::vector<TRSV505PravTarif13_2_427> ПравТариф13_2_427;  // from 5.07
  std::unique_ptr<TRSV505SvPrimTarif20_1_427> СвПримТариф20_1_427;
  std::unique_ptr<TRSV505SvFLIsch6_2_431> СвФЛИсч6_2_431;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчетСВ". Every part is optional: an empty calculation is a valid file.
struct TRSV505RaschetSV : TElem {
  std::unique_ptr<TRSV505ObyazPlatSV> ОбязПлатСВ;
  std::unique_ptr<TRSV505ObyazPlatSV_KFH> ОбязПлатСВ_КФХ;
  std::vector<TRSV502PersSvStrakhLic> ПерсСвСтрахЛиц;
  std::unique_ptr<TRSV505ObyazPlatSV_6_1_431> ОбязПлатСВ_6_1_431;  // from 5.06
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
