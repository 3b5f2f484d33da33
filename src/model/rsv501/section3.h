#pragma once
// Section 3 of format 5.01: the personal data of each insured person ("ПерсСвСтрахЛиц").

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/format5.h"

namespace orsvelt {

// "ДанФЛПолуч": who the person is.
struct TRSV501DanFLPoluch : TElem {
  std::string ИННФЛ, СНИЛС, ДатаРожд, Гражд, Пол, КодВидДок, СерНомДок, ПризОПС, ПризОМС, ПризОСС;
  std::unique_ptr<TFIO> ФИО;
  void Clear() { *this = TRSV501DanFLPoluch(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвВыплМК": one month and category of a person's payments.
struct TRSV501SvVyplMK : TElem {
  std::string Месяц, КодКатЛиц;
  Amount СумВыпл = 0, ВыплОПС = 0, ВыплОПСДог = 0, НачислСВ = 0;
  void Clear() { *this = TRSV501SvVyplMK(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвВыпл": a person's payments of the last three months.
struct TRSV501SvVyplVpFL : TElem {
  Amount СумВыплВс3 = 0, ВыплОПСВс3 = 0, ВыплОПСДогВс3 = 0, НачислСВВс3 = 0;
  std::vector<TRSV501SvVyplMK> СвВыплМК;
  void Clear() { *this = TRSV501SvVyplVpFL(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплСВДопМТ": one month and additional tariff of a person's payments.
struct TRSV501VyplSvDopMT : TElem {
  std::string Месяц, Тариф;
  Amount ВыплСВ = 0, НачислСВ = 0;
  void Clear() { *this = TRSV501VyplSvDopMT(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплСВДоп": payments under additional tariffs. The totals are read from the names
// ending in Cyrillic "З" and from those ending in the digit 3 (as real files write them).
struct TRSV501SvVyplFPDop : TElem {
  Amount ВыплСВВсЗ = 0, НачислСВВсЗ = 0;
  std::vector<TRSV501VyplSvDopMT> ВыплСВДопМТ;
  void Clear() { *this = TRSV501SvVyplFPDop(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвВыплСВОПС": a person's payments and pension contributions.
struct TRSV501SvVyplSVOPS : TElem {
  std::unique_ptr<TRSV501SvVyplVpFL> СвВыпл;
  std::unique_ptr<TRSV501SvVyplFPDop> ВыплСВДоп;
  void Clear() { *this = TRSV501SvVyplSVOPS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПерсСвСтрахЛиц": one insured person.
struct TRSV501PersSvSL : TElem {
  std::int32_t НомКорр = 0;
  std::string Период;
  std::int32_t ОтчетГод = 0;
  std::int32_t Номер = 0;
  std::string Дата;
  std::unique_ptr<TRSV501DanFLPoluch> ДанФЛПолуч;
  std::unique_ptr<TRSV501SvVyplSVOPS> СвВыплСВОПС;
  void Clear() { *this = TRSV501PersSvSL(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
