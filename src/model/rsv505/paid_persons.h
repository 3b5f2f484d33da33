#pragma once
// The payers of article 431 p. 6.1 and p. 6.2 list the persons they paid with the amounts
// and the base within the single limit, outside section 3.

#include <memory>
#include <string>
#include <vector>

#include "model/common/format5.h"
#include "model/rsv502/contributions.h"
#include "model/rsv502/sums.h"

namespace orsvelt {

// "СвФЛВыпл6.2.431". The birth date, sex and identity document and the base came in 5.07.
struct TRSV505SvFLVypl6_2_431 : TElem {
  std::string ИННФЛ, СНИЛС, Гражд, ДатаРожд, Пол, КодВидДок, СерНомДок;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV502SvSum1> СумВыплат;
  std::unique_ptr<TRSV502SvSum1> БазаИсч;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвФЛИсч6.2.431".
struct TRSV505SvFLIsch6_2_431 : TElem {
  std::vector<TRSV505SvFLVypl6_2_431> СвФЛВыпл6_2_431;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвФЛВыпл" of "СвПримТариф4.425". The birth date, sex and identity document came in 5.08.
struct TRSV505SvFLVypl : TElem {
  std::string ИННФЛ, СНИЛС, ДатаРожд, Пол, КодВидДок, СерНомДок;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV502SvSum1> СумВыплат;
  std::unique_ptr<TRSV502SvSum1> БазаИсч;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф4.425".
struct TRSV505SvPrimTarif4_425 : TElem {
  std::vector<TRSV505SvFLVypl> СвФЛВыпл;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_ОСС.ВНМ" of "ОбязПлатСВ_6.1.431": social and medical insurance only.
struct TRSV505RaschSV_OSS_VNM : TElem {
  std::unique_ptr<TRSV502ColLic> КолСтрахЛицВс;
  std::unique_ptr<TRSV502ColLic> КолЛицНачСВВс;
  std::unique_ptr<TRSV502SvSum1> ВыплНачислФЛ;
  std::unique_ptr<TRSV502SvSum1> НеОбложенСВ;
  std::unique_ptr<TRSV502SvSum1> БазПревышСВ;
  std::unique_ptr<TRSV502SvSum1> БазИсчислОСС;
  std::unique_ptr<TRSV502SvSum1> ИсчислОСС;
  std::unique_ptr<TRSV502SvSum1> БазИсчислОМС;
  std::unique_ptr<TRSV502SvSum1> ИсчислОМС;
  bool Load(TXMLElement e, const std::string& path);
};

// "ОбязПлатСВ_6.1.431" (from 5.06): payers of article 431 p. 6.1.
struct TRSV505ObyazPlatSV_6_1_431 : TElem {
  std::string ОКТМО;
  std::unique_ptr<TRSV502SvUplPer> УплПревОСС;  // СВУплПер431Тип has the attributes of СВУплПерТип
  std::unique_ptr<TRSV502SvUplPer> УплПерОМС;
  std::unique_ptr<TRSV505RaschSV_OSS_VNM> РасчСВ_ОСС_ВНМ;
  std::unique_ptr<TRSV505SvPrimTarif4_425> СвПримТариф4_425;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
