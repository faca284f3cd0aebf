// A form's balloon hint as the system's tooltip: a click on a field with a
// hint shows it where the core's BalloonHint says, a key hides it.

#include "win32/balloon_tooltip.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "app/launcher.h"
#include "mms/mms_controls.h"
#include "platform/file_system.h"
#include "recording_dialogs.h"
#include "session/app_context.h"
#include "support/fake_preference_backend.h"
#include "win32/window_loop.h"

namespace quelmo {
namespace {

// Handles the loop's messages until `done` holds or two seconds have passed.
bool HandleUntil(WindowLoop& loop, const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!done() && std::chrono::steady_clock::now() < deadline) {
    loop.HandlePending();
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return done();
}

TEST(BalloonTooltip, AClickOnAHintedFieldShowsItAndAKeyHidesIt) {
  FakePreferenceBackend backend;
  PreferenceStore store(backend, 0x0409);
  AppState state;
  AppContext context{state, store, SystemFileSystem(), SystemLocalClock(), "C:\\"};
  RecordingDialogs dialogs;
  WindowLoop loop(context, dialogs);
  loop.Start();
  SendMessageW(GetDlgItem(loop.Current()->Window(), kLauncherMmsButton), BM_CLICK, 0, 0);
  loop.HandlePending();
  ASSERT_EQ(loop.Current()->Which(), Next::kMmsForm);
  const HostedDialog& form = *loop.Current();
  ASSERT_NE(form.Balloon(), nullptr);
  HWND tooltip = form.Balloon()->Tooltip();
  ASSERT_NE(tooltip, nullptr);
  SetForegroundWindow(form.Window());

  // The mouse over the phone field, pressed there.
  HWND phone = GetDlgItem(form.Window(), kMmsPhoneEdit);
  RECT place{};
  GetWindowRect(phone, &place);
  SetCursorPos(place.left + 4, place.top + 4);
  PostMessageW(phone, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(phone, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  ASSERT_TRUE(HandleUntil(loop, [&] { return IsWindowVisible(tooltip) != FALSE; }));
  wchar_t text[256] = {};
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.hwnd = form.Window();
  tool.uId = 1;
  tool.lpszText = text;
  SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
  EXPECT_GT(wcslen(text), 1u);

  PostMessageW(GetFocus(), WM_KEYDOWN, VK_SHIFT, 1);
  EXPECT_TRUE(HandleUntil(loop, [&] { return IsWindowVisible(tooltip) == FALSE; }));
}

}  // namespace
}  // namespace quelmo
