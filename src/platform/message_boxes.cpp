#include "platform/message_boxes.h"

#include <QPushButton>

#include "markup/program_constants.h"
#include "platform/qt_text.h"

namespace orsvelt {

QMessageBox::Icon MessageIcon(MessageKind kind) {
  switch (kind) {
    case MessageKind::Error:
      return QMessageBox::Critical;
    case MessageKind::Warning:
      return QMessageBox::Warning;
    case MessageKind::Information:
      return QMessageBox::Information;
  }
  return QMessageBox::Critical;  // an out-of-range kind is still worth the user's attention
}

void PlainMessageBoxes::Show(MessageKind kind, const QString& text) {
  QMessageBox box(MessageIcon(kind), ToQString(ApplicationTitle), text, QMessageBox::Ok, parent_);
  box.exec();
}

int PlainMessageBoxes::Choose(MessageKind kind, const QString& text, const QStringList& answers) {
  QMessageBox box(MessageIcon(kind), ToQString(ApplicationTitle), text, QMessageBox::NoButton, parent_);
  QList<QAbstractButton*> buttons;
  for (const QString& answer : answers) buttons.push_back(box.addButton(answer, QMessageBox::AcceptRole));
  if (!buttons.isEmpty()) box.setDefaultButton(static_cast<QPushButton*>(buttons.front()));
  box.exec();
  return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

}  // namespace orsvelt
