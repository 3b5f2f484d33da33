#pragma once
// Section 1 of format 5.01 ("ОбязПлатСВ"): contributions payable per budget code, the
// base calculations of annexes 1 and 2, and the annexes of benefit expenses and reduced
// tariffs.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/rsv501/annex_benefits.h"
#include "model/rsv501/annex_tariffs.h"
#include "model/rsv501/sum_groups.h"

namespace orsvelt {

// "УплПерОПС", "УплПерОМС", "УплПерОПСДоп", "УплПерДСО": contributions payable under one
// budget code.
struct TRSV501UplPer : TElem {
  std::string КБК;
  Amount СумСВУплПер = 0, СумСВУпл1М = 0, СумСВУпл2М = 0, СумСВУпл3М = 0;
  void Clear() { *this = TRSV501UplPer(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "УплПерОСС": social-insurance contributions payable.
struct TRSV501UplPerOSS : TElem {
  Amount СумСВУплПер = 0, СумСВУпл1М = 0, СумСВУпл2М = 0, СумСВУпл3М = 0;
  void Clear() { *this = TRSV501UplPerOSS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПревРасхОСС": expenses above the social-insurance contributions.
struct TRSV501PrevRashOSS : TElem {
  Amount ПревРасхСВПер = 0, ПревРасхСВ1М = 0, ПревРасхСВ2М = 0, ПревРасхСВ3М = 0;
  void Clear() { *this = TRSV501PrevRashOSS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "УплПревОСС".
struct TRSV501UplPrevOSS : TElem {
  std::string КБК;
  std::unique_ptr<TRSV501UplPerOSS> УплПерОСС;
  std::unique_ptr<TRSV501PrevRashOSS> ПревРасхОСС;
  void Clear() { *this = TRSV501UplPrevOSS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС": pension-insurance base and contributions.
struct TRSV501RaschSV_OPS : TElem {
  std::unique_ptr<TRSV501ColLic> КолСтрахЛицВс, КолЛицНачСВВс, ПревБазОПС;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазНачислСВ, БазПревышОПС, НачислСВ, НачислСВНеПрев,
      НачислСВПрев;
  void Clear() { *this = TRSV501RaschSV_OPS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОМС": medical-insurance base and contributions.
struct TRSV501RaschSV_OMS : TElem {
  std::unique_ptr<TRSV501ColLic> КолСтрахЛицВс, КолЛицНачСВВс;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазНачислСВ, НачислСВ;
  void Clear() { *this = TRSV501RaschSV_OMS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_428.1-2": additional tariff of points 1 and 2.
struct TRSV501RaschSV_428_1_2 : TElem {
  std::string ПрОснСВДоп;
  std::unique_ptr<TRSV501ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазНачислСВДоп, НачислСВДоп;
  void Clear() { *this = TRSV501RaschSV_428_1_2(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_428.3": additional tariff of point 3.
struct TRSV501RaschSV_428_3 : TElem {
  std::string КодОснов, ОсновЗап, КласУслТруд;
  std::unique_ptr<TRSV501ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазНачислСВДоп, НачислСВДоп;
  void Clear() { *this = TRSV501RaschSV_428_3(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС428": additional pension tariffs.
struct TRSV501RaschSV_OPS428 : TElem {
  std::vector<TRSV501RaschSV_428_1_2> РасчСВ_428_1_2;  // "РасчСВ_428.1-2"
  std::vector<TRSV501RaschSV_428_3> РасчСВ_428_3;      // "РасчСВ_428.3"
  void Clear() { *this = TRSV501RaschSV_OPS428(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ДСО": additional social security of some occupations.
struct TRSV501RaschSV_DSO : TElem {
  std::string ПрРасчСум;
  std::unique_ptr<TRSV501ColLic> КолЛицНачСВ;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазНачислСВДСО, НачислСВДСО;
  void Clear() { *this = TRSV501RaschSV_DSO(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОПС_ОМС": annex 1 for one payer tariff.
struct TRSV501RaschSv_OPS_OMS : TElem {
  std::string ТарифПлат;
  std::unique_ptr<TRSV501RaschSV_OPS> РасчСВ_ОПС;
  std::unique_ptr<TRSV501RaschSV_OMS> РасчСВ_ОМС;
  std::unique_ptr<TRSV501RaschSV_OPS428> РасчСВ_ОПС428;
  std::vector<TRSV501RaschSV_DSO> РасчСВ_ДСО;
  void Clear() { *this = TRSV501RaschSv_OPS_OMS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// The five children of "УплСВПрев".
struct TRSV501UplSVprevType : TElem {
  std::string Признак;
  Amount Сумма = 0;
  void Clear() { *this = TRSV501UplSVprevType(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "УплСВПрев": social-insurance contributions payable or expenses above them.
struct TRSV501UplSVprev : TElem {
  std::unique_ptr<TRSV501UplSVprevType> УплВсегоПер, УплВсегоПосл3М, Упл1Посл3М, Упл2Посл3М, Упл3Посл3М;
  void Clear() { *this = TRSV501UplSVprev(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОСС.ВНМ": annex 2, social insurance.
struct TRSV501RaschSv_OSS : TElem {
  std::string ПризВыпл;
  std::unique_ptr<TRSV501ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV501SvSum1> ВыплНачислФЛ, НеОбложенСВ, БазПревышСВ, БазНачислСВ, БазНачСВФарм, БазНачСВЧлЭС,
      БазНачСВПат, БазНачСВИнЛиц, НачислСВ, ПроизвРасхСО, ВозмРасхСО;
  std::unique_ptr<TRSV501UplSVprev> УплСВПрев;
  void Clear() { *this = TRSV501RaschSv_OSS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ОбязПлатСВ": section 1.
struct TRSV501ObyazPlatSV : TElem {
  std::string ОКТМО;
  std::unique_ptr<TRSV501UplPer> УплПерОПС, УплПерОМС;
  std::vector<TRSV501UplPer> УплПерОПСДоп, УплПерДСО;
  std::unique_ptr<TRSV501UplPrevOSS> УплПревОСС;
  std::vector<TRSV501RaschSv_OPS_OMS> РасчСВ_ОПС_ОМС;
  std::unique_ptr<TRSV501RaschSv_OSS> РасчСВ_ОСС_ВНМ;  // "РасчСВ_ОСС.ВНМ"
  std::unique_ptr<TRSV501RashOSSZak> РасхОССЗак;
  std::unique_ptr<TRSV501VyplFinFB> ВыплФинФБ;
  std::unique_ptr<TRSV501PravTarif3_1_427> ПравТариф3_1_427;
  std::unique_ptr<TRSV501PravTarif5_1_427> ПравТариф5_1_427;
  std::unique_ptr<TRSV501PravTarif7_1_427> ПравТариф7_1_427;
  std::unique_ptr<TRSV501SvPrimTarif9_1_427> СвПримТариф9_1_427;
  std::unique_ptr<TRSV501SvPrimTarif2_2_425> СвПримТариф2_2_425;
  std::unique_ptr<TRSV501SvPrimTarif1_3_422> СвПримТариф1_3_422;
  void Clear() { *this = TRSV501ObyazPlatSV(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
