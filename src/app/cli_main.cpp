// orsvelt-cli: one check of a report from the command line, as "Старт" does in the window.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/check_run.h"
#include "markup/program_constants.h"
#include "xml/path_text.h"

#ifdef _WIN32
#include <io.h>
#define ORSVELT_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define ORSVELT_ISATTY(fd) isatty(fd)
#endif

// The protocols print VersionText; --version must not tell another.
static_assert(orsvelt::VersionText == ORSVELT_VERSION, "VersionText differs from the project's VERSION");

namespace {

constexpr std::string_view kUsage =
    "Использование: orsvelt-cli [--format html|xml] [--output ПУТЬ] [--run-stamp ТЕКСТ] [--quiet] РАСЧЁТ.xml\n"
    "\n"
    "Проверяет расчёт по страховым взносам (форматы 5.01 и 5.02) вместе с расчётами\n"
    "предыдущих периодов того же года из его папки и пишет протокол.\n"
    "\n"
    "  --format html|xml   протокол: страница HTML или книга SpreadsheetML (по умолчанию xml)\n"
    "  --output ПУТЬ       куда записать протокол (по умолчанию во временную папку\n"
    "                      под именем prot_<дата>_<время>_<имя расчёта>); если ПУТЬ - папка,\n"
    "                      протокол пишется в неё под тем же именем. Поверх проверяемого\n"
    "                      расчёта и расчётов из его папки протокол не пишется\n"
    "  --run-stamp ТЕКСТ   дата и время формирования вместо текущих, например \"07.12.2026 9:05:03\"\n"
    "  --quiet             не показывать ход проверки (он показывается в стандартном\n"
    "                      потоке ошибок, только когда это терминал)\n"
    "  --help              эта справка\n"
    "  --version           версия программы\n"
    "\n"
    "Значение можно писать и через знак равенства: --format=html. Если расширение файла\n"
    "протокола не подходит к формату, протокол записывается с предупреждением.\n"
    "\n"
    "Путь протокола печатается в стандартный вывод. Коды завершения: 0 - протокол записан,\n"
    "1 - проверка не выполнена (причина в стандартном потоке ошибок), 2 - неверный вызов.\n";

int Usage(std::string_view problem) {
  if (!problem.empty()) std::cerr << "orsvelt-cli: " << problem << "\n\n";
  std::cerr << kUsage;
  return 2;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::optional<orsvelt::ProtocolFormat> FormatNamed(std::string_view name) {
  const std::string lower = AsciiLower(name);
  if (lower == "html") return orsvelt::ProtocolFormat::Html;
  if (lower == "xml") return orsvelt::ProtocolFormat::Workbook;
  return std::nullopt;
}

// A protocol under a name its viewer does not expect is still written, with a word of warning.
void WarnOnExtension(const std::filesystem::path& protocol, orsvelt::ProtocolFormat format) {
  const bool html = format == orsvelt::ProtocolFormat::Html;
  const std::string extension = AsciiLower(orsvelt::PathToUtf8(protocol.extension()));
  if (html ? extension == ".html" || extension == ".htm" : extension == ".xml") return;
  std::cerr << "orsvelt-cli: предупреждение: протокол в формате " << (html ? "HTML" : "XML") << " записан в файл "
            << (extension.empty() ? "без расширения" : "с расширением \"" + orsvelt::PathToUtf8(protocol.extension()) + "\"")
            << ", ожидается \"" << (html ? ".html" : ".xml") << "\"\n";
}

// The run's progress on one line of a terminal, rewritten in place and cleared at the end.
class TerminalProgress {
 public:
  TerminalProgress() {
    sink_.report = [this](orsvelt::ProgressStage stage, std::int64_t done, std::int64_t total) {
      const std::string text = orsvelt::ProgressText(stage, done, total);
      if (text == shown_) return;
      shown_ = text;
      std::fputs(("\r\033[K" + text).c_str(), stderr);
      std::fflush(stderr);
    };
  }
  ~TerminalProgress() {
    if (shown_.empty()) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
  }
  TerminalProgress(const TerminalProgress&) = delete;
  TerminalProgress& operator=(const TerminalProgress&) = delete;

  orsvelt::ProgressSink* Sink() { return &sink_; }

 private:
  orsvelt::ProgressSink sink_;
  std::string shown_;
};

}  // namespace

int main(int argc, char** argv) {
  orsvelt::CheckRequest request;
  std::string report;
  bool quiet = false;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    // "--name=value" and "--name value" alike.
    std::optional<std::string_view> inlineValue;
    if (arg.starts_with("--")) {
      if (const auto eq = arg.find('='); eq != std::string_view::npos) {
        inlineValue = arg.substr(eq + 1);
        arg = arg.substr(0, eq);
      }
    }
    auto value = [&]() -> std::optional<std::string_view> {
      if (inlineValue) return inlineValue;
      if (i + 1 < argc) return std::string_view(argv[++i]);
      return std::nullopt;
    };
    const bool takesValue = arg == "--format" || arg == "--output" || arg == "--run-stamp";
    if (inlineValue && !takesValue) return Usage("параметр " + std::string(arg) + " не принимает значения");
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--version") {
      std::cout << "orsvelt-cli " << ORSVELT_VERSION << "\n";
      return 0;
    } else if (arg == "--quiet") {
      quiet = true;
    } else if (arg == "--format") {
      const auto v = value();
      if (!v) return Usage("после --format нужно указать html или xml");
      const auto format = FormatNamed(*v);
      if (!format) return Usage("неизвестный формат протокола: " + std::string(*v));
      request.format = *format;
    } else if (arg == "--output") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --output нужно указать путь");
      request.outputPath = orsvelt::Utf8ToPath(*v);
    } else if (arg == "--run-stamp") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --run-stamp нужно указать дату и время");
      request.runStamp = *v;
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
  if (!request.outputPath.empty() && std::filesystem::is_directory(request.outputPath, ec)) {
    request.outputFolder = request.outputPath;
    request.outputPath.clear();
  } else {
    request.outputFolder = std::filesystem::temp_directory_path(ec);
    if (ec) request.outputFolder = "/tmp";
  }

  orsvelt::CheckOutcome outcome;
  {
    std::optional<TerminalProgress> progress;
    if (!quiet && ORSVELT_ISATTY(2)) request.progress = progress.emplace().Sink();
    outcome = orsvelt::RunCheck(request);
  }
  if (!outcome.ok) {
    std::cerr << outcome.message << "\n";
    if (!outcome.detail.empty()) std::cerr << outcome.detail << "\n";
    return 1;
  }
  if (!request.outputPath.empty()) WarnOnExtension(outcome.protocol, request.format);
  std::cout << orsvelt::PathToUtf8(outcome.protocol) << "\n";
  return 0;
}
