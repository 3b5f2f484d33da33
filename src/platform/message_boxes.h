#pragma once
// Where the window's messages go: plain message boxes in the program, a recorder in tests.

#include <QString>

class QWidget;

namespace orsvelt {

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(const QString& text) = 0;
};

// A modal box without icon, captioned with the application title.
class PlainMessageBoxes : public MessageBoxes {
 public:
  explicit PlainMessageBoxes(QWidget* parent = nullptr) : parent_(parent) {}
  void Show(const QString& text) override;

 private:
  QWidget* parent_;
};

}  // namespace orsvelt
