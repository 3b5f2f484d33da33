// orsvelt-cli: one check of a report from the command line, as "Старт" does in the window.

#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/batch/batch_command.h"
#include "analysis/check_run.h"
#include "analysis/checks/check_table.h"
#include "analysis/checks/findings_json.h"
#include "markup/file_sink.h"
#include "markup/file_size_text.h"
#include "markup/program_constants.h"
#include "xml/path_text.h"
#include "xml/stringfuncs.h"

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
    "Использование: orsvelt-cli [--format html|xml] [--output ПУТЬ] [--run-stamp ТЕКСТ]\n"
    "                   [--findings ПУТЬ] [--schemas ПАПКА] [--persons all|findings]\n"
    "                   [--strict] [--quiet] РАСЧЁТ.xml\n"
    "       orsvelt-cli --batch ПАПКА --output-dir ПАПКА [--format html|xml] [--recursive]\n"
    "                   [-j N] [--findings] [--persons all|findings] [--strict] [--run-stamp ТЕКСТ]\n"
    "       orsvelt-cli --list-checks\n"
    "\n"
    "Проверяет расчёт по страховым взносам (форматы 5.01 - 5.08) вместе с расчётами\n"
    "предыдущих периодов того же года из его папки и пишет протокол.\n"
    "\n"
    "  --format html|xml   протокол: страница HTML или книга SpreadsheetML (по умолчанию xml)\n"
    "  --output ПУТЬ       куда записать протокол (по умолчанию во временную папку\n"
    "                      под именем prot_<дата>_<время>_<имя расчёта>); если ПУТЬ - папка,\n"
    "                      протокол пишется в неё под тем же именем. Поверх проверяемого\n"
    "                      расчёта и расчётов из его папки протокол не пишется\n"
    "  --run-stamp ТЕКСТ   дата и время формирования вместо текущих, например \"07.12.2026 9:05:03\"\n"
    "  --findings ПУТЬ     записать найденные нарушения контрольных соотношений в JSON (UTF-8)\n"
    "  --schemas ПАПКА     папка со схемами XSD формата для контроля по схеме (иначе\n"
    "                      $ORSVELT_SCHEMAS, папка schemas рядом с программой, папка установки)\n"
    "  --persons all|findings\n"
    "                      какие лица показывать в таблицах по застрахованным лицам: все\n"
    "                      (по умолчанию) или только лица с замечаниями (база выше предельной,\n"
    "                      пол не по отчеству, нарушение контрольного соотношения или ошибка\n"
    "                      чтения в сведениях о лице); итоги и количества - по всем лицам\n"
    "  --strict            код завершения 3, если найдено основание считать расчёт непредставленным\n"
    "  --list-checks       напечатать таблицу контрольных соотношений и выйти\n"
    "  --quiet             не показывать ход проверки (он показывается в стандартном\n"
    "                      потоке ошибок, только когда это терминал) и размер протокола\n"
    "  --help              эта справка\n"
    "  --version           версия программы\n"
    "\n"
    "Проверка папки:\n"
    "  --batch ПАПКА       проверить каждый расчёт NO_RASCHSV_*.xml папки, как при проверке по\n"
    "                      одному: каждый с расчётами предыдущих периодов из его папки\n"
    "  --output-dir ПАПКА  куда записать протоколы (под обычными именами) и сводку:\n"
    "                      summary.html, summary.csv (для Excel) и summary.json\n"
    "  --recursive         и расчёты вложенных папок; их протоколы - во вложенные папки\n"
    "  -j N, --jobs N      проверять N расчётов одновременно (по умолчанию по числу ядер)\n"
    "  --findings          и файл нарушений каждого расчёта рядом с его протоколом\n"
    "                      (имя протокола с окончанием .findings.json)\n"
    "  --strict            код завершения 3, если все расчёты проверены и хотя бы в одном\n"
    "                      найдено основание считать его непредставленным\n"
    "  Ctrl+C останавливает проверку: начатые расчёты дописываются, новые не начинаются,\n"
    "  сводка пишется о сделанном.\n"
    "\n"
    "Значение можно писать и через знак равенства: --format=html. Если расширение файла\n"
    "протокола не подходит к формату, протокол записывается с предупреждением.\n"
    "\n"
    "Путь протокола (при проверке папки - сводки) печатается в стандартный вывод, размер\n"
    "протокола - в стандартный поток ошибок. Коды завершения: 0 - протокол записан (все\n"
    "расчёты папки проверены), 1 - проверка не выполнена (хотя бы один расчёт папки не\n"
    "проверен или проверка прервана; причины - в стандартном потоке ошибок), 2 - неверный\n"
    "вызов, 3 - с --strict: протокол записан (все расчёты папки проверены), но найдено\n"
    "основание считать расчёт непредставленным.\n";

