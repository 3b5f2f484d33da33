#pragma once
// What the window asks of the desktop: show a written protocol in the chosen viewer, open the
// program's web page. Tests replace it with a recorder.

#include <filesystem>
#include <functional>

#include <QString>
#include <QStringList>

namespace orsvelt {

// How an attempt to show a protocol ended.
enum class ViewerStart {
  Started,
  NotInstalled,  // no program of the kind asked for on this machine
  Failed,        // the program is there but did not start
};

class ProtocolViewer {
 public:
  virtual ~ProtocolViewer() = default;
  virtual ViewerStart OpenPage(const std::filesystem::path& html) = 0;
  virtual ViewerStart OpenInExcel(const std::filesystem::path& workbook) = 0;
  virtual ViewerStart OpenInCalc(const std::filesystem::path& workbook) = 0;
  // False when the browser could not be started.
  virtual bool OpenSite(const QString& url) = 0;
};

// What DesktopViewer asks of this machine; tests answer with fakes and start nothing.
struct DesktopLookup {
  // The desktop file id ("x.desktop") of the default application for a MIME type, "" when none.
  std::function<QString(const QString& mimeType)> defaultApplication;
  // The text of the installed desktop file with that id, "" when there is none.
  std::function<QString(const QString& desktopId)> desktopEntry;
  // The full path of a program in PATH, "" when it is not installed.
  std::function<QString(const QString& name)> findExecutable;
  // Starts the program (the first item) with the arguments, detached; false when it did not start.
  std::function<bool(const QStringList& command)> launch;
};

// The answers of this machine: xdg-mime, the installed desktop files, PATH, QProcess.
DesktopLookup SystemDesktop();

// The desktop's default handlers and the office programs found on this machine.
class DesktopViewer : public ProtocolViewer {
 public:
  explicit DesktopViewer(DesktopLookup desktop = SystemDesktop()) : desktop_(std::move(desktop)) {}
  ViewerStart OpenPage(const std::filesystem::path& html) override;
  ViewerStart OpenInExcel(const std::filesystem::path& workbook) override;
  ViewerStart OpenInCalc(const std::filesystem::path& workbook) override;
  bool OpenSite(const QString& url) override;

 private:
  ViewerStart Launch(const QStringList& command);

  DesktopLookup desktop_;
};

// The program and arguments that start the spreadsheet program of LibreOffice on a file:
// "soffice --calc FILE", else "libreoffice --calc FILE", else "localc FILE". findExecutable
// returns the full path of a program in PATH or an empty text. Empty when none is installed.
QStringList CalcCommandLine(const QString& file, const std::function<QString(const QString&)>& findExecutable);

// The command that opens a workbook where Excel is not: the desktop's default application for
// Excel or spreadsheet files, else LibreOffice Calc. Never the handler of ".xml" files, which
// is a browser or an editor showing the markup. Empty when the desktop has no spreadsheet program.
QStringList SpreadsheetCommandLine(const QString& file, const DesktopLookup& desktop);

}  // namespace orsvelt
