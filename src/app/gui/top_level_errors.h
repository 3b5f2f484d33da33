#pragma once
// The one place where errors that nothing else handled are shown to the user; the window
// stays usable afterwards.

#include <exception>

#include <QApplication>

namespace orsvelt {

class MessageBoxes;

// Where ReportUnhandledError shows its messages; null restores the plain message boxes.
void SetUnhandledErrorMessages(MessageBoxes* messages);

// Shows the error's message (or a general text for an unknown error).
void ReportUnhandledError(const std::exception* error);

// Runs work, sending whatever it throws to ReportUnhandledError. False when it threw.
template <class Work>
bool RunGuarded(Work&& work) {
  try {
    work();
    return true;
  } catch (const std::exception& e) {
    ReportUnhandledError(&e);
  } catch (...) {
    ReportUnhandledError(nullptr);
  }
  return false;
}

// Catches what an event handler throws before it unwinds into the event loop.
class OrsveltApplication : public QApplication {
 public:
  OrsveltApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace orsvelt
