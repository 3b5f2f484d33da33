#pragma once
// The appendices of section 1 from 2023 that show a right to a reduced tariff: income
// shares of IT and electronics payers (art. 427 p. 1 sub. 3 and 18), of manufacturing
// small businesses (p. 13.2 and 13.3), and the students of student detachments.
// Non-profit organisations and animation producers keep the 5.02 elements.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/rsv502/tariffs.h"

namespace orsvelt {

// "СвРеестрОрг" of "ПравТариф3_18.1.427".
struct TRSV505SvReestrOrg : TElem {
  std::string ДатаЗапОрг;
  std::string НомЗапОрг;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф3_18.1.427". Incomes are 64-bit, as in 5.02.
struct TRSV505PravTarif3_18_1_427 : TElem {
  std::string КодПлат;
  std::int64_t Дох427_Пер = 0;
  std::int64_t ДохКр5_427_Пер = 0;
  Amount ДолДох5_427_Пер = 0;
  std::unique_ptr<TRSV505SvReestrOrg> СвРеестрОрг;
  std::unique_ptr<TRSV502SvSvidUdReg> СвСвидУдРег;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф13.2.427" (from 5.07).
struct TRSV505PravTarif13_2_427 : TElem {
  std::string КодПлат;
  std::int64_t Дох26_2Пред = 0;
  std::int64_t Дох26_2Пер = 0;
  std::int64_t ДохОснПред = 0;
  std::int64_t ДохОснПер = 0;
  Amount ДолДох13_2_427Пред = 0;
  Amount ДолДох13_2_427Пер = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "СведОбуч": a student; from 2023 without the amounts paid.
struct TRSV505SvedObuch : TElem {
  std::string УникНомер;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV502SpravType> СведФормОбуч;
  std::unique_ptr<TRSV502SpravType> СведСтудОтряд;
  std::unique_ptr<TRSV502SvReestrMDO> СвРеестрМДО;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф20.1.427".
struct TRSV505SvPrimTarif20_1_427 : TElem {
  std::vector<TRSV505SvedObuch> СведОбуч;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
