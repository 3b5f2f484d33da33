#pragma once
// The document "Документ" of format 5.01 and its calculation body "РасчетСВ".

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/format5.h"
#include "model/common/person_hand_off.h"
#include "model/rsv501/section1.h"
#include "model/rsv501/section2.h"
#include "model/rsv501/section3.h"

namespace orsvelt {

// "РасчетСВ": sections 1, 2 and 3.
struct TRSV501RaschetSV : TElem {
  std::unique_ptr<TRSV501ObyazPlatSV> ОбязПлатСВ;
  std::unique_ptr<TRSV501ObyazPlatSV_KFH> ОбязПлатСВ_КФХ;
  std::vector<TRSV501PersSvSL> ПерсСвСтрахЛиц;
  void Clear() { *this = TRSV501RaschetSV(); }
  bool Load(TXMLElement e, const std::string& path);
};

// The 5.01 persons handed over while they are read (see model/common/person_hand_off.h).
using TRSV501PersonHandOff = PersonHandOff<TRSV501PersSvSL>;

// "Документ": the title page and the calculation. ОКВЭД and Тлф come from "СвНП".
struct TRSV501Document : TElem {
  std::string КНД;  // as written, entities kept
  std::string ДатаДок;
  std::int32_t НомКорр = -1;  // -1: absent or not a number
  std::string Период;         // as written, entities kept
  std::int32_t ОтчетГод = -1;
  std::string КодНО, ПоМесту, ОКВЭД, Тлф;
  std::unique_ptr<TOrgUL> НПЮЛ;
  std::unique_ptr<TOrgIP> НПИП;
  std::unique_ptr<TOrgPL> НПФЛ;
  std::unique_ptr<TPodpisant> Подписант;
  std::unique_ptr<TRSV501RaschetSV> РасчетСВ;
  void Clear() { *this = TRSV501Document(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
