#pragma once
// Where the window's messages go: message boxes in the program, a recorder in tests.

#include <QMessageBox>
#include <QString>
#include <QStringList>

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
  // Asks the user to pick one of the answers, the first being the default; the index of the
  // one picked, or -1 when the box was closed without an answer.
  virtual int Choose(MessageKind kind, const QString& text, const QStringList& answers) = 0;
};

// The platform's icon for a kind of message.
QMessageBox::Icon MessageIcon(MessageKind kind);

// A modal box with the platform's icon for the kind, captioned with the application title.
class PlainMessageBoxes : public MessageBoxes {
 public:
  explicit PlainMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void Show(MessageKind kind, const QString& text) override;
  int Choose(MessageKind kind, const QString& text, const QStringList& answers) override;

 private:
  QWidget* parent_;
};

}  // namespace orsvelt
