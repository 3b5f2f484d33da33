#pragma once
// Annexes of section 1 on social-insurance benefit expenses ("РасхОССЗак") and on
// payments financed from the federal budget ("ВыплФинФБ").

#include <cstdint>
#include <memory>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

// Benefit rows with cases, payments, expenses and the federal-budget share.
struct TRSV501RashOSS1Type : TElem {
  std::int32_t ЧислСлуч = 0, КолВыпл = 0;
  Amount РасхВсего = 0, РасхФинФБ = 0;
  void Clear() { *this = TRSV501RashOSS1Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ПосВрНетрИн", "ПосВрНетрИнСов", "СоцПосПогреб".
struct TRSV501RashOSS2Type : TElem {
  std::int32_t ЧислСлуч = 0, КолВыпл = 0;
  Amount РасхВсего = 0;
  void Clear() { *this = TRSV501RashOSS2Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ЕдПосРанБерем", "ЕдПосРожд".
struct TRSV501RashOSS3Type : TElem {
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0;
  void Clear() { *this = TRSV501RashOSS3Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СВДопУходИнв", "Итого", "НачНевыплПос" of "РасхОССЗак".
struct TRSV501RashOSS4Type : TElem {
  Amount РасхВсего = 0, РасхФинФБ = 0;
  void Clear() { *this = TRSV501RashOSS4Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ОплДопВыхИнв" of "РасхОССЗак".
struct TRSV501OplDopVykhInv : TElem {
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0, РасхФинФБ = 0;
  void Clear() { *this = TRSV501OplDopVykhInv(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "РасхОССЗак": benefit expenses.
struct TRSV501RashOSSZak : TElem {
  std::unique_ptr<TRSV501RashOSS1Type> ПосВрНетр;
  std::unique_ptr<TRSV501RashOSS1Type> ПосВрНетрСов;
  std::unique_ptr<TRSV501RashOSS2Type> ПосВрНетрИн;
  std::unique_ptr<TRSV501RashOSS2Type> ПосВрНетрИнСов;
  std::unique_ptr<TRSV501RashOSS1Type> БеремРод;
  std::unique_ptr<TRSV501RashOSS1Type> БеремРодСов;
  std::unique_ptr<TRSV501RashOSS3Type> ЕдПосРанБерем;
  std::unique_ptr<TRSV501RashOSS3Type> ЕдПосРожд;
  std::unique_ptr<TRSV501RashOSS1Type> ЕжПосУходРеб;
  std::unique_ptr<TRSV501RashOSS1Type> ЕжПосУходРеб1;
  std::unique_ptr<TRSV501RashOSS1Type> ЕжПосУходРеб2;
  std::unique_ptr<TRSV501OplDopVykhInv> ОплДопВыхИнв;
  std::unique_ptr<TRSV501RashOSS4Type> СВДопУходИнв;
  std::unique_ptr<TRSV501RashOSS2Type> СоцПосПогреб;
  std::unique_ptr<TRSV501RashOSS4Type> Итого;
  std::unique_ptr<TRSV501RashOSS4Type> НачНевыплПос;
  void Clear() { *this = TRSV501RashOSSZak(); }
  bool Load(TXMLElement e, const std::string& path);
};

// Every "Всего" under "ВыплФинФБ".
struct TRSV501RashVypl1Type : TElem {
  std::int32_t ЧислПолуч = 0;
  Amount Расход = 0;
  void Clear() { *this = TRSV501RashVypl1Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// The benefit rows under "ВыплФинФБ".
struct TRSV501RashVypl2Type : TElem {
  std::int32_t ЧислПолуч = 0, КолВыпл = 0;
  Amount Расход = 0;
  void Clear() { *this = TRSV501RashVypl2Type(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ОплДопВыхИнв" in the totals of "ВыплФинФБ".
struct TRSV501OplDopVykhInv_432 : TElem {
  std::int32_t КолВыпл = 0;
  Amount Расход = 0;
  void Clear() { *this = TRSV501OplDopVykhInv_432(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ЧернобАЭС", "ПОМаяк", "ПодрОсобРиск".
struct TRSV501VypFinFBType : TElem {
  std::unique_ptr<TRSV501RashVypl1Type> Всего;
  std::unique_ptr<TRSV501RashVypl2Type> ПосВрНетр, ПосБеремРод, ЕжПосУходРеб, ЕжПосУходРеб1, ЕжПосУходРеб2;
  void Clear() { *this = TRSV501VypFinFBType(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "СемипалатПолигон".
struct TRSV501SemipalatPolygon : TElem {
  std::unique_ptr<TRSV501RashVypl1Type> Всего;
  std::unique_ptr<TRSV501RashVypl2Type> ПосВрНетр;
  void Clear() { *this = TRSV501SemipalatPolygon(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ДопФЗ255".
struct TRSV501DopFZ255 : TElem {
  std::unique_ptr<TRSV501RashVypl1Type> Всего;
  std::unique_ptr<TRSV501RashVypl2Type> ПосВрНетр, ПосБеремРод;
  void Clear() { *this = TRSV501DopFZ255(); }
  bool Load(TXMLElement e, const std::string& path);
};

// The totals of "ВыплФинФБ", written "Итого" or (as the schema and real files do) "Всего".
// Its one attribute is optional.
struct TRSV501Itogo : TElem {
  Amount СВВнФУходИнв = 0;
  std::unique_ptr<TRSV501RashVypl1Type> Всего;
  std::unique_ptr<TRSV501RashVypl2Type> ПосВрНетр, ПосБеремРод, ЕжПосУходРеб, ЕжПосУходРеб1, ЕжПосУходРеб2;
  std::unique_ptr<TRSV501OplDopVykhInv_432> ОплДопВыхИнв;
  void Clear() { *this = TRSV501Itogo(); }
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплФинФБ": payments financed from the federal budget.
struct TRSV501VyplFinFB : TElem {
  std::unique_ptr<TRSV501VypFinFBType> ЧернобАЭС;
  std::unique_ptr<TRSV501VypFinFBType> ПОМаяк;
  std::unique_ptr<TRSV501SemipalatPolygon> СемипалатПолигон;
  std::unique_ptr<TRSV501VypFinFBType> ПодрОсобРиск;
  std::unique_ptr<TRSV501DopFZ255> ДопФЗ255;
  std::unique_ptr<TRSV501Itogo> Итого;  // "Итого" or "Всего"
  void Clear() { *this = TRSV501VyplFinFB(); }
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
