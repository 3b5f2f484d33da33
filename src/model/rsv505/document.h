#pragma once
// The document "Документ" of formats 5.05 to 5.08 (2023 on): the title page of 5.02 with
// the average headcount in place of the activity code and a natural-person payer whose
// INN is an attribute, and the calculation of the single tariff.

#include <cstdint>
#include <memory>
#include <string>

#include "model/common/format5.h"
#include "model/rsv505/raschet.h"

namespace orsvelt {

// "НПФЛ": payer that is a natural person, an entrepreneur or the head of a farm household.
struct TRSV505OrgPL : TElem {
  std::string ИННФЛ;
  std::string ОГРНИП;
  std::unique_ptr<TFIO> ФИО;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвНП": the payer.
struct TRSV505SvNP : TElem {
  std::int32_t СрЧисл = -1;  // -1 when absent
  std::string Тлф;
  std::unique_ptr<TOrgUL> НПЮЛ;
  std::unique_ptr<TRSV505OrgPL> НПФЛ;
  bool Load(TXMLElement e, const std::string& path);
};

struct TRSV505Document : TElem {
  std::string КНД;  // as written
  std::string ДатаДок;
  std::int32_t НомКорр = -1;   // -1 when absent or not a number
  std::string Период;          // as written
  std::int32_t ОтчетГод = -1;  // -1 when absent or not a number
  std::string КодНО;
  std::string ПоМесту;
  std::unique_ptr<TRSV505SvNP> СвНП;
  std::unique_ptr<TPodpisant> Подписант;
  std::unique_ptr<TRSV505RaschetSV> РасчетСВ;

  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
