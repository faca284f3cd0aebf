#pragma once
// The application with the one catch of the Qt host: every event handler and
// every slot run from the event loop runs inside notify(), so an exception
// that escapes one is caught there, logged and told to the user (see
// work/escaped_error.h) instead of unwinding through Qt.

#include <QApplication>

#include "work/escaped_error.h"

namespace quelmo {

class DialogAdapter;
struct AppState;

class GuardedApplication final : public QApplication {
 public:
  GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  // Who tells the user; none: the log alone.
  void SetReporter(EscapeReporter report) { report_ = std::move(report); }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  EscapeReporter report_;
};

// Tells the user through `dialogs`, over the active window, in the language
// of `state` at that moment.
EscapeReporter WarnUser(DialogAdapter& dialogs, const AppState& state);

}  // namespace quelmo
