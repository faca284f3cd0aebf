#pragma once
// The turns of the program's windows (screens/screen_stack.h) in a Win32
// message loop: the stack over quelmo.exe's native dialogs.
//
// A window that ends is hidden at once and destroyed once the message that
// ended it has been handled.

#include "session/app_context.h"
#include "base/result.h"
#include "screens/screen_stack.h"
#include "win32/hosted_dialog.h"
#include "win32/native_dialogs.h"

namespace quelmo {

class WindowLoop {
 public:
  // `maker`: the windows' logic; none: the program's own.
  WindowLoop(AppContext& context, NativeDialogs& dialogs, ScreenMaker maker = {});
  ~WindowLoop();
  WindowLoop(const WindowLoop&) = delete;
  WindowLoop& operator=(const WindowLoop&) = delete;

  // Opens the first launcher. When even that cannot be made the loop is over
  // at once, with the reason in Outcome().
  void Start() { stack_.Start(); }
  // Handles messages until the loop is over; its Outcome().
  Status Run();
  // Handles the messages waiting now, without waiting for more.
  void HandlePending();

  bool Running() const { return stack_.Running(); }
  HostedDialog* Current() const { return WindowOf(stack_.Current()); }
  HostedDialog* Over() const { return WindowOf(stack_.Over()); }
  const Status& Outcome() const { return stack_.Outcome(); }

 private:
  static HostedDialog* WindowOf(Screen* screen) {
    return screen != nullptr ? &Win32ScreenHost::WindowOf(*screen) : nullptr;
  }
  void Handle(MSG& message);

  Win32ScreenHost host_;
  ScreenStack stack_;
};

}  // namespace quelmo
