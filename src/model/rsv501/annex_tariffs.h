#pragma once
// Annexes of section 1 on the conditions for reduced tariffs.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/format5.h"
#include "model/rsv501/sum_groups.h"

namespace orsvelt {

// "СвРеестрАкОрг": entry of an accredited IT organisation in the register.
struct TRSV501SvReestrAkOrg : TElem {
  std::string ДатаЗапАкОрг, НомЗапАкОрг;
  void Clear() { *this = TRSV501SvReestrAkOrg(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф3.1.427". Incomes are whole roubles and may exceed 32 bits.
struct TRSV501PravTarif3_1_427 : TElem {
  std::int32_t СрЧисл_9МПр = 0, СрЧисл_Пер = 0;
  std::int64_t Дох248_9МПр = 0, Дох248_Пер = 0, ДохКр5_427_9МПр = 0, ДохКр5_427_Пер = 0;
  Amount ДолДох5_427_9МПр = 0, ДолДох5_427_Пер = 0;
  std::unique_ptr<TRSV501SvReestrAkOrg> СвРеестрАкОрг;
  void Clear() { *this = TRSV501PravTarif3_1_427(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф5.1.427".
struct TRSV501PravTarif5_1_427 : TElem {
  std::int64_t Дох346_15Вс = 0, Дох6_427 = 0;
  Amount ДолДох6_427 = 0;
  void Clear() { *this = TRSV501PravTarif5_1_427(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПравТариф7.1.427".
struct TRSV501PravTarif7_1_427 : TElem {
  std::int64_t ДохВсПред = 0, ДохВсПер = 0, ДохЦелПостПред = 0, ДохЦелПостПер = 0, ДохГрантПред = 0,
               ДохГрантПер = 0, ДохЭкДеятПред = 0, ДохЭкДеятПер = 0;
  Amount ДолДохПред = 0, ДолДохПер = 0;
  void Clear() { *this = TRSV501PravTarif7_1_427(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СведПатент": one patent.
struct TRSV501SvedPatent : TElem {
  std::string НомПатент, ВидДеятПатент, ДатаНачДейст, ДатаКонДейст;
  std::unique_ptr<TRSV501SvSum1> СумВыплат;
  void Clear() { *this = TRSV501SvedPatent(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф9.1.427".
struct TRSV501SvPrimTarif9_1_427 : TElem {
  std::unique_ptr<TRSV501SvSum1> ВыплатИт;
  std::vector<TRSV501SvedPatent> СведПатент;
  void Clear() { *this = TRSV501SvPrimTarif9_1_427(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвИноГражд": one foreign citizen.
struct TRSV501SvInoGrazhd : TElem {
  std::string ИННФЛ, СНИЛС, Гражд;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV501SvSum1> СумВыплат;
  void Clear() { *this = TRSV501SvInoGrazhd(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф2.2.425".
struct TRSV501SvPrimTarif2_2_425 : TElem {
  std::unique_ptr<TRSV501SvSum1> ВыплатИт;
  std::vector<TRSV501SvInoGrazhd> СвИноГражд;
  void Clear() { *this = TRSV501SvPrimTarif2_2_425(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СправСтудОтряд", "СправФормОбуч": a certificate.
struct TRSV501SpravType : TElem {
  std::string Номер, Дата;
  void Clear() { *this = TRSV501SpravType(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвРеестрМДО": entry in the register of youth associations.
struct TRSV501SvReestrMDO : TElem {
  std::string НаимМДО, ДатаЗапис, НомерЗапис;
  void Clear() { *this = TRSV501SvReestrMDO(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СведОбуч": one student.
struct TRSV501SvedObuch : TElem {
  std::string УникНомер;
  std::unique_ptr<TFIO> ФИО;
  std::unique_ptr<TRSV501SpravType> СправСтудОтряд;
  std::unique_ptr<TRSV501SpravType> СправФормОбуч;
  std::unique_ptr<TRSV501SvSum1> СумВыплат;
  std::vector<TRSV501SvReestrMDO> СвРеестрМДО;
  void Clear() { *this = TRSV501SvedObuch(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвПримТариф1.3.422".
struct TRSV501SvPrimTarif1_3_422 : TElem {
  std::unique_ptr<TRSV501SvSum1> ВыплатИт;
  std::vector<TRSV501SvedObuch> СведОбуч;
  void Clear() { *this = TRSV501SvPrimTarif1_3_422(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
