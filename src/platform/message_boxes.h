#pragma once
// Where the window's messages go: message boxes in the program, a recorder in tests.

#include <QMessageBox>
#include <QString>

class QWidget;

namespace orsvelt {

// What a message tells the user; it chooses the box's icon.
enum class MessageKind {
  Error,        // the asked-for work was not done
  Warning,      // done, but not all of it as asked
  Information,  // nothing went wrong
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(MessageKind kind, const QString& text) = 0;
};

// The platform's icon for a kind of message.
QMessageBox::Icon MessageIcon(MessageKind kind);

// A modal box with the platform's icon for the kind, captioned with the application title.
class PlainMessageBoxes : public MessageBoxes {
 public:
  explicit PlainMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void Show(MessageKind kind, const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace orsvelt
