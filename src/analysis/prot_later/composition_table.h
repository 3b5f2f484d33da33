#pragma once
// The parts of a report of formats 5.03 to 5.08 that the composition block names; where a
// part is that of 5.02, the 5.02 words are used.

#include "analysis/prot502/composition_table.h"

namespace orsvelt {

inline constexpr CompositionPart502 kTariffBlocksPartLater{
    "Приложение 1. Расчёт сумм СВ по тарифам плательщика (РасчСВ_ОПС_ОМС)", {}, kForPayersToPersons502};
inline constexpr CompositionPart502 kOtherBlocksPartLater{
    "Расчёты по дополнительным тарифам, ДСО и п. 6.2 ст. 431 НК", {},
    "Включается в состав расчёта при применении указанных тарифов"};
inline constexpr CompositionPart502 kSection2MembersPartLater{
    "Приложение 1. Расчёт сумм СВ, подлежащих уплате за главу и членов КФХ", {}, {}};
inline constexpr CompositionPart502 kSection6_1_431PartLater{
    "Сводные данные плательщиков, указанных в п. 6.1 ст. 431 НК (ОбязПлатСВ_6.1.431)", {},
    "Включается в расчёт плательщиками, указанными в п. 6.1 ст. 431 НК"};

}  // namespace orsvelt
