// The HTML page of a 5.01 protocol, block by block in the order the page shows them.
// Every value from the report is escaped, also where earlier versions wrote it as it
// stood: a name with "&" must not break the page.

#include <cstddef>
#include <string>
#include <string_view>

#include "analysis/prot501/prot501_writers.h"
#include "analysis/prot501/writer_common.h"
#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "markup/markup_text.h"
#include "xml/stringfuncs.h"

namespace orsvelt {
namespace {

using prot501::kBaseCheckNote;
using prot501::MonthName;
using prot501::OMSOSSColumns;
using prot501::OrPlaceholder;

constexpr std::string_view kTdNorm = "    <td class=\"tdnorm\">";
constexpr std::string_view kTdErr = "    <td class=\"tderr\">";
constexpr std::string_view kThNorm = "    <th class=\"tdnorm\">";

std::string Int(std::int64_t value) { return std::to_string(value); }

void RowOpen(ProtocolWriter& out) { out.Line("   <tr>"); }
void RowClose(ProtocolWriter& out) { out.Line("   </tr>"); }

// "1" for a person without rows, so that its cells still fill one row.
std::string RowSpan(std::size_t rows) { return Int(rows == 0 ? 1 : static_cast<std::int64_t>(rows)); }

// The opening tag with a row span: SpanTag("    <td class=\"tdnorm\"", 3) ->
// "    <td class="tdnorm" rowspan="3">".
std::string SpanTag(std::string_view tagStart, std::size_t rows, std::string_view after = {}) {
  return std::string(tagStart) + " rowspan=\"" + RowSpan(rows) + "\"" + std::string(after) + ">";
}

void AmountCell(ProtocolWriter& out, std::string_view openTag, Amount amount) {
  HtmlRawLine(out, openTag, FormatAmountGrouped(amount));
}

void HeaderRow(ProtocolWriter& out, std::initializer_list<std::string_view> captions) {
  RowOpen(out);
  for (std::string_view caption : captions) HtmlTextLine(out, "    <th>", caption);
  RowClose(out);
}

std::string_view Presence(bool present) { return present ? "есть" : "нет"; }

// "code (count ЗЛ)", the code escaped.
std::string CodeWithCount(std::string_view code, std::int32_t count) {
  return MarkupText(code) + " (" + Int(count) + " ЗЛ)";
}

void FileRows(ProtocolWriter& out, std::string_view fileName, std::string_view version, std::string_view period,
              std::int32_t correction, std::string_view place) {
  HtmlKeyValueRow(out, "Имя файла:", fileName);
  HtmlKeyValueRow(out, "Версия формата", version);
  HtmlKeyValueRow(out, "Отчётный период", period);
  HtmlKeyValueRow(out, "№ корректировки", Int(correction));
  HtmlKeyValueRow(out, "По месту", place);
}

void MainFile(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h2>Сведения об основном проверяемом файле</h2>");
  HtmlTableOpen(out);
  FileRows(out, d.FileName, d.FormatVersion, d.PeriodText, d.CorrectionNumber, d.PlaceText);
  HtmlKeyValueTableClose(out);
}

void ReadErrors(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (d.ReadErrors.empty()) return;
  out.Line("  <h2>Ошибки чтения файла (мягкий контроль):</h2>");
  for (const std::string& message : d.ReadErrors) HtmlTextLine(out, "  <p>", message);
}

void EarlierFiles(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (d.EarlierFiles.empty()) return;
  out.Line("  <h2>Сведения о файлах за предыдущие периоды отчетного года</h2>");
  for (std::size_t k = 0; k < d.EarlierFiles.size(); ++k) {
    const TRSV501EarlierFileRec& file = d.EarlierFiles[k];
    HtmlTableOpen(out);
    HtmlKeyValueRow(out, "№ п/п:", Int(static_cast<std::int64_t>(k) + 1), "left bold");
    FileRows(out, file.FileName, file.FormatVersion, file.PeriodText, file.CorrectionNumber, file.PlaceText);
    HtmlKeyValueTableClose(out);
    out.Line("<p>&nbsp;</p>");
  }
}

void Payer(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h2>Сведения о плательщике взносов</h2>");
  HtmlTableOpen(out);
  HtmlKeyValueRow(out, "Тип плательщика взносов", d.PayerType);
  HtmlKeyValueRow(out, "Наименование организации / Фамилия, имя, отчество физического лица", d.PayerName);
  HtmlKeyValueRow(out, "ИНН", d.PayerINN);
  HtmlKeyValueRow(out, "КПП юридического лица", d.PayerKPP);
  HtmlKeyValueTableClose(out);
}

void CompositionRow(ProtocolWriter& out, std::string_view part, std::string_view value, std::string_view note) {
  out.Line("<tr>");
  HtmlTextLine(out, "   <td>", part);
  HtmlTextLine(out, "   <td class=\"center\">", value);
  HtmlTextLine(out, "   <td>", note);
  out.Line("</tr>");
}

void Composition(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h2>Состав файла</h2>");
  HtmlTableOpen(out);
  out.Line("<tr>");
  out.Line("   <th>Раздел/подраздел</th>");
  out.Line("   <th>Наличие/кол-во</th>");
  out.Line("   <th>Примечание</th>");
  out.Line("</tr>");
  CompositionRow(out, "Раздел 1. Сводные данные об обязательствах плательщика страховых взносов",
                 Presence(d.Section1Present), "Обязателен для плательщиков, производящих выплаты физлицам");
  CompositionRow(out,
                 "Строки 060-073. Сумма страховых взносов на обязательное пенсионное страхование по дополнительному "
                 "тарифу, подлежащая уплате за расчетный (отчетный) период",
                 Int(d.AddTariffCount),
                 "Указываются данные по доп. тарифам. В случае необходимости указания нескольких КБК должно быть "
                 "несколько групп этих строк с данными.");
  CompositionRow(out,
                 "Строки 080-093. Сумма страховых взносов на дополнительное социальное обеспечение, подлежащая уплате "
                 "за расчетный (отчетный) период",
                 Int(d.DSOCount),
                 "Указываются данные по взносам на ДСО. В случае необходимости указания нескольких КБК должно быть "
                 "несколько групп этих строк с данными.");
  CompositionRow(out,
                 "Приложение 1. Расчет сумм страховых взносов на обязательное пенсионное и медицинское страхование",
                 Int(d.Annex1Count), "Обязательно хотя бы одно приложение при наличии раздела 1.");
  CompositionRow(out,
                 "Приложение 3. Расходы по обязательному социальному страхованию на случай временной "
                 "нетрудоспособности и в связи с материнством и расходы, осуществляемые в соответствии с "
                 "законодательством РФ",
                 Presence(d.AnnexPresent[0]), "Включается при произведении соответствующих расходов");
  CompositionRow(out, "Приложение 4. Выплаты, произведенные за счет средств, финансируемых из федерального бюджета",
                 Presence(d.AnnexPresent[1]), "Включается при осуществлении соответствующих выплат");
  CompositionRow(out,
                 "Приложение 5. Расчет соответствия условиям применения пониженного тарифа страховых взносов "
                 "плательщиками, указанными в подпункте 3 пункта 1 статьи 427 НК РФ",
                 Presence(d.AnnexPresent[2]),
                 "ИТ-организации, применяющие пониженный тариф (код тарифа 06, коды категории ЗЛ ОДИТ/ВЖИТ/ВПИТ)");
  CompositionRow(out,
                 "Приложение 6. Расчет соответствия условиям применения пониженного тарифа страховых взносов "
                 "плательщиками, указанными в подпункте 5 пункта 1 статьи 427 НК РФ",
                 Presence(d.AnnexPresent[3]),
                 "Орг-ции и ИП на УСНО с кодом основного вида деят. по ОКВЭД из перечня в НК (кроме деятельности "
                 "клубов) (код тарифа 08, коды категории ЗЛ ПНЭД/ВЖЭД/ВПЭД)");
  CompositionRow(out,
                 "Приложение 7. Расчет соответствия условиям применения пониженного тарифа страховых взносов "
                 "плательщиками, указанными в подпункте 7 пункта 1 статьи 427 НК РФ",
                 Presence(d.AnnexPresent[4]),
                 "НКО на УСНО, осуществляющие деятельность в области соцобслуживания населения, научных исследований "
                 "и разработок, образования, здравоохранения, культуры и искусства (деятельность театров, библиотек, "
                 "музеев и архивов) и массового спорта (за исключением профессионального) (код тарифа 10, коды "
                 "категории ЗЛ АСБ/ВЖСБ/ВПСБ)");
  CompositionRow(out,
                 "Приложение 8. Сведения, необходимые для применения пониженного тарифа страховых взносов "
                 "плательщиками, указанными в подпункте 9 пункта 1 статьи 427 НК РФ",
                 Presence(d.AnnexPresent[5]),
                 "ИП на патентной системе налогообложения (код тарифа 12, коды категории ЗЛ ПНЭД/ВЖЭД/ВПЭД)");
  CompositionRow(out, "Подразделы приложения 8. Сведения о патенте", Int(d.PatentCount),
                 "Кол-во подразделов должно соответствовать количеству патентов. Минимум - 1 (при наличии "
                 "приложения 8).");
  CompositionRow(out,
                 "Приложение 9. Сведения, необходимые для применения тарифа страховых взносов, установленного абзацем "
                 "вторым подпункта 2 пункта 2 статьи 425 (абзацем вторым подпункта 2 статьи 426) НК РФ",
                 Presence(d.Annex9Present),
                 "Выплаты взносов по вр. нетрудоспособности и в связи с материнством иностранным гражданам и лицам "
                 "без гражданства (кроме ВКС и граждан государств - членов ЕврАзЭС), временно пребывающим на "
                 "территории РФ, по тарифу 1,8%");
  CompositionRow(out,
                 "Подразделы приложения 9. Сведения об иностранных гражданах и лицах без гражданства, временно "
                 "пребывающих в Российской Федерации (за исключением высококвалифицированных специалистов и граждан "
                 "государств - членов Евразийского экономического союза)",
                 Int(d.ForeignerCount),
                 "Кол-во подразделов должно соответствовать кол-ву иностранных граждан, по которым произведены "
                 "соответствующие выплаты. Минимум - 1 (при наличии приложения 9).");
  CompositionRow(out,
                 "Приложение 10. Сведения, необходимые для применения положений подпункта 1 пункта 3 статьи 422 НК РФ "
                 "организациями, осуществляющими выплаты и иные вознаграждения в пользу обучающихся в "
                 "профессиональных образовательных организациях, образовательных организациях высшего образования по "
                 "очной форме обучения за деятельность, осуществляемую в студенческом отряде (включенном в "
                 "федеральный или региональный реестр молодежных и детских объединений, пользующихся государственной "
                 "поддержкой) по трудовым договорам или по гражданско-правовым договорам, предметом которых являются "
                 "выполнение работ и (или) оказание услуг",
                 Presence(d.Annex10Present),
                 "Приложение должно быть при наличии обучающихся, которым произведены соответствующие выплаты, не "
                 "облагаемые взносами.");
  CompositionRow(out, "Подразделы приложения 10. Сведения об обучающихся", Int(d.StudentCount),
                 "Кол-во подразделов должно соответствовать кол-ву обучающихся, получивших соответствующие выплаты. "
                 "Минимум - 1 (при наличии раздела 10).");
  CompositionRow(out,
                 "Раздел 2. Сводные данные об обязательствах плательщиков страховых взносов - глав крестьянских "
                 "(фермерских) хозяйств",
                 Presence(d.Section2Present),
                 "Обязателен для сдачи расчёта главами крестьянских (фермерских) хозяйств");
  CompositionRow(out,
                 "Приложение 1. Расчет сумм страховых взносов, подлежащих уплате за главу и членов крестьянского "
                 "(фермерского) хозяйства",
                 Int(d.FarmMemberCount),
                 "Обязательно хотя бы одно приложение при наличии раздела 2. Количество должно соответствовать "
                 "количеству членов хозяйства, включая его главу.");
  CompositionRow(out, "Раздел 3. Персонифицированные сведения о застрахованных лицах", Int(d.PersonCount),
                 "Количество должно соответствовать количеству застрахованных лиц.");
  HtmlKeyValueTableClose(out);
}

void MonthRowCells(ProtocolWriter& out, const TZLMonthRec& row) {
  HtmlTextLine(out, "    <td>", MonthName(row.Month));
  HtmlTextLine(out, "    <td>", row.CategoryCode);
  AmountCell(out, kTdNorm, row.Payments);
  AmountCell(out, kTdNorm, row.Base);
  AmountCell(out, kTdNorm, row.ContractBase);
  AmountCell(out, kTdNorm, row.Contributions);
}

void MainTariffPerson(ProtocolWriter& out, const TZLRec& person) {
  const std::size_t rows = person.MonthRows.size();
  RowOpen(out);
  HtmlRawLine(out, SpanTag("    <td class=\"tdnorm\"", rows), Int(person.Ordinal));
  HtmlRawLine(out, SpanTag("    <td class=\"tdnorm\"", rows), Int(person.Number));
  HtmlTextLine(out, SpanTag("    <td", rows), person.FullName);
  HtmlTextLine(out,
               SpanTag("    <td", rows, person.SexMismatch ? " class=\"tderrcenter\"" : " class=\"tdnormcenter\""),
               person.SexText);
  HtmlTextLine(out, SpanTag("    <td", rows), person.SNILS);
  HtmlTextLine(out, SpanTag("    <td", rows), OrPlaceholder(person.INN, "не указан"));
  HtmlTextLine(out, SpanTag("    <td class=\"center\"", rows), person.OPSFlag);
  HtmlTextLine(out, SpanTag("    <td class=\"center\"", rows), person.OMSFlag);
  HtmlTextLine(out, SpanTag("    <td class=\"center\"", rows), person.OSSFlag);
  if (rows == 0) {
    out.Line("    <td colspan=\"6\">Данные по начислениям отсутствуют.</td>");
    RowClose(out);
    return;
  }
  for (std::size_t i = 0; i < rows; ++i) {
    if (i > 0) RowOpen(out);
    MonthRowCells(out, person.MonthRows[i]);
    RowClose(out);
  }
}

void MainTariffTotals(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (!d.MonthCategoryTotals.empty()) {
    RowOpen(out);
    out.Line("    <th colspan=\"9\" rowspan=\"", Int(static_cast<std::int64_t>(d.MonthCategoryTotals.size())),
             "\">Итого</th>");
    bool first = true;
    for (const TRSV501MonthCategoryTotalRec& total : d.MonthCategoryTotals) {
      if (!first) RowOpen(out);
      first = false;
      HtmlTextLine(out, "    <td>", MonthName(total.Month));
      HtmlRawLine(out, "    <td>", CodeWithCount(total.CategoryCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Base);
      AmountCell(out, kTdNorm, total.ContractBase);
      AmountCell(out, kTdNorm, total.Contributions);
      RowClose(out);
    }
  }
  if (!d.CategoryTotals.empty()) {
    RowOpen(out);
    out.Line("    <th colspan=\"10\" rowspan=\"", Int(static_cast<std::int64_t>(d.CategoryTotals.size())),
             "\">Итого по кодам тарифов</th>");
    bool first = true;
    for (const TRSV501CategoryTotalRec& total : d.CategoryTotals) {
      if (!first) RowOpen(out);
      first = false;
      HtmlRawLine(out, "    <td>", CodeWithCount(total.CategoryCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Base);
      AmountCell(out, kTdNorm, total.ContractBase);
      AmountCell(out, kTdNorm, total.Contributions);
      RowClose(out);
    }
  }
  RowOpen(out);
  out.Line("    <th colspan=\"6\">Кол-во ЗЛ по признакам:</th>");
  HtmlRawLine(out, "    <td class=\"center\">", Int(d.OPSFlagCount));
  HtmlRawLine(out, "    <td class=\"center\">", Int(d.OMSFlagCount));
  HtmlRawLine(out, "    <td class=\"center\">", Int(d.OSSFlagCount));
  out.Line("    <td colspan=\"6\"></td>");
  RowClose(out);
}

void MainTariffs(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h3>Начисления и взносы по основным тарифам</h3>");
  HtmlTableOpen(out);
  HeaderRow(out, {"№ п/п", "№ в файле", "ФИО", "Пол", "СНИЛС", "ИНН", "Признак ЗЛ ОПС", "Признак ЗЛ ОМС",
                  "Признак ЗЛ ОСС", "Месяц", "Код категории ЗЛ", "Сумма выплат", "База для начисления взносов",
                  "База в т. ч. по ГПД", "Начислено взносов"});
  for (const TZLRec& person : d.Persons) MainTariffPerson(out, person);
  MainTariffTotals(out, d);
  HtmlDataTableClose(out);
}

void AddTariffPerson(ProtocolWriter& out, const TZLRec& person, std::int32_t counter) {
  const std::size_t rows = person.AddRows.size();
  RowOpen(out);
  HtmlRawLine(out, SpanTag("    <td class=\"tdnorm\"", rows), Int(counter));
  HtmlRawLine(out, SpanTag("    <td class=\"tdnorm\"", rows), Int(person.Number));
  HtmlTextLine(out, SpanTag("    <td", rows), person.FullName);
  HtmlTextLine(out, SpanTag("    <td", rows), person.SNILS);
  HtmlTextLine(out, SpanTag("    <td", rows), OrPlaceholder(person.INN, "не указан"));
  for (std::size_t i = 0; i < rows; ++i) {
    const TZLAddRec& row = person.AddRows[i];
    if (i > 0) RowOpen(out);
    HtmlTextLine(out, "    <td>", MonthName(row.Month));
    HtmlTextLine(out, "    <td>", row.TariffCode);
    AmountCell(out, kTdNorm, row.Payments);
    AmountCell(out, kTdNorm, row.Contributions);
    RowClose(out);
  }
}

void AddTariffs(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (d.MonthTariffTotals.empty()) return;
  out.Line("  <h3>Начисления и взносы по дополнительным тарифам</h3>");
  HtmlTableOpen(out);
  HeaderRow(out, {"№ п/п", "№ в файле", "ФИО", "СНИЛС", "ИНН", "Месяц", "Код тарифа", "Сумма выплат",
                  "Начислено взносов"});
  std::int32_t counter = 0;
  for (const TZLRec& person : d.Persons)
    if (!person.AddRows.empty()) AddTariffPerson(out, person, ++counter);
  RowOpen(out);
  out.Line("    <th colspan=\"5\" rowspan=\"", Int(static_cast<std::int64_t>(d.MonthTariffTotals.size())),
           "\">Итого</th>");
  bool first = true;
  for (const TRSV501MonthTariffTotalRec& total : d.MonthTariffTotals) {
    if (!first) RowOpen(out);
    first = false;
    HtmlTextLine(out, "    <td>", MonthName(total.Month));
    HtmlRawLine(out, "    <td>", CodeWithCount(total.TariffCode, total.Count));
    AmountCell(out, kTdNorm, total.Payments);
    AmountCell(out, kTdNorm, total.Contributions);
    RowClose(out);
  }
  if (!d.TariffTotals.empty()) {
    RowOpen(out);
    out.Line("    <th colspan=\"6\" rowspan=\"", Int(static_cast<std::int64_t>(d.TariffTotals.size())),
             "\">Итого по кодам тарифов</th>");
    first = true;
    for (const TRSV501TariffTotalRec& total : d.TariffTotals) {
      if (!first) RowOpen(out);
      first = false;
      HtmlRawLine(out, "    <td>", CodeWithCount(total.TariffCode, total.Count));
      AmountCell(out, kTdNorm, total.Payments);
      AmountCell(out, kTdNorm, total.Contributions);
      RowClose(out);
    }
  }
  HtmlDataTableClose(out);
}

void Section3(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h2>Данные по застрахованным лицам из разделов 3</h2>");
  if (d.Persons.empty()) {
    out.Line("  <p>Данные в разделах 3 отсутствуют.</p>");
    return;
  }
  MainTariffs(out, d);
  AddTariffs(out, d);
}

// An unknown month leaves the header cell empty.
std::string_view ComparisonMonth(std::string_view code) {
  const std::string_view name = MonthName(code);
  return name == prot501::kUndetermined ? std::string_view{} : name;
}

template <typename Value>
void ComparisonPair(ProtocolWriter& out, Value s1, Value s3, std::string (*format)(Value)) {
  const std::string_view open = s1 == s3 ? kTdNorm : kTdErr;
  HtmlRawLine(out, open, format(s1));
  HtmlRawLine(out, open, format(s3));
}

std::string FormatCount(std::int32_t value) { return Int(value); }

void Comparison(ProtocolWriter& out, const TRSV501CompareMainRec& rec) {
  HtmlTextLine(out, "  <h3>Коды тарифов взносов (раздел 1): ", prot501::JoinCodes(rec.TariffCodes));
  HtmlTextLine(out, "  <h3>Коды категорий застрахованных лиц, соответствующие кодам тарифов: ",
               prot501::JoinCodes(rec.CategoryCodes));
  HtmlTableOpen(out);
  RowOpen(out);
  out.Line("    <th rowspan=\"2\">Наименование показателя</th>");
  out.Line("    <th colspan=\"2\">За последние 3 месяца отчетного периода</th>");
  for (const std::string* month : {&rec.Month1, &rec.Month2, &rec.Month3})
    HtmlTextLine(out, "    <th colspan=\"2\">", ComparisonMonth(*month));
  RowClose(out);
  RowOpen(out);
  for (int i = 0; i < 4; ++i) {
    out.Line("    <th>Раздел 1</th>");
    out.Line("    <th>Раздел 3</th>");
  }
  RowClose(out);

  RowOpen(out);
  out.Line("    <th class=\"left\">Кол-во застрахованных лиц с начислениями</th>");
  for (int i = 0; i < 4; ++i) ComparisonPair(out, rec.Column(i).PersonsS1, rec.Column(i).PersonsS3, FormatCount);
  RowClose(out);
  RowOpen(out);
  out.Line("    <th class=\"left\">Суммы выплат и иных вознаграждений</th>");
  for (int i = 0; i < 4; ++i)
    ComparisonPair(out, rec.Column(i).PaymentsS1, rec.Column(i).PaymentsS3, FormatAmountGrouped);
  RowClose(out);
  RowOpen(out);
  out.Line("    <th class=\"left\">База для начисления взносов</th>");
  for (int i = 0; i < 4; ++i) ComparisonPair(out, rec.Column(i).BaseS1, rec.Column(i).BaseS3, FormatAmountGrouped);
  RowClose(out);
  RowOpen(out);
  out.Line("    <th class=\"left\">Сумма взносов</th>");
  for (int i = 0; i < 4; ++i)
    ComparisonPair(out, rec.Column(i).ContribS1, rec.Column(i).ContribS3, FormatAmountGrouped);
  RowClose(out);
  HtmlDataTableClose(out);
  out.Line(
      "<p>Примечание: При проверке корректирующих форм, в которых указаны только корректируемые данные "
      "застрахованных лиц, расхождения сумм не являются ошибкой.</p>");
}

void Comparisons(ProtocolWriter& out, const TRSV501ProtData& d) {
  out.Line("  <h2>Сверка данных между подразделами 1.1 и 3.2.1 (основные тарифы)</h2>");
  if (d.Comparisons.empty()) {
    out.Line("  <p>Данные отсутствуют.</p>");
    return;
  }
  for (const TRSV501CompareMainRec& rec : d.Comparisons) Comparison(out, rec);
}

void FarmMembers(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (!d.Section2Present) return;
  out.Line("  <h2>Сведения о членах крестьянского (фермерского) хозяйства (включая главу)</h2>");
  if (d.FarmMembers.empty()) {
    out.Line("  <p>Сведения о членах КФХ отсутствуют.</p>");
    return;
  }
  HtmlTableOpen(out);
  HeaderRow(out, {"ИНН", "СНИЛС", "Ф. И. О.", "Год рождения", "Дата начала членства", "Дата окончания членства",
                  "Сумма ОПС", "Сумма ОМС"});
  Amount pension = 0;
  Amount medical = 0;
  for (const TRSV501FarmMemberRec& member : d.FarmMembers) {
    RowOpen(out);
    HtmlTextLine(out, "      <td class=\"center\">", OrPlaceholder(member.INN, "Не указан"));
    HtmlTextLine(out, "      <td class=\"center\">", OrPlaceholder(member.SNILS, "Не указан"));
    HtmlTextLine(out, "      <td class=\"left\">", OrPlaceholder(member.FullName, "Не указано"));
    HtmlRawLine(out, "      <td class=\"center\">", Int(member.BirthYear));
    HtmlTextLine(out, "      <td class=\"center\">", member.StartDate);
    HtmlTextLine(out, "      <td class=\"center\">", member.EndDate);
    AmountCell(out, "      <td class=\"tdnorm\">", member.PensionContributions);
    AmountCell(out, "      <td class=\"tdnorm\">", member.MedicalContributions);
    RowClose(out);
    pension += member.PensionContributions;
    medical += member.MedicalContributions;
  }
  RowOpen(out);
  out.Line("    <th colspan=\"6\" class=\"left\">Итого взносов по членам КФХ:</th>");
  AmountCell(out, kThNorm, pension);
  AmountCell(out, kThNorm, medical);
  RowClose(out);
  RowOpen(out);
  out.Line("    <th colspan=\"6\" class=\"left\">Итоговые показатели в разделе 2:</th>");
  AmountCell(out, kThNorm, d.Section2OPS);
  AmountCell(out, kThNorm, d.Section2OMS);
  RowClose(out);
  HtmlDataTableClose(out);
}

std::size_t MonthRowCount(const TRSV501BaseCheckPLRec& person) {
  std::size_t rows = 0;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) rows += block.Months.size();
  return rows;
}

void BaseCheckPerson(ProtocolWriter& out, const TRSV501BaseCheckPLRec& person, Amount limit) {
  const std::size_t rows = MonthRowCount(person);
  RowOpen(out);
  HtmlTextLine(out, SpanTag("    <td", rows), person.FullName);
  HtmlTextLine(out, SpanTag("    <td", rows), person.SNILS);
  HtmlTextLine(out, SpanTag("    <td", rows), OrPlaceholder(person.INN, "не указан"));
  bool first = true;
  for (const TRSV501BaseCheckPLQuarterRec& block : person.Periods) {
    for (const TRSV501BaseCheckMonthRec& month : block.Months) {
      if (!first) RowOpen(out);
      first = false;
      HtmlTextLine(out, "    <th>", MonthName(month.Month));
      HtmlRawLine(out, kTdNorm, Int(block.FileNumber));
      HtmlRawLine(out, kTdNorm, Int(block.Number));
      AmountCell(out, kTdNorm, month.Payments);
      AmountCell(out, kTdNorm, month.CumPayments);
      AmountCell(out, kTdNorm, month.Base);
      AmountCell(out, month.CumBase > limit ? kTdErr : kTdNorm, month.CumBase);
      AmountCell(out, kTdNorm, month.ContractBase);
      AmountCell(out, kTdNorm, month.CumContractBase);
      AmountCell(out, kTdNorm, month.Contributions);
      AmountCell(out, kTdNorm, month.CumContributions);
      RowClose(out);
    }
  }
  if (first) RowClose(out);
}

void BaseCheckTotal(ProtocolWriter& out, const TRSV501BaseCheckPLRec& total) {
  RowOpen(out);
  out.Line("    <th colspan=\"3\" rowspan=\"", RowSpan(MonthRowCount(total)), "\">Итого:</th>");
  bool first = true;
  for (const TRSV501BaseCheckPLQuarterRec& block : total.Periods) {
    for (const TRSV501BaseCheckMonthRec& month : block.Months) {
      if (!first) RowOpen(out);
      first = false;
      HtmlTextLine(out, "    <th>", MonthName(month.Month));
      out.Line("    <th class=\"tdnorm\">-</th>");
      out.Line("    <th class=\"tdnorm\">-</th>");
      for (Amount amount : {month.Payments, month.CumPayments, month.Base, month.CumBase, month.ContractBase,
                            month.CumContractBase, month.Contributions, month.CumContributions})
        AmountCell(out, kThNorm, amount);
      RowClose(out);
    }
  }
  if (first) RowClose(out);
}

void BaseChecks(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (d.EarlierFiles.empty() || d.BaseChecks.empty()) return;
  out.Line("  <h2>Сведения для контроля показателей по застрахованным лицам нарастающим итогом с начала года</h2>");
  out.Line("  <p>", kBaseCheckNote, "</p>");
  HtmlTableOpen(out);
  HeaderRow(out, {"Ф. И. О.", "СНИЛС", "ИНН", "Месяц", "№ файла", "№ в файле", "Выплаты", "Выплаты НИ", "База",
                  "База НИ", "База ГПД", "База ГПД НИ", "Взносы", "Взносы НИ"});
  for (const TRSV501BaseCheckPLRec& person : d.BaseChecks) BaseCheckPerson(out, person, d.PensionLimit);
  BaseCheckTotal(out, d.BaseCheckTotal);
  HtmlDataTableClose(out);
}

// Twelve rows; the first goes on in the row already open.
void OMSOSSMonths(ProtocolWriter& out, const TRSV501OMSOSSPLRec& person, std::string_view amountTag) {
  bool first = true;
  for (std::size_t m = 0; m < person.Months.size(); ++m) {
    const TRSV501OMSOSSMonthRec& month = person.Months[m];
    if (!first) RowOpen(out);
    first = false;
    HtmlTextLine(out, "    <th>", MonthName(static_cast<std::int32_t>(m + 1)));
    for (Amount amount : OMSOSSColumns(month)) AmountCell(out, amountTag, amount);
    RowClose(out);
  }
}

void OMSOSSChecks(ProtocolWriter& out, const TRSV501ProtData& d) {
  if (d.EarlierFiles.empty() || d.OMSOSSChecks.empty()) return;
  out.Line("  <h2>Расчётные сведения по взносам ОМС и ОСС помесячно и нарастающим итогом по застрахованным лицам</h2>");
  out.Line(
      "  <p>Примечание: Расчёт взносов ОМС выполняется раздельно по каждому тарифу. При расчёте ОСС из выплат "
      "вычитаются суммы по ГПД и учитывается предельный размер базы.</p>");
  if (!d.SocialLimitKnown) HtmlTextLine(out, "  <p>", prot501::SocialLimitUnknownText(d.Year));
  HtmlTableOpen(out);
  HeaderRow(out, {"Ф. И. О.", "СНИЛС", "ИНН", "Месяц", "База ОМС", "База ОМС НИ", "Взносы ОМС", "Взносы ОМС НИ",
                  "База ОСС", "База ОСС НИ", "Взносы ОСС", "Взносы ОСС НИ"});
  for (const TRSV501OMSOSSPLRec& person : d.OMSOSSChecks) {
    RowOpen(out);
    HtmlTextLine(out, "    <td rowspan=\"12\">", person.FullName);
    HtmlTextLine(out, "    <td rowspan=\"12\">", person.SNILS);
    HtmlTextLine(out, "    <td rowspan=\"12\">", OrPlaceholder(person.INN, "не указан"));
    OMSOSSMonths(out, person, kTdNorm);
  }
  RowOpen(out);
  out.Line("    <th colspan=\"3\" rowspan=\"12\">Итого:</th>");
  OMSOSSMonths(out, d.OMSOSSTotal, kThNorm);
  HtmlDataTableClose(out);
}

}  // namespace

void WriteHtmlProtocol501(ProtocolWriter& out, const TRSV501ProtData& data, const ProtocolHeader& header) {
  HtmlPageOpen(out, header);
  MainFile(out, data);
  ReadErrors(out, data);
  EarlierFiles(out, data);
  Payer(out, data);
  Composition(out, data);
  Section3(out, data);
  Comparisons(out, data);
  FarmMembers(out, data);
  BaseChecks(out, data);
  OMSOSSChecks(out, data);
  HtmlPageClose(out);
}

bool TRSV501Prot::WriteHtml(const std::filesystem::path& path) {
  ProtocolHeader header;
  header.runStamp = RunStamp();
  return prot501::WriteProtocolFile(
      path, [&](ProtocolWriter& out) { WriteHtmlProtocol501(out, *this, header); }, errorText_, progress_);
}

}  // namespace orsvelt
