// The window's message boxes carry the platform's icon for what they tell.

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "markup/program_constants.h"
#include "platform/message_boxes.h"
#include "platform/qt_text.h"

namespace orsvelt {
namespace {

struct SeenBox {
  bool found = false;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QString title, text;
};

// Shows the message in a real box, reads the box as the user sees it and closes it.
SeenBox ShowAndRead(MessageKind kind, const QString& text) {
  SeenBox seen;
  QTimer::singleShot(0, [&seen] {
    QMessageBox* box = nullptr;
    for (int i = 0; i < 200 && !box; ++i) {
      box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) QTest::qWait(10);
    }
    if (!box) return;
    seen = {true, box->icon(), box->windowTitle(), box->text()};
    box->accept();
  });
  PlainMessageBoxes().Show(kind, text);
  return seen;
}

TEST(PlainMessageBoxes, ShowTheIconOfTheirKind) {
  struct Case {
    MessageKind kind;
    QMessageBox::Icon icon;
  };
  for (const Case c : {Case{MessageKind::Error, QMessageBox::Critical}, Case{MessageKind::Warning, QMessageBox::Warning},
                       Case{MessageKind::Information, QMessageBox::Information}}) {
    const SeenBox seen = ShowAndRead(c.kind, "Выбранный файл отсутствует на диске.");
    ASSERT_TRUE(seen.found) << static_cast<int>(c.kind);
    EXPECT_EQ(seen.icon, c.icon) << static_cast<int>(c.kind);
    EXPECT_EQ(seen.title, ToQString(ApplicationTitle));
    EXPECT_EQ(seen.text, "Выбранный файл отсутствует на диске.");
  }
  EXPECT_EQ(MessageIcon(static_cast<MessageKind>(42)), QMessageBox::Critical);
}

}  // namespace
}  // namespace orsvelt
