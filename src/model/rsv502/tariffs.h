#pragma once
// Annexes of section 1 that justify reduced tariffs: the conditions of the tariffs of
// article 427 and the particulars behind the tariffs of articles 425 and 422.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/format5.h"
#include "model/rsv502/sums.h"

namespace orsvelt {

// "СвРеестрОрг".
struct TRSV502SvReestrOrg : TElem {
  std::string ДатаЗапАкОрг;
  std::string НомЗапАкОрг;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвСвидУдРег".
struct TRSV502SvSvidUdReg : TElem {
  std::string ДатаРег;
  std::string РегНом;
  bool Load(TXMLElement e, const std::string& path);
};

// Incomes (Дох...) are 64-bit: an organisation's yearly income passes 2^31 roubles.
// "ПравТариф3.1.427".
struct TRSV502PravTarif3_1_427 : TElem {
  std::int32_t СрЧисл_9МПр = 0;
  std::int32_t СрЧисл_Пер = 0;
  std::int64_t Дох248_9МПр = 0;
  std::int64_t Дох248_Пер = 0;
  std::int64_t ДохКр5_427_9МПр = 0;
  std::int64_t ДохКр5_427_Пер = 0;
  Amount ДолДох5_427_9МПр = 0;
  Amount ДолДох5_427_Пер = 0;
  std::unique_ptr<TRSV502SvReestrOrg> СвРеестрОрг;
  std::unique_ptr<TRSV502SvSvidUdReg> СвСвидУдРег;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф7.1.427".
struct TRSV502PravTarif7_1_427 : TElem {
  std::int64_t ДохВсПред = 0;
  std::int64_t ДохВсПер = 0;
  std::int64_t ДохЦелПостПред = 0;
  std::int64_t ДохЦелПостПер = 0;
  std::int64_t ДохГрантПред = 0;
  std::int64_t ДохГрантПер = 0;
  std::int64_t ДохЭкДеятПред = 0;
  std::int64_t ДохЭкДеятПер = 0;
  std::int64_t ДохИнвПред = 0;  // from 5.07
  std::int64_t ДохИнвПер = 0;   // from 5.07
  Amount ДолДохПред = 0;
  Amount ДолДохПер = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф15.1.427".
struct TRSV502PravTarif15_1_427 : TElem {
  std::int32_t СрЧисл_9МПр = 0;
  std::int32_t СрЧисл_Пер = 0;
  std::int64_t Дох248_9МПр = 0;
  std::int64_t Дох248_Пер = 0;
  std::int64_t ДохКр12_427_9МПр = 0;
  std::int64_t ДохКр12_427_Пер = 0;
  Amount ДолДох12_427_9МПр = 0;
  Amount ДолДох12_427_Пер = 0;
  std::unique_ptr<TRSV502SvReestrOrg> СвРеестрОрг;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвИноГражд": a foreign worker under the tariff of article 425.
struct TRSV502SvInoGrazhd : TElem {
  std::string ИННФЛ;
  std::string СНИЛС;
  std::string Гражд;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV502SvSum1> СумВыплат;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф2.2.425".
struct TRSV502SvPrimTarif2_2_425 : TElem {
  std::unique_ptr<TRSV502SvSum1> ВыплатИт;
  std::vector<TRSV502SvInoGrazhd> СвИноГражд;
  bool Load(TXMLElement e, const std::string& path);
};

// СправТип: "СведСтудОтряд", "СведФормОбуч".
struct TRSV502SpravType : TElem {
  std::string Дата;
  std::string Номер;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвРеестрМДО".
struct TRSV502SvReestrMDO : TElem {
  std::string НаимМДО;
  std::string ДатаЗапис;
  std::string НомерЗапис;
  bool Load(TXMLElement e, const std::string& path);
};

// "СведОбуч": a student under the tariff of article 422.
struct TRSV502SvedObuch : TElem {
  std::string УникНомер;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV502SpravType> СведФормОбуч;
  std::unique_ptr<TRSV502SvSum1> СумВыплат;
  std::unique_ptr<TRSV502SpravType> СведСтудОтряд;
  std::unique_ptr<TRSV502SvReestrMDO> СвРеестрМДО;
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф1.3.422".
struct TRSV502SvPrimTarif1_3_422 : TElem {
  std::unique_ptr<TRSV502SvSum1> ВыплатИт;
  std::vector<TRSV502SvedObuch> СведОбуч;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
