#include "qt/guarded_application.h"

#include <QString>

#include "qt/dialog_adapter.h"
#include "session/app_state.h"

namespace quelmo {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportEscaped("an event handler", std::current_exception(), report_);
    // Its handler ran, and failed: the event goes no further.
    return true;
  }
}

EscapeReporter WarnUser(DialogAdapter& dialogs, const AppState& state) {
  return [&dialogs, &state](std::string_view what) {
    const std::string text = EscapedErrorMessage(what, state.languageIndex);
    dialogs.ShowMessage(QApplication::activeWindow(), QString::fromStdString(text),
                        MessageIcon::kWarning);
  };
}

}  // namespace quelmo
