#include "app/gui/top_level_errors.h"

#include <new>

#include "platform/message_boxes.h"
#include "platform/qt_text.h"

namespace orsvelt {

namespace {

MessageBoxes* g_messages = nullptr;

}  // namespace

void SetUnhandledErrorMessages(MessageBoxes* messages) { g_messages = messages; }

void ReportUnhandledError(const std::exception* error) {
  QString text;
  if (dynamic_cast<const std::bad_alloc*>(error))
    text = QStringLiteral("Недостаточно памяти для выполнения операции.");
  else if (error)
    text = ToQString(error->what());
  if (text.isEmpty()) text = QStringLiteral("Произошла непредвиденная ошибка.");
  if (g_messages) {
    g_messages->Show(MessageKind::Error, text);
    return;
  }
  PlainMessageBoxes(QApplication::activeWindow()).Show(MessageKind::Error, text);
}

OrsveltApplication::OrsveltApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool OrsveltApplication::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  RunGuarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

}  // namespace orsvelt
