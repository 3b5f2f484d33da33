#include "xml/system_error_text.h"

#include <string_view>

namespace orsvelt {

namespace {

struct ReasonRow {
  std::errc code;
  std::string_view text;
};

// The reasons a protocol or a report can meet on an ordinary computer.
constexpr ReasonRow kReasons[] = {
    {std::errc::no_such_file_or_directory, "нет такого файла или папки"},
    {std::errc::permission_denied, "доступ запрещён"},
    {std::errc::operation_not_permitted, "операция не разрешена"},
    {std::errc::read_only_file_system, "файловая система доступна только для чтения"},
    {std::errc::no_space_on_device, "на диске нет места"},
    {std::errc::is_a_directory, "это папка"},
    {std::errc::not_a_directory, "часть пути не является папкой"},
    {std::errc::file_exists, "файл уже существует"},
    {std::errc::filename_too_long, "слишком длинное имя файла"},
    {std::errc::file_too_large, "файл слишком велик"},
    {std::errc::too_many_files_open, "открыто слишком много файлов"},
    {std::errc::device_or_resource_busy, "файл или устройство заняты"},
    {std::errc::text_file_busy, "файл занят"},
    {std::errc::too_many_symbolic_link_levels, "слишком много ссылок подряд"},
    {std::errc::io_error, "ошибка ввода-вывода"},
    {std::errc::directory_not_empty, "папка не пуста"},
    {std::errc::cross_device_link, "перенос между разными дисками невозможен"},
};

}  // namespace

std::string SystemErrorText(std::error_code ec) {
  if (!ec) return "ошибка ввода-вывода";
  const std::error_condition condition = ec.default_error_condition();
  for (const ReasonRow& row : kReasons)
    if (condition == row.code) return std::string(row.text);
  return "системная ошибка " + std::to_string(ec.value()) + " (" + ec.message() + ")";
}

std::string SystemErrorText(int errnoValue) {
  return SystemErrorText(std::error_code(errnoValue, std::generic_category()));
}

}  // namespace orsvelt
