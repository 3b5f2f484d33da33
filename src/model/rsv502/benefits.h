#pragma once
// Annexes of section 1 on benefits: the social insurance expenses ("РасхОССЗак") and the
// payments financed from the federal budget ("ВыплФинФБ").

#include <cstdint>
#include <memory>
#include <string>

#include "model/common/elem_load.h"

namespace orsvelt {

// РасхОСС1Тип: "ПосВрНетр", "ПосВрНетрСов", "БеремРод", "БеремРодСов", "ЕжПосУходРеб",
// "ЕжПосУходРеб1", "ЕжПосУходРеб2".
struct TRSV502RashOSS1 : TElem {
  std::int32_t ЧислСлуч = 0;
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0;
  Amount РасхФинФБ = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхОСС2Тип: "ПосВрНетрИн", "ПосВрНетрИнСов", "СоцПосПогреб".
struct TRSV502RashOSS2 : TElem {
  std::int32_t ЧислСлуч = 0;
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхОСС3Тип: "ЕдПосРанБерем", "ЕдПосРожд".
struct TRSV502RashOSS3 : TElem {
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхОСС4Тип: "СВДопУходИнв", "Итого", "НачНевыплПос".
struct TRSV502RashOSS4 : TElem {
  Amount РасхВсего = 0;
  Amount РасхФинФБ = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхОСС5Тип: "ОплДопВыхИнв".
struct TRSV502RashOSS5 : TElem {
  std::int32_t КолВыпл = 0;
  Amount РасхВсего = 0;
  Amount РасхФинФБ = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// "РасхОССЗак".
struct TRSV502RashOSSZak : TElem {
  std::unique_ptr<TRSV502RashOSS1> ПосВрНетр;
  std::unique_ptr<TRSV502RashOSS1> ПосВрНетрСов;
  std::unique_ptr<TRSV502RashOSS2> ПосВрНетрИн;
  std::unique_ptr<TRSV502RashOSS2> ПосВрНетрИнСов;
  std::unique_ptr<TRSV502RashOSS1> БеремРод;
  std::unique_ptr<TRSV502RashOSS1> БеремРодСов;
  std::unique_ptr<TRSV502RashOSS3> ЕдПосРанБерем;
  std::unique_ptr<TRSV502RashOSS3> ЕдПосРожд;
  std::unique_ptr<TRSV502RashOSS1> ЕжПосУходРеб;
  std::unique_ptr<TRSV502RashOSS1> ЕжПосУходРеб1;
  std::unique_ptr<TRSV502RashOSS1> ЕжПосУходРеб2;
  std::unique_ptr<TRSV502RashOSS5> ОплДопВыхИнв;
  std::unique_ptr<TRSV502RashOSS4> СВДопУходИнв;
  std::unique_ptr<TRSV502RashOSS2> СоцПосПогреб;
  std::unique_ptr<TRSV502RashOSS4> Итого;
  std::unique_ptr<TRSV502RashOSS4> НачНевыплПос;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхВыпл1Тип: "Всего".
struct TRSV502RashVypl1Type : TElem {
  std::int32_t ЧислПолуч = 0;
  Amount Расход = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// РасхВыпл2Тип: "ПосВрНетр", "ПосБеремРод", "ЕжПосУходРеб", "ЕжПосУходРеб1",
// "ЕжПосУходРеб2", "ОплДопВыхИнв".
struct TRSV502RashVypl2Type : TElem {
  std::int32_t ЧислПолуч = 0;
  std::int32_t КолВыпл = 0;
  Amount Расход = 0;
  bool Load(TXMLElement e, const std::string& path);
};

// ВыпФинФБТип: "ЧернобАЭС", "ПОМаяк", "ПодрОсобРиск".
struct TRSV502VypFinFBType : TElem {
  std::unique_ptr<TRSV502RashVypl1Type> Всего;
  std::unique_ptr<TRSV502RashVypl2Type> ПосВрНетр;
  std::unique_ptr<TRSV502RashVypl2Type> ПосБеремРод;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб1;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб2;
  bool Load(TXMLElement e, const std::string& path);
};

// "СемипалатПолигон".
struct TRSV502SemipalatPolygon : TElem {
  std::unique_ptr<TRSV502RashVypl1Type> Всего;
  std::unique_ptr<TRSV502RashVypl2Type> ПосВрНетр;
  bool Load(TXMLElement e, const std::string& path);
};

// "ДопФЗ255".
struct TRSV502DopFZ255 : TElem {
  std::unique_ptr<TRSV502RashVypl1Type> Всего;
  std::unique_ptr<TRSV502RashVypl2Type> ПосВрНетр;
  std::unique_ptr<TRSV502RashVypl2Type> ПосБеремРод;
  bool Load(TXMLElement e, const std::string& path);
};

// "Итого" of "ВыплФинФБ".
struct TRSV502Itogo : TElem {
  Amount СВВнФУходИнв = 0;
  std::unique_ptr<TRSV502RashVypl1Type> Всего;
  std::unique_ptr<TRSV502RashVypl2Type> ПосВрНетр;
  std::unique_ptr<TRSV502RashVypl2Type> ПосБеремРод;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб1;
  std::unique_ptr<TRSV502RashVypl2Type> ЕжПосУходРеб2;
  std::unique_ptr<TRSV502RashVypl2Type> ОплДопВыхИнв;
  bool Load(TXMLElement e, const std::string& path);
};

// "ВыплФинФБ".
struct TRSV502VyplFinFB : TElem {
  std::unique_ptr<TRSV502VypFinFBType> ЧернобАЭС;
  std::unique_ptr<TRSV502VypFinFBType> ПОМаяк;
  std::unique_ptr<TRSV502SemipalatPolygon> СемипалатПолигон;
  std::unique_ptr<TRSV502VypFinFBType> ПодрОсобРиск;
  std::unique_ptr<TRSV502DopFZ255> ДопФЗ255;
  std::unique_ptr<TRSV502Itogo> Итого;
  bool Load(TXMLElement e, const std::string& path);
};

}  // namespace orsvelt