int Usage(std::string_view problem) {
  if (!problem.empty()) std::cerr << "orsvelt-cli: " << problem << "\n\n";
  std::cerr << kUsage;
  return 2;
}

std::optional<orsvelt::ProtocolFormat> FormatNamed(std::string_view name) {
  const std::string lower = orsvelt::AsciiLower(name);
  if (lower == "html") return orsvelt::ProtocolFormat::Html;
  if (lower == "xml") return orsvelt::ProtocolFormat::Workbook;
  return std::nullopt;
}

// A protocol under a name its viewer does not expect is still written, with a word of warning.
void WarnOnExtension(const std::filesystem::path& protocol, orsvelt::ProtocolFormat format) {
  const bool html = format == orsvelt::ProtocolFormat::Html;
  const std::string extension = orsvelt::AsciiLower(orsvelt::PathToUtf8(protocol.extension()));
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

// One line per row of the check table, fields separated by tabs.
void ListChecks() {
  std::cout << "id\tгруппа\tсерьёзность\tформаты\tформулировка\tисточник\n";
  for (const orsvelt::checks::CheckRow& row : orsvelt::checks::CheckTable())
    std::cout << row.id << '\t' << orsvelt::checks::GroupName(row.group) << '\t'
              << orsvelt::checks::SeverityName(row.severity) << '\t' << orsvelt::checks::FormatsText(row.formats)
              << '\t' << row.wording << '\t' << row.source << '\n';
}

// False with a message on the error stream when the file could not be written whole.
bool WriteFindings(const std::filesystem::path& path, const orsvelt::checks::CheckResult& result) {
  std::string error;
  if (orsvelt::WriteFileWhole(path, orsvelt::checks::FindingsJson(result), error)) return true;
  std::cerr << "Не удалось записать файл нарушений: " << orsvelt::PathToUtf8(path) << "\n" << error << "\n";
  return false;
}

// Where "schemas" beside the program is looked for: the running file's folder, else argv[0]'s.
std::filesystem::path ExecutableFolder(const char* argv0) {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec && !self.empty()) return self.parent_path();
  if (argv0 == nullptr || *argv0 == '\0') return {};
  const std::filesystem::path given(argv0);
  if (!given.has_parent_path()) return {};  // found through PATH: the folder is not known
  return std::filesystem::absolute(given, ec).parent_path();
}

std::atomic<bool> stopRequested{false};

// The first Ctrl+C lets the running checks finish; a second one ends the program at once.
extern "C" void RequestStop(int signal) {
  stopRequested.store(true);
  std::signal(signal, SIG_DFL);
}

// Parsed like an option's value: a whole positive number.
std::optional<unsigned> JobsNamed(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  unsigned n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    n = n * 10 + static_cast<unsigned>(c - '0');
  }
  if (n == 0) return std::nullopt;
  return n;
}

