#pragma once
// The two small value sets that most of section 1 is made of: head counts and amounts
// for the period and its last three months.

#include <cstdint>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

// КолЛицТип: "КолСтрахЛицВс", "КолЛицНачСВВс", "ПревБазОПС", "КолЛицНачСВ".
struct TRSV502ColLic : TElem {
  std::int32_t КолВсегоПер = 0;
  std::int32_t Кол1Посл3М = 0;
  std::int32_t Кол2Посл3М = 0;
  std::int32_t Кол3Посл3М = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// СвСум1Тип: "ВыплНачислФЛ", "НачислСВ", "ВыплатИт", "СумВыплат" and the other sums.
struct TRSV502SvSum1 : TElem {
  Amount СумВсегоПер = 0;
  Amount Сум1Посл3М = 0;
  Amount Сум2Посл3М = 0;
  Amount Сум3Посл3М = 0;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
