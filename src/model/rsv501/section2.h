#pragma once
// Section 2 of format 5.01: contributions of the heads and members of farm households
// ("ОбязПлатСВ_КФХ").

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/common/elem_load.h"
#include "model/common/format5.h"

namespace orsvelt {

// "УплПерОПС", "УплПерОМС" of section 2: contributions payable under one budget code.
struct TRSV501SumSVUplType : TElem {
  std::string КБК;
  Amount СумСВУплПер = 0;
  void Clear() { *this = TRSV501SumSVUplType(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СведЧлКФХ": one member of the household.
struct TRSV501SvedChlKFH : TElem {
  std::string ИННФЛ, СНИЛС;
  std::int32_t ГодРожд = 0;
  std::string ДатаНачЧлКФХ, ДатаКонЧлКФХ;
  Amount НачислСВОПС = 0, НачислСВОМС = 0;
  std::unique_ptr<TFIO> ФИО;
  void Clear() { *this = TRSV501SvedChlKFH(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_КФХ": the members.
struct TRSV501RaschSV_KFH : TElem {
  std::vector<TRSV501SvedChlKFH> СведЧлКФХ;
  void Clear() { *this = TRSV501RaschSV_KFH(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ОбязПлатСВ_КФХ": section 2.
struct TRSV501ObyazPlatSV_KFH : TElem {
  std::string ОКТМО;
  std::unique_ptr<TRSV501SumSVUplType> УплПерОПС;
  std::unique_ptr<TRSV501SumSVUplType> УплПерОМС;
  std::unique_ptr<TRSV501RaschSV_KFH> РасчСВ_КФХ;
  void Clear() { *this = TRSV501ObyazPlatSV_KFH(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
