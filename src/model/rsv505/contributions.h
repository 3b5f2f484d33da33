#pragma once
// Appendix 1 of section 1 from 2023: the single tariff's indicators per tariff code, the
// additional pension tariff and the calculation for the persons of article 431 p. 6.2.

#include <memory>
#include <string>

#include "model/rsv502/sums.h"

namespace orsvelt {

// "РасчСВ_ОПСОМС": the 13 indicators of one tariff code (pension, social and medical
// insurance together, within and above the single limit).
struct TRSV505RaschSV_OPSOMS : TElem {
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502ColLic> НеПревБазОПС;
  std::unique_ptr<TRSV502ColLic> ПревБазОПС;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> РасхПринВыч;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВ;
  std::unique_ptr<TRSV502SvSum1> БазНеПревышОПС;
  std::unique_ptr<TRSV502SvSum1> БазПревышОПС;
  std::unique_ptr<TRSV502SvSum1> НачислСВ;
  std::unique_ptr<TRSV502SvSum1> НачислСВНеПрев;
  std::unique_ptr<TRSV502SvSum1> НачислСВПрев;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС_ОМС": one tariff code.
struct TRSV505RaschSvOPS_OMS : TElem {
  std::string ТарифПлат;
  std::unique_ptr<TRSV505RaschSV_OPSOMS> РасчСВ_ОПСОМС;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС428": the additional pension tariff of article 428 for one basis.
struct TRSV505RaschSV_OPS428 : TElem {
  std::string КодОснов;
  std::string КласУслТруд;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВДоп;
  std::unique_ptr<TRSV502SvSum1> НачислСВДоп;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ6.2.431": the indicators of one tariff code for the persons of article 431 p. 6.2;
// the kinds of insurance computed are flagged, and only their totals are given.
struct TRSV505RaschSV6_2_431 : TElem {
  std::string ПрОПС;
  std::string ПрОСС;
  std::string ПрОМС;
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502ColLic> НеПревБаз;
  std::unique_ptr<TRSV502ColLic> ПревБаз;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> РасхПринВыч;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВ;
  std::unique_ptr<TRSV502SvSum1> БазНеПревыш;
  std::unique_ptr<TRSV502SvSum1> БазПревыш;
  std::unique_ptr<TRSV502SvSum1> ИсчОПС;
  std::unique_ptr<TRSV502SvSum1> ИсчОПСНеПрев;
  std::unique_ptr<TRSV502SvSum1> ИсчОПСПрев;
  std::unique_ptr<TRSV502SvSum1> ИсчОСС;
  std::unique_ptr<TRSV502SvSum1> ИсчОССНеПрев;
  std::unique_ptr<TRSV502SvSum1> ИсчОССПрев;
  std::unique_ptr<TRSV502SvSum1> ИсчОМС;
  std::unique_ptr<TRSV502SvSum1> ИсчОМСНеПрев;
  std::unique_ptr<TRSV502SvSum1> ИсчОМСПрев;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_6.2.431": one tariff code for the persons of article 431 p. 6.2.
struct TRSV505RaschSv_6_2_431 : TElem {
  std::string ТарифПлат;
  std::unique_ptr<TRSV505RaschSV6_2_431> РасчСВ6_2_431;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
