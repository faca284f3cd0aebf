#include "win32/window_loop.h"

namespace quelmo {

WindowLoop::WindowLoop(AppContext& context, NativeDialogs& dialogs, ScreenMaker maker)
    : host_(dialogs),
      stack_(host_, maker ? std::move(maker) : ProgramScreens(context),
             [&context] { return context.state.languageIndex; }) {}

WindowLoop::~WindowLoop() = default;

Status WindowLoop::Run() {
  MSG message{};
  while (Running()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // WM_QUIT from elsewhere (a shutdown) ends the program as a close would.
      stack_.Finish(Status::Ok());
      break;
    }
    Handle(message);
  }
  host_.DropRetired();
  return Outcome();
}

void WindowLoop::HandlePending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    Handle(message);
  }
  host_.DropRetired();
}

void WindowLoop::Handle(MSG& message) {
  // A window shown over another is modal: it gets its keys, the one beneath
  // gets none.
  HostedDialog* target = WindowOf(stack_.Front());
  if (target == nullptr || !target->PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  host_.DropRetired();
}

}  // namespace quelmo
