#pragma once
// Contributions of the head of a peasant (farm) household and of its members.

#include <memory>
#include <string>
#include <vector>

#include "model/common/format5.h"

namespace orsvelt {

// СумСВУплТип: "УплПерОПС", "УплПерОМС" of "ОбязПлатСВ_КФХ".
struct TRSV502SumSvUpl : TElem {
  std::string КБК;
  Amount СумСВУплПер = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "СведЧлКФХ": one member of the household.
struct TRSV502SvedChlKFH : TElem {
  std::string ИННФЛ;
  std::string СНИЛС;
  std::string ДатаРожд;
  std::string Пол;
  std::string КодВидДок;
  std::string СерНомДок;
  std::string ДатаНачЧлКФХ;
  std::string ДатаКонЧлКФХ;
  Amount НачислСВОПС = 0;
  Amount НачислСВОМС = 0;
  std::unique_ptr<TFIO> ФИО;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_КФХ".
struct TRSV502RaschSV_KFH : TElem {
  std::vector<TRSV502SvedChlKFH> СведЧлКФХ;
  bool Load(TXMLElement e, const std::string& path);
};

// "ОбязПлатСВ_КФХ".
struct TRSV502ObyazPlatSV_KFH : TElem {
  std::string ОКТМО;
  std::unique_ptr<TRSV502SumSvUpl> УплПерОПС;
  std::unique_ptr<TRSV502SumSvUpl> УплПерОМС;
  std::unique_ptr<TRSV502RaschSV_KFH> РасчСВ_КФХ;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
