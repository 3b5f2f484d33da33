#pragma once
// The document "Документ" of format 5.02: the title page (payer, period, signer) and
// the calculation. Formats 5.03 and 5.04 are read with it, under their own tables where
// they added an element.

#include <cstdint>
#include <memory>
#include <string>

#include "model/common/format5.h"
#include "model/rsv502/raschet.h"

namespace orsvelt {

struct TRSV502Document : TElem {
  std::string КНД;  // as written
  std::string ДатаДок;
  std::int32_t НомКорр = -1;   // -1 when absent or not a number
  std::string Период;          // as written
  std::int32_t ОтчетГод = -1;  // -1 when absent or not a number
  std::string КодНО;
  std::string ПоМесту;
  std::string ОКВЭД;             // of "СвНП"
  std::string Тлф;               // of "СвНП"
  std::unique_ptr<TOrgUL> НПЮЛ;  // of "СвНП"
  std::unique_ptr<TOrgPL> НПФЛ;  // of "СвНП"
  std::unique_ptr<TPodpisant> Подписант;
  std::unique_ptr<TRSV502RaschetSV> РасчетСВ;

  void Clear() { *this = TRSV502Document(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
