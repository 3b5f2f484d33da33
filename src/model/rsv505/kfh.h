#pragma once
// Section 2 from 2023: heads of farm households, with each member's periods of membership
// and of exemption.

#include <memory>
#include <string>
#include <vector>

#include "model/rsv502/kfh.h"

namespace orsvelt {

// "ПерОсв": a period of exemption of the head.
struct TRSV505PerOsv : TElem {
  std::string КодОсв;
  std::string ДатаНачОсв;
  std::string ДатаКонОсв;
  bool Load(TXMLElement e, const std::string& path);
};

// "ПерКФХРасч": a period of membership within the calculation period.
struct TRSV505PerKFHRasch : TElem {
  std::string ДатаНачЧлКФХ;
  std::string ДатаКонЧлКФХ;
  Amount ИсчСВПер = 0;
  std::vector<TRSV505PerOsv> ПерОсв;
  bool Load(TXMLElement e, const std::string& path);
};

// "СведЧлКФХ": one member of the household.
struct TRSV505SvedChlKFH : TElem {
  std::string РасчСост;
  std::string ПрПрекр;
  std::string ИННФЛ;
  std::string СНИЛС;
  std::string ДатаРожд;
  std::string Пол;
  std::string КодВидДок;
  std::string СерНомДок;
  Amount ИсчСВРасчПер = 0;
  std::unique_ptr<TFIO> ФИО;
  std::vector<TRSV505PerKFHRasch> ПерКФХРасч;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасчСВ_КФХ".
struct TRSV505RaschSV_KFH : TElem {
  std::vector<TRSV505SvedChlKFH> СведЧлКФХ;
  bool Load(TXMLElement e, const std::string& path);
};

// "ОбязПлатСВ_КФХ".
struct TRSV505ObyazPlatSV_KFH : TElem {
  std::string ОКТМО;
  std::unique_ptr<TRSV502SumSvUpl> УплПерОПСОМС;
  std::unique_ptr<TRSV502SumSvUpl> УплПерОМС;
  std::unique_ptr<TRSV505RaschSV_KFH> РасчСВ_КФХ;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
