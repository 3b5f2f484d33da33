#include "platform/protocol_viewer.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "platform/qt_text.h"

#ifdef Q_OS_WIN
#include <windows.h>
#include <shellapi.h>
#endif

namespace orsvelt {

namespace {

bool OpenWithDefaultHandler(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(PathToQString(file)));
}

#ifdef Q_OS_WIN
// The shell finds office programs through their registration, which PATH does not hold.
bool ShellStart(const wchar_t* program, const std::filesystem::path& file) {
  // Quoted: temp folders below a user name with blanks are common.
  const std::wstring parameters = L"\"" + file.wstring() + L"\"";
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteW(nullptr, L"open", program, parameters.c_str(), nullptr, SW_SHOWMAXIMIZED));
  return result > 32;
}
#endif

}  // namespace

QStringList CalcCommandLine(const QString& file, const std::function<QString(const QString&)>& findExecutable) {
  const QString soffice = findExecutable(QStringLiteral("soffice"));
  if (!soffice.isEmpty()) return {soffice, QStringLiteral("--calc"), file};
  const QString localc = findExecutable(QStringLiteral("localc"));
  if (!localc.isEmpty()) return {localc, file};
  return {};
}

bool DesktopViewer::OpenPage(const std::filesystem::path& html) { return OpenWithDefaultHandler(html); }

bool DesktopViewer::OpenInExcel(const std::filesystem::path& workbook) {
#ifdef Q_OS_WIN
  return ShellStart(L"excel.exe", workbook);
#else
  return OpenWithDefaultHandler(workbook);
#endif
}

bool DesktopViewer::OpenInCalc(const std::filesystem::path& workbook) {
  const QStringList command = CalcCommandLine(PathToQString(workbook), [](const QString& name) {
    return QStandardPaths::findExecutable(name);
  });
  if (command.isEmpty()) {
#ifdef Q_OS_WIN
    return ShellStart(L"scalc.exe", workbook);
#else
    return false;
#endif
  }
  return QProcess::startDetached(command.front(), command.mid(1));
}

bool DesktopViewer::OpenSite(const QString& url) { return QDesktopServices::openUrl(QUrl(url)); }

}  // namespace orsvelt
