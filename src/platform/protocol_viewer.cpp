#include "platform/protocol_viewer.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/desktop_entry.h"
#include "platform/qt_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace orsvelt {

namespace {

// The types a spreadsheet program registers for; the workbook is SpreadsheetML, which every
// program handling the Excel types reads.
constexpr const char* kSpreadsheetTypes[] = {
    "application/vnd.ms-excel",
    "application/x-ms-excel",
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet",
    "application/vnd.oasis.opendocument.spreadsheet",
};

// xdg-mime can hang on a broken desktop; the user waits at most this long per type.
constexpr int kQueryTimeoutMs = 5000;

ViewerStart OpenWithDefaultHandler(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(file))) ? ViewerStart::Started
                                                                              : ViewerStart::Failed;
}

QString QueryDefaultApplication(const QString& mimeType) {
  const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (xdgMime.isEmpty()) return {};
  QProcess query;
  query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
  if (!query.waitForFinished(kQueryTimeoutMs)) {
    query.kill();
    query.waitForFinished(kQueryTimeoutMs);
    return {};
  }
  if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0) return {};
  // Several ids may come separated by ';'; the first is the default.
  return QString::fromUtf8(query.readAllStandardOutput()).trimmed().section(QLatin1Char(';'), 0, 0);
}

QString ReadDesktopEntry(const QString& desktopId) {
  const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId);
  if (path.isEmpty()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

#ifdef Q_OS_WIN
// The shell finds office programs through their registration, which PATH does not hold.
ViewerStart ShellStart(const wchar_t* program, const std::filesystem::path& file) {
  // Quoted: temp folders below a user name with blanks are common.
  const std::wstring parameters = L"\"" + file.wstring() + L"\"";
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", program, parameters.c_str(), nullptr, SW_SHOWMAXIMIZED));
  if (result > 32) return ViewerStart::Started;
  return result == SE_ERR_FNF ? ViewerStart::NotInstalled : ViewerStart::Failed;
}
#endif

}  // namespace

DesktopLookup SystemDesktop() {
  return {QueryDefaultApplication, ReadDesktopEntry,
          [](const QString& name) { return QStandardPaths::findExecutable(name); },
          [](const QStringList& command) { return QProcess::startDetached(command.front(), command.mid(1)); }};
}

QStringList CalcCommandLine(const QString& file, const std::function<QString(const QString&)>& findExecutable) {
  for (const char* name : {"soffice", "libreoffice"}) {
    const QString program = findExecutable(QString::fromLatin1(name));
    if (!program.isEmpty()) return {program, QStringLiteral("--calc"), file};
  }
  const QString localc = findExecutable(QStringLiteral("localc"));
  if (!localc.isEmpty()) return {localc, file};
  return {};
}

QStringList SpreadsheetCommandLine(const QString& file, const DesktopLookup& desktop) {
  for (const char* type : kSpreadsheetTypes) {
    const QString id = desktop.defaultApplication(QString::fromLatin1(type));
    if (id.isEmpty()) continue;
    const QStringList command = DesktopEntryCommandLine(desktop.desktopEntry(id), file);
    if (!command.isEmpty()) return command;
  }
  return CalcCommandLine(file, desktop.findExecutable);
}

ViewerStart DesktopViewer::Launch(const QStringList& command) {
  if (command.isEmpty()) return ViewerStart::NotInstalled;
  return desktop_.launch(command) ? ViewerStart::Started : ViewerStart::Failed;
}

ViewerStart DesktopViewer::OpenPage(const std::filesystem::path& html) { return OpenWithDefaultHandler(html); }

ViewerStart DesktopViewer::OpenInExcel(const std::filesystem::path& workbook) {
#ifdef Q_OS_WIN
  return ShellStart(L"excel.exe", workbook);
#else
  return Launch(SpreadsheetCommandLine(PathToQString(workbook), desktop_));
#endif
}

ViewerStart DesktopViewer::OpenInCalc(const std::filesystem::path& workbook) {
  const QStringList command = CalcCommandLine(PathToQString(workbook), desktop_.findExecutable);
#ifdef Q_OS_WIN
  if (command.isEmpty()) return ShellStart(L"scalc.exe", workbook);
#endif
  return Launch(command);
}

bool DesktopViewer::OpenSite(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

}  // namespace orsvelt
