#pragma once
// The two value groups used all over section 1: a sum, and a number of persons, each for
// the whole period and for the last three months (total, first, second, third month).

#include <cstdint>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

// Every sum group ("ВыплНачислФЛ", "НачислСВ", "ВыплатИт", "СумВыплат", ...).
struct TRSV501SvSum1 : TElem {
  Amount СумВсегоПер = 0, СумВсегоПосл3М = 0, Сум1Посл3М = 0, Сум2Посл3М = 0, Сум3Посл3М = 0;
  void Clear() { *this = TRSV501SvSum1(); }
  bool Load(TXMLElement e, const std::string& path);
};

// Every count group ("КолСтрахЛицВс", "КолЛицНачСВВс", "КолЛицНачСВ", "ПревБазОПС").
struct TRSV501ColLic : TElem {
  std::int32_t КолВсегоПер = 0, КолВсегоПосл3М = 0, Кол1Посл3М = 0, Кол2Посл3М = 0, Кол3Посл3М = 0;
  void Clear() { *this = TRSV501ColLic(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