int BatchMain(orsvelt::BatchCommand& command, const std::string& report, const std::string& output) {
  if (!report.empty()) return Usage("при --batch расчёт не указывается: проверяются все расчёты папки");
  if (!output.empty()) return Usage("при --batch папка протоколов указывается параметром --output-dir");
  if (command.request.outputFolder.empty()) return Usage("при --batch нужно указать --output-dir");
  std::error_code ec;
  if (!std::filesystem::is_directory(command.request.folder, ec))
    return Usage("папка не найдена: " + orsvelt::PathToUtf8(command.request.folder));
  command.request.stop = &stopRequested;
  std::signal(SIGINT, RequestStop);
  return orsvelt::RunBatchCommand(command, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv) {
  orsvelt::CheckRequest request;
  orsvelt::BatchCommand batch;
  bool batchMode = false;
  std::string report, output;
  bool quiet = false;
  std::string findingsPath;
  bool strict = false;
  // In a batch --findings takes no path: each report's file goes beside its protocol.
  bool batchCall = false;
  for (int i = 1; i < argc; ++i) batchCall = batchCall || std::string_view(argv[i]).starts_with("--batch");
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    // "--name=value" and "--name value" alike.
    std::optional<std::string_view> inlineValue;
    if (arg.starts_with("--")) {
      if (const auto eq = arg.find('='); eq != std::string_view::npos) {
        inlineValue = arg.substr(eq + 1);
        arg = arg.substr(0, eq);
      }
    } else if (arg.starts_with("-j") && arg.size() > 2) {
      inlineValue = arg.substr(2);  // "-j4"
      arg = "-j";
    }
    auto value = [&]() -> std::optional<std::string_view> {
      if (inlineValue) return inlineValue;
      if (i + 1 < argc) return std::string_view(argv[++i]);
      return std::nullopt;
    };
    const bool takesValue = arg == "--format" || arg == "--output" || arg == "--run-stamp" || arg == "--batch" ||
                            arg == "--output-dir" || arg == "--jobs" || arg == "-j" || arg == "--schemas" ||
                            arg == "--persons" ||
                            (arg == "--findings" && !batchCall);
    if (inlineValue && !takesValue) return Usage("параметр " + std::string(arg) + " не принимает значения");
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    } else if (arg == "--list-checks") {
      ListChecks();
      return 0;
    } else if (arg == "--strict") {
      strict = true;
    } else if (arg == "--findings" && batchCall) {
      batch.request.findings = true;
    } else if (arg == "--findings") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --findings нужно указать путь");
      findingsPath = *v;
    } else if (arg == "--schemas") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --schemas нужно указать папку");
      request.schemasFolder = orsvelt::Utf8ToPath(*v);
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
    } else if (arg == "--persons") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --persons нужно указать all или findings");
      const auto persons = orsvelt::PersonSelectionNamed(orsvelt::AsciiLower(*v));
      if (!persons) return Usage("неизвестное значение --persons: " + std::string(*v) + " (допустимы all и findings)");
      request.persons = *persons;
    } else if (arg == "--output") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --output нужно указать путь");
      output = *v;
    } else if (arg == "--run-stamp") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --run-stamp нужно указать дату и время");
      request.runStamp = *v;
    } else if (arg == "--batch") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --batch нужно указать папку");
      if (batchMode) return Usage("указано больше одной папки");
      batchMode = true;
      batch.request.folder = orsvelt::Utf8ToPath(*v);
    } else if (arg == "--output-dir") {
      const auto v = value();
      if (!v || v->empty()) return Usage("после --output-dir нужно указать папку");
      batch.request.outputFolder = orsvelt::Utf8ToPath(*v);
    } else if (arg == "--recursive") {
      batch.request.recursive = true;
    } else if (arg == "-j" || arg == "--jobs") {
      const auto v = value();
      const auto jobs = v ? JobsNamed(*v) : std::nullopt;
      if (!jobs) return Usage("после " + std::string(arg) + " нужно указать число одновременных проверок от 1 до 9999");
      batch.request.threads = *jobs;
    } else if (arg.size() > 1 && arg.front() == '-' && arg != "-") {
      return Usage("неизвестный параметр: " + std::string(arg));
    } else if (report.empty()) {
      report = arg;
    } else {
      return Usage("указано больше одного расчёта");
    }
  }
  if (batchMode) {
    batch.request.format = request.format;
    batch.request.persons = request.persons;
    batch.request.runStamp = request.runStamp;
    batch.request.schemasFolder = request.schemasFolder;
    batch.request.executableFolder = ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    batch.strict = strict;
    return BatchMain(batch, report, output);
  }
  if (!batch.request.outputFolder.empty() || batch.request.recursive || batch.request.threads)
    return Usage("параметры --output-dir, --recursive и -j действуют только с --batch");
  if (report.empty()) return Usage("не указан файл расчёта");

  request.report = orsvelt::Utf8ToPath(report);
  request.outputPath = orsvelt::Utf8ToPath(output);
  request.executableFolder = ExecutableFolder(argc > 0 ? argv[0] : nullptr);
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
  std::cout << orsvelt::PathToUtf8(outcome.protocol) << std::endl;
  // Standard output stays the path alone: scripts read it.
  if (const std::uintmax_t bytes = std::filesystem::file_size(outcome.protocol, ec); !ec && !quiet)
    std::cerr << "Размер протокола: " << orsvelt::FileSizeText(bytes) << "\n";
  const orsvelt::checks::CheckResult none;
  const orsvelt::checks::CheckResult& checks = outcome.checks ? *outcome.checks : none;
  if (!findingsPath.empty() && !WriteFindings(orsvelt::Utf8ToPath(findingsPath), checks)) return 1;
  if (strict && checks.Count(orsvelt::checks::Severity::Rejection) > 0) return 3;
  return 0;
}
