#pragma once
// Section 3 of the calculation: the personal data of each insured person and the
// payments made to them month by month.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/format5.h"
#include "model/common/person_hand_off.h"

namespace orsvelt {

// "СвВыплМК": payments of one month and category.
struct TRSV502SvVyplMK : TElem {
  std::int32_t Месяц = 0;
  std::string КодКатЛиц;
  Amount СумВыпл = 0;
  Amount СумВыплДог = 0;  // from 5.08
  Amount ВыплОПС = 0;
  Amount ВыплОПСДог = 0;
  Amount НачислСВ = 0;
  void Clear() { *this = TRSV502SvVyplMK(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвВыпл".
struct TRSV502SvVypl : TElem {
  std::vector<TRSV502SvVyplMK> СвВыплМК;
  void Clear() { *this = TRSV502SvVypl(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплСВДопМТ": payments of one month at an additional tariff.
struct TRSV502VyplSVDopMT : TElem {
  std::int32_t Месяц = 0;
  std::string КодСтрахЛиц;
  Amount ВыплСВ = 0;
  Amount НачислСВ = 0;
  void Clear() { *this = TRSV502VyplSVDopMT(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплСВДоп".
struct TRSV502VyplSVDop : TElem {
  std::vector<TRSV502VyplSVDopMT> ВыплСВДопМТ;
  void Clear() { *this = TRSV502VyplSVDop(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СвВыплСВОПС".
struct TRSV502SvVyplSVOPS : TElem {
  std::unique_ptr<TRSV502SvVypl> СвВыпл;
  std::unique_ptr<TRSV502VyplSVDop> ВыплСВДоп;
  void Clear() { *this = TRSV502SvVyplSVOPS(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ДанФЛПолуч": who the person is.
struct TRSV502DanFLPoluch : TElem {
  std::string ИННФЛ;
  std::string СНИЛС;
  std::string ДатаРожд;
  std::string Гражд;
  std::string Пол;
  std::string КодВидДок;
  std::string СерНомДок;
  std::unique_ptr<TFIO> ФИО;
  void Clear() { *this = TRSV502DanFLPoluch(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПерсСвСтрахЛиц": one insured person.
struct TRSV502PersSvStrakhLic : TElem {
  std::string ПрАннулир;
  std::unique_ptr<TRSV502DanFLPoluch> ДанФЛПолуч;
  std::unique_ptr<TRSV502SvVyplSVOPS> СвВыплСВОПС;
  void Clear() { *this = TRSV502PersSvStrakhLic(); }
  bool Load(TXMLElement e, const std::string& path);
};

// The persons of 5.02 and every later format, handed over while they are read (see
// model/common/person_hand_off.h).
using TRSV502PersonHandOff = PersonHandOff<TRSV502PersSvStrakhLic>;

}  // namespace orsvelt
