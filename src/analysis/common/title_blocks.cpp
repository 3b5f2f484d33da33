#include "analysis/common/title_blocks.h"

#include <cstddef>
#include <string_view>

#include "markup/html_page.h"
#include "markup/html_tables.h"
#include "markup/workbook.h"
#include "markup/worksheet.h"

namespace orsvelt {
namespace {

void HtmlFileRows(ProtocolWriter& out, const TitleFile& file) {
  HtmlKeyValueRow(out, "Имя файла:", file.fileName);
  HtmlKeyValueRow(out, "Версия формата", file.formatVersion);
  HtmlKeyValueRow(out, "Отчётный период", file.period);
  HtmlKeyValueRow(out, "№ корректировки", std::to_string(file.correction));
  HtmlKeyValueRow(out, "По месту", file.place);
  if (!file.note.empty()) HtmlKeyValueRow(out, "Использование", file.note);
}

void SheetHeading(ProtocolWriter& out, std::string_view heading) {
  StringCellRow(out, {.style = CellStyle::SheetHeader, .mergeAcross = 1}, heading);
  EmptyRow(out);
}

void CaptionValueRow(ProtocolWriter& out, const TitleSheetLayout& layout, std::string_view caption,
                     std::string_view value) {
  RowOpen(out);
  StringCell(out, {.style = layout.valueStyle}, caption);
  StringCell(out, {.style = layout.valueStyle}, value);
  RowClose(out);
}

void SheetFileRows(ProtocolWriter& out, const TitleSheetLayout& layout, const TitleFile& file) {
  CaptionValueRow(out, layout, "Имя файла:", file.fileName);
  CaptionValueRow(out, layout, "Версия формата:", file.formatVersion);
  CaptionValueRow(out, layout, "Отчётный период:", file.period);
  CaptionValueRow(out, layout, "№ корректировки:", std::to_string(file.correction));
  CaptionValueRow(out, layout, "По месту:", file.place);
  if (!file.note.empty()) CaptionValueRow(out, layout, "Использование:", file.note);
  EmptyRow(out);
}

}  // namespace

void HtmlMainFileBlock(ProtocolWriter& out, const TitleFile& file) {
  HtmlHeading(out, 2, "Сведения об основном проверяемом файле");
  HtmlTableOpen(out);
  HtmlFileRows(out, file);
  HtmlKeyValueTableClose(out);
}

void HtmlReadErrorsBlock(ProtocolWriter& out, const std::vector<std::string>& errors) {
  if (errors.empty()) return;
  HtmlHeading(out, 2, "Ошибки чтения файла (мягкий контроль):");
  for (const std::string& message : errors) HtmlParagraph(out, message);
}

void HtmlEarlierFilesBlock(ProtocolWriter& out, const std::vector<TitleFile>& files) {
  if (files.empty()) return;
  HtmlHeading(out, 2, "Сведения о файлах за предыдущие периоды отчетного года");
  for (std::size_t k = 0; k < files.size(); ++k) {
    HtmlTableOpen(out);
    HtmlKeyValueRow(out, "№ п/п:", std::to_string(k + 1), "left bold");
    HtmlFileRows(out, files[k]);
    HtmlKeyValueTableClose(out);
    HtmlRawParagraph(out, "&nbsp;", 0);
  }
}

void HtmlPayerBlock(ProtocolWriter& out, const TitlePayer& payer) {
  HtmlHeading(out, 2, "Сведения о плательщике взносов");
  HtmlTableOpen(out);
  HtmlKeyValueRow(out, "Тип плательщика взносов", payer.type);
  HtmlKeyValueRow(out, "Наименование организации / Фамилия, имя, отчество физического лица", payer.name);
  HtmlKeyValueRow(out, "ИНН", payer.inn);
  HtmlKeyValueRow(out, "КПП юридического лица", payer.kpp);
  HtmlKeyValueTableClose(out);
}

void TitleSheet(ProtocolWriter& out, const ProtocolHeader& header, const ProtocolTitle& title,
                const TitleSheetLayout& layout, const std::function<void(ProtocolWriter&)>& afterMainFile) {
  TitleSheetOpen(out, header);
  SheetHeading(out, "Сведения об основном файле расчета");
  SheetFileRows(out, layout, title.mainFile);
  if (afterMainFile) afterMainFile(out);

  if (!title.readErrors.empty()) {
    SheetHeading(out, "Сведения об ошибках чтения файла (мягкий контроль)");
    for (const std::string& message : title.readErrors) {
      if (layout.errorRowOnOneLine) {
        StringCellRow(out, {.mergeAcross = 2}, message);
      } else {
        RowOpen(out);
        StringCell(out, {.mergeAcross = 2}, message);
        RowClose(out);
      }
    }
    EmptyRow(out);
  }

  if (!title.earlierFiles.empty()) {
    SheetHeading(out, "Сведения о файлах предыдущих периодов отчётного года");
    for (std::size_t k = 0; k < title.earlierFiles.size(); ++k) {
      RowOpen(out);
      StringCell(out, {.style = CellStyle::SheetHeaderLeft}, "№ п/п:");
      StringCell(out, {.style = CellStyle::SheetHeaderLeft}, std::to_string(k + 1));
      RowClose(out);
      SheetFileRows(out, layout, title.earlierFiles[k]);
    }
  }

  SheetHeading(out, "Сведения о плательщике страховых взносов");
  CaptionValueRow(out, layout, "Тип плательщика взносов:", title.payer.type);
  CaptionValueRow(out, layout, "Наименование организации / ФИО физического лица:", title.payer.name);
  CaptionValueRow(out, layout, "ИНН:", title.payer.inn);
  CaptionValueRow(out, layout, "КПП юридического лица:", title.payer.kpp);
  WorksheetClose(out);
}

}  // namespace orsvelt
