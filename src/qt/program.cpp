#include "qt/program.h"

#include <QApplication>

#include <cstdio>

#include "app/system_preferences.h"
#include "platform/platform.h"
#include "qt/app_look.h"
#include "qt/command_line.h"
#include "qt/dialog_adapter.h"
#include "qt/guarded_application.h"
#include "app/program_session.h"
#include "qt/thread_runner.h"
#include "qt/screenshots.h"
#include "qt/window_loop.h"

namespace quelmo {
namespace {

int Report(const Status& status) {
  if (status.ok()) return 0;
  std::fprintf(stderr, "quelmo: %s\n", status.message().c_str());
  return 1;
}

int RunScreenshots(const CommandLine& line) {
  // Rendering must leave the stored preferences exactly as they were.
  ProgramSession session(ReadOnlyPreferences(SystemPreferenceBackend()), SystemDefaultLanguageId(),
                         line.language);
  return Report(
      RenderScreenshots(session.Context(), QString::fromStdString(*line.screenshotFolder)));
}

int RunWindows(GuardedApplication& app) {
  ProgramSession session(SystemPreferenceBackend(), SystemDefaultLanguageId());
  QtDialogAdapter dialogs;
  const EscapeReporter warn = WarnUser(dialogs, session.Context().state);
  app.SetReporter(warn);
  // Before the windows, so that it goes after them: their forms cancel
  // their work, then it joins its threads.
  ThreadRunner background(warn);
  session.Context().background = &background;
  WindowLoop loop(session.Context(), dialogs);
  // Windows are hidden, never closed, between turns; the loop says when the
  // program is over.
  app.setQuitOnLastWindowClosed(false);
  QObject::connect(&loop, &WindowLoop::finished, &app, [&app] { app.exit(0); },
                   Qt::QueuedConnection);
  loop.Start();
  if (loop.Running()) app.exec();
  // Windows retired in the last turn go now, while the application exists.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  app.SetReporter({});
  return Report(loop.Outcome());
}

}  // namespace

int RunProgram(GuardedApplication& app, const CommandLine& line) {
  ApplyAppLook(app);
  if (line.screenshotFolder) return RunScreenshots(line);
  return RunWindows(app);
}

}  // namespace quelmo
