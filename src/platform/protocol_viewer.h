#pragma once
// What the window asks of the desktop: show a written protocol in the chosen viewer, open the
// program's web page. Tests replace it with a recorder.

#include <filesystem>
#include <functional>

#include <QString>
#include <QStringList>

namespace orsvelt {

class ProtocolViewer {
 public:
  virtual ~ProtocolViewer() = default;
  // Each returns false when the viewer could not be started.
  virtual bool OpenPage(const std::filesystem::path& html) = 0;
  virtual bool OpenInExcel(const std::filesystem::path& workbook) = 0;
  virtual bool OpenInCalc(const std::filesystem::path& workbook) = 0;
  virtual bool OpenSite(const QString& url) = 0;
};

// The desktop's default handlers and the office programs found on this machine.
class DesktopViewer : public ProtocolViewer {
 public:
  bool OpenPage(const std::filesystem::path& html) override;
  bool OpenInExcel(const std::filesystem::path& workbook) override;
  bool OpenInCalc(const std::filesystem::path& workbook) override;
  bool OpenSite(const QString& url) override;
};

// The program and arguments that start the spreadsheet program of LibreOffice on a file:
// "soffice --calc FILE", else "localc FILE". findExecutable returns the full path of a
// program in PATH or an empty text. Empty when neither is installed.
QStringList CalcCommandLine(const QString& file, const std::function<QString(const QString&)>& findExecutable);

}  // namespace orsvelt
