#pragma once
// Recorders for what the window asks of the desktop, and a private settings folder.

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/message_boxes.h"
#include "platform/protocol_viewer.h"
#include "support/test_support.h"

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) { *os << '[' << list.join("|").toStdString() << ']'; }

namespace orsvelt::test {

class MessageRecorder : public MessageBoxes {
 public:
  void Show(MessageKind kind, const QString& text) override {
    kinds.push_back(kind);
    shown.push_back(text);
  }
  // Recorded like Show, with the answers offered; answered with the next of `answers`, -1 when none is left.
  int Choose(MessageKind kind, const QString& text, const QStringList& offered) override {
    Show(kind, text);
    choices.push_back(offered);
    if (answers.empty()) return -1;
    const int answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  std::vector<MessageKind> kinds;
  QStringList shown;
  std::vector<QStringList> choices;
  std::vector<int> answers;
};

// Records each request; answers with `result` (OpenSite: whether it is Started).
class ViewerRecorder : public ProtocolViewer {
 public:
  struct Call {
    std::string viewer;  // "page", "excel", "calc", "site"
    QString target;
  };
  ViewerStart OpenPage(const std::filesystem::path& html) override { return Record("page", html); }
  ViewerStart OpenInExcel(const std::filesystem::path& workbook) override { return Record("excel", workbook); }
  ViewerStart OpenInCalc(const std::filesystem::path& workbook) override { return Record("calc", workbook); }
  bool OpenSite(const QString& url) override {
    calls.push_back({"site", url});
    return result == ViewerStart::Started;
  }

  std::vector<Call> calls;
  ViewerStart result = ViewerStart::Started;

 private:
  ViewerStart Record(const char* viewer, const std::filesystem::path& file);
};

// Points QSettings of this process at a fresh folder for as long as it lives, so that no
// test reads or writes the settings of the user running it.
class SettingsSandbox {
 public:
  SettingsSandbox();
  ~SettingsSandbox();
  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;
};

}  // namespace orsvelt::test
