#pragma once
// The parts of a 5.02 report that the composition block names, on the page (a list of the
// parts present) and in the workbook (a table of all parts with notes). Where the page has
// always named a part in other words, the part carries its page name as well.

#include <array>
#include <string_view>

namespace orsvelt {

struct CompositionPart502 {
  std::string_view name;      // the workbook's words
  std::string_view pageName;  // the page's words where they differ; empty: the same
  std::string_view note;      // the workbook's note; empty: none

  std::string_view PageName() const { return pageName.empty() ? name : pageName; }
};

inline constexpr std::string_view kForPayersToPersons502 =
    "Включается в состав расчёта для плательщиков, производящих выплаты физлицам";

inline constexpr CompositionPart502 kSection1Part502{
    "Раздел 1. Сводные данные об обязательствах плательщика страховых взносов",
    {},
    "Обязателен для плательщиков, производящих выплаты физлицам"};
inline constexpr CompositionPart502 kSection1Appendix1Part502{
    "Приложение 1. Расчёт сумм СВ на ОПС и ОМС", {}, kForPayersToPersons502};
// Appendices 2..9 of section 1.
extern const std::array<CompositionPart502, 8> kSection1AppendixParts502;

inline constexpr CompositionPart502 kSection2Part502{
    "Раздел 2. Сводные данные об обязательствах плательщиков страховых взносов - глав крестьянских (фермерских) "
    "хозяйств",
    {},
    "Включается в расчёт главами крестьянских (фермерских) хозяйств"};
inline constexpr CompositionPart502 kSection2PensionPart502{"Суммы страховых взносов на ОПС", "Суммы СВ на ОПС", {}};
inline constexpr CompositionPart502 kSection2MedicalPart502{"Суммы страховых взносов на ОМС", "Суммы СВ на ОМС", {}};
inline constexpr CompositionPart502 kSection2Appendix1Part502{
    "Приложение 1. Расчёт сумм СВ, подлежащих уплате за главу и членов КФХ", {}, {}};
inline constexpr CompositionPart502 kSection3Part502{
    "Раздел 3. Персонифицированные сведения о застрахованных лицах", {}, kForPayersToPersons502};

}  // namespace orsvelt
