#include "win32/window_loop.h"

#include "session/turns.h"

namespace quelmo {

WindowLoop::WindowLoop(AppContext& context, NativeDialogs& dialogs)
    : context_(context), dialogs_(dialogs) {}

WindowLoop::~WindowLoop() {
  over_.reset();
  current_.reset();
  retired_.clear();
}

void WindowLoop::Start() { Open(Next::kLauncher); }

Status WindowLoop::Run() {
  MSG message{};
  while (Running()) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      // WM_QUIT from elsewhere (a shutdown) ends the program as a close would.
      Finish(Status::Ok());
      break;
    }
    Handle(message);
  }
  retired_.clear();
  return outcome_;
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
  retired_.clear();
}

void WindowLoop::Handle(MSG& message) {
  // The About window is modal: it gets its keys, the launcher gets none.
  HostedDialog* target = over_ != nullptr ? over_.get() : current_.get();
  if (target == nullptr || !target->PreTranslate(message)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  retired_.clear();
}

void WindowLoop::Open(Next which) {
  Result<std::unique_ptr<HostedDialog>> dialog = HostedDialog::Make(which, context_, dialogs_);
  if (!dialog) {
    if (which == Next::kLauncher) {
      Finish(dialog.status());
      return;
    }
    // A form that cannot be made is reported, and the user is back at a
    // launcher rather than left without a window.
    dialogs_.ShowMessage(nullptr, dialog.message(), MessageIcon::kWarning);
    Open(Next::kLauncher);
    return;
  }
  current_ = std::move(dialog).value();
  current_->SetOnNext([this](Next next) { OnNext(next); });
  current_->Show();
}

void WindowLoop::OpenOver(Next which) {
  if (over_ != nullptr || current_ == nullptr) return;
  HWND beneath = current_->Window();
  Result<std::unique_ptr<HostedDialog>> dialog = HostedDialog::Make(which, context_, dialogs_, beneath, current_.get());
  if (!dialog) {
    dialogs_.ShowMessage(beneath, dialog.message(), MessageIcon::kWarning);
    return;
  }
  over_ = std::move(dialog).value();
  over_->SetOnNext([this](Next next) { OnNextOver(next); });
  EnableWindow(beneath, FALSE);
  over_->Show();
}

void WindowLoop::OnNext(Next next) {
  switch (TurnAfter(next)) {
    case Turn::kStay:
      return;
    case Turn::kOpenOver:
      OpenOver(next);
      return;
    case Turn::kReplace:
      Retire(std::move(over_));
      Retire(std::move(current_));
      Open(next);
      return;
    case Turn::kFinish:
      Finish(Status::Ok());
      return;
  }
}

void WindowLoop::OnNextOver(Next next) {
  if (!EndsWindowOver(next)) return;
  if (current_ != nullptr) EnableWindow(current_->Window(), TRUE);
  Retire(std::move(over_));
  if (current_ != nullptr) SetForegroundWindow(current_->Window());
}

void WindowLoop::Retire(std::unique_ptr<HostedDialog> dialog) {
  if (dialog == nullptr) return;
  dialog->Hide();
  // It may be in the middle of handling the message that ended it.
  retired_.push_back(std::move(dialog));
}

void WindowLoop::Finish(Status outcome) {
  if (over_ != nullptr && current_ != nullptr) EnableWindow(current_->Window(), TRUE);
  Retire(std::move(over_));
  Retire(std::move(current_));
  outcome_ = std::move(outcome);
}

}  // namespace quelmo
