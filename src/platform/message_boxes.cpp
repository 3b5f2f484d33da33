#include "platform/message_boxes.h"

#include <QMessageBox>

#include "markup/program_constants.h"
#include "platform/qt_text.h"

namespace orsvelt {

void PlainMessageBoxes::Show(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(ApplicationTitle), text, QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace orsvelt
