// orsvelt-cli: one check of a report from the command line, as "Старт" does in the window.

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>

#include "analysis/check_run.h"
#include "xml/path_text.h"

namespace {

constexpr std::string_view kUsage =
    "Использование: orsvelt-cli [--format html|xml] [--output ПУТЬ] [--run-stamp ТЕКСТ] РАСЧЁТ.xml\n"
    "\n"
    "Проверяет расчёт по страховым взносам (форматы 5.01 и 5.02) вместе с расчётами\n"
    "предыдущих периодов того же года из его папки и пишет протокол.\n"
    "\n"
    "  --format html|xml   протокол: страница HTML или книга SpreadsheetML (по умолчанию xml)\n"
    "  --output ПУТЬ       куда записать протокол (по умолчанию во временную папку\n"
    "                      под именем prot_<дата>_<время>_<имя расчёта>)\n"
    "  --run-stamp ТЕКСТ   дата и время формирования вместо текущих, например \"07.12.2026 9:05:03\"\n"
    "  --help              эта справка\n"
    "\n"
    "Путь протокола печатается в стандартный вывод. Коды завершения: 0 - протокол записан,\n"
    "1 - проверка не выполнена (причина в стандартном потоке ошибок), 2 - неверный вызов.\n";

int Usage(std::string_view problem) {
  if (!problem.empty()) std::cerr << "orsvelt-cli: " << problem << "\n\n";
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  orsvelt::CheckRequest request;
  std::string report;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--format") {
      const char* v = value();
      if (!v) return Usage("после --format нужно указать html или xml");
      if (std::string_view(v) == "html")
        request.format = orsvelt::ProtocolFormat::Html;
      else if (std::string_view(v) == "xml")
        request.format = orsvelt::ProtocolFormat::Workbook;
      else
        return Usage("неизвестный формат протокола: " + std::string(v));
    } else if (arg == "--output") {
      const char* v = value();
      if (!v) return Usage("после --output нужно указать путь");
      request.outputPath = orsvelt::Utf8ToPath(v);
    } else if (arg == "--run-stamp") {
      const char* v = value();
      if (!v || !*v) return Usage("после --run-stamp нужно указать дату и время");
      request.runStamp = v;
    } else if (arg.size() > 1 && arg.front() == '-' && arg != "-") {
      return Usage("неизвестный параметр: " + std::string(arg));
    } else if (report.empty()) {
      report = arg;
    } else {
      return Usage("указано больше одного расчёта");
    }
  }
  if (report.empty()) return Usage("не указан файл расчёта");

  request.report = orsvelt::Utf8ToPath(report);
  std::error_code ec;
  request.outputFolder = std::filesystem::temp_directory_path(ec);
  if (ec) request.outputFolder = "/tmp";

  const orsvelt::CheckOutcome outcome = orsvelt::RunCheck(request);
  if (!outcome.ok) {
    std::cerr << outcome.message << "\n";
    if (!outcome.detail.empty()) std::cerr << outcome.detail << "\n";
    return 1;
  }
  std::cout << orsvelt::PathToUtf8(outcome.protocol) << "\n";
  return 0;
}
