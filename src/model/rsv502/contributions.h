#pragma once
// Section 1 of the calculation: contributions paid per budget code, and the calculation
// of pension, medical, additional and social insurance contributions.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/rsv502/sums.h"

namespace orsvelt {

// СВУплПерТип: "УплПерОПС", "УплПерОМС", "УплПерОПСДоп", "УплПерДСО".
struct TRSV502SvUplPer : TElem {
  std::string КБК;
  Amount СумСВУплПер = 0;
  Amount СумСВУпл1М = 0;
  Amount СумСВУпл2М = 0;
  Amount СумСВУпл3М = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "УплПерОСС".
struct TRSV502UplPerOSS : TElem {
  Amount СумСВУплПер = 0;
  Amount СумСВУпл1М = 0;
  Amount СумСВУпл2М = 0;
  Amount СумСВУпл3М = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПревРасхОСС".
struct TRSV502PrevRashOSS : TElem {
  Amount ПревРасхСВПер = 0;
  Amount ПревРасхСВ1М = 0;
  Amount ПревРасхСВ2М = 0;
  Amount ПревРасхСВ3М = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "УплПревОСС".
struct TRSV502UplPrevOSS : TElem {
  std::string КБК;
  std::unique_ptr<TRSV502UplPerOSS> УплПерОСС;
  std::unique_ptr<TRSV502PrevRashOSS> ПревРасхОСС;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС".
struct TRSV502RaschSV_OPS : TElem {
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502ColLic> ПревБазОПС;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> РасхПринВыч;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВ;
  std::unique_ptr<TRSV502SvSum1> БазНеПревышОПС;  // from 5.03
  std::unique_ptr<TRSV502SvSum1> БазПревышОПС;
  std::unique_ptr<TRSV502SvSum1> НачислСВ;
  std::unique_ptr<TRSV502SvSum1> НачислСВНеПрев;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОМС".
struct TRSV502RaschSV_OMS : TElem {
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> РасхПринВыч;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВ;
  std::unique_ptr<TRSV502SvSum1> НачислСВ;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_428.1-2".
struct TRSV502RaschSV428_12 : TElem {
  std::string ПрОснСВДоп;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВДоп;
  std::unique_ptr<TRSV502SvSum1> НачислСВДоп;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_428.3".
struct TRSV502RaschSV428_3 : TElem {
  std::string КодОснов;
  std::string КласУслТруд;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВДоп;
  std::unique_ptr<TRSV502SvSum1> НачислСВДоп;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС428".
struct TRSV502RaschSV_OPS428 : TElem {
  std::vector<TRSV502RaschSV428_12> РасчСВ_428_1_2;
  std::vector<TRSV502RaschSV428_3> РасчСВ_428_3;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ДСО".
struct TRSV502RaschSV_DSO : TElem {
  std::string ПрРасчСум;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВДСО;
  std::unique_ptr<TRSV502SvSum1> НачислСВДСО;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС_ОМС": one tariff of the payer.
struct TRSV502RaschSvOPS_OMS : TElem {
  std::string ТарифПлат;
  std::unique_ptr<TRSV502RaschSV_OPS> РасчСВ_ОПС;
  std::unique_ptr<TRSV502RaschSV_OMS> РасчСВ_ОМС;
  std::unique_ptr<TRSV502RaschSV_OPS428> РасчСВ_ОПС428;
  std::vector<TRSV502RaschSV_DSO> РасчСВ_ДСО;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОСС.ВНМКод": social insurance for one tariff.
struct TRSV502RaschSV_OMS_VNMKod : TElem {
  std::string ТарифПлат;
  std::string ПризВыпл;
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазПревышСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВ;
  std::unique_ptr<TRSV502SvSum1> БазНачислСВИн;
  std::unique_ptr<TRSV502SvSum1> НачислСВ;
  bool Load(TXMLElement e, const std::string& path);
};

// УплСВПревТип: "УплВсегоПер", "Упл1Посл3М", "Упл2Посл3М", "Упл3Посл3М".
struct TRSV502UplSVPrevType : TElem {
  std::string Признак;
  Amount Сумма = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "УплСВПрев".
struct TRSV502UplSVPrev : TElem {
  std::unique_ptr<TRSV502UplSVPrevType> УплВсегоПер;
  std::unique_ptr<TRSV502UplSVPrevType> Упл1Посл3М;
  std::unique_ptr<TRSV502UplSVPrevType> Упл2Посл3М;
  std::unique_ptr<TRSV502UplSVPrevType> Упл3Посл3М;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОСС.ВНМ".
struct TRSV502RaschSvOSS_VNM : TElem {
  std::vector<TRSV502RaschSV_OMS_VNMKod> РасчСВ_ОСС_ВНМКод;
  std::unique_ptr<TRSV502SvSum1> ПроизвРасхСО;
  std::unique_ptr<TRSV502SvSum1> ВозмРасхСО;
  std::unique_ptr<TRSV502UplSVPrev> УплСВПрев;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
