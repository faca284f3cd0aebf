#include "win32/program.h"

#include <ole2.h>

#include <cstdio>

#include "app/program_session.h"
#include "app/system_preferences.h"
#include "platform/platform.h"
#include "text/utf16.h"
#include "win32/native_dialogs.h"
#include "win32/screenshots.h"
#include "win32/thread_runner.h"
#include "win32/window_loop.h"
#include "work/escaped_error.h"

namespace quelmo {
namespace {

int Report(const Status& status, bool show) {
  if (status.ok()) return 0;
  std::fprintf(stderr, "quelmo: %s\n", status.message().c_str());
  // A program started from its icon has no error stream anyone reads.
  if (show) SystemDialogs().ShowMessage(nullptr, status.message(), MessageIcon::kWarning);
  return 1;
}

int RunScreenshots(const CommandLine& line) {
  // Rendering must leave the stored preferences exactly as they were.
  ProgramSession session(ReadOnlyPreferences(SystemPreferenceBackend()), SystemDefaultLanguageId(),
                         line.language);
  return Report(RenderScreenshots(session.Context(), *line.screenshotFolder), false);
}

int RunWindows() {
  ProgramSession session(SystemPreferenceBackend(), SystemDefaultLanguageId());
  SystemDialogs dialogs;
  const AppState& state = session.Context().state;
  // Before the windows, so that it goes after them: their forms cancel
  // their work, then it joins its threads.
  Win32ThreadRunner background([&dialogs, &state](std::string_view what) {
    dialogs.ShowMessage(GetActiveWindow(), EscapedErrorMessage(what, state.languageIndex),
                        MessageIcon::kWarning);
  });
  session.Context().background = &background;
  WindowLoop loop(session.Context(), dialogs);
  loop.Start();
  return Report(loop.Run(), true);
}

}  // namespace

int RunProgram(const CommandLine& line) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  // The folder browser's new style needs COM in a single-threaded apartment.
  const HRESULT com = OleInitialize(nullptr);
  const int code = line.screenshotFolder ? RunScreenshots(line) : RunWindows();
  if (SUCCEEDED(com)) OleUninitialize();
  return code;
}

}  // namespace quelmo
