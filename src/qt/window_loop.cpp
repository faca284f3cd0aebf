#include "qt/window_loop.h"

#include <QString>

#include "qt/dialog_adapter.h"
#include "qt/dialog_window.h"
#include "qt/hosted_screen.h"
#include "session/turns.h"

namespace quelmo {

WindowLoop::WindowLoop(AppContext& context, DialogAdapter& dialogs)
    : context_(context), dialogs_(dialogs) {}

WindowLoop::~WindowLoop() {
  over_.reset();
  current_.reset();
}

void WindowLoop::Start() { Open(Next::kLauncher); }

void WindowLoop::Open(Next which) {
  translations_.Use(context_.state.languageIndex);
  Result<std::unique_ptr<HostedScreen>> screen = HostedScreen::Make(which, context_, dialogs_);
  if (!screen) {
    if (which == Next::kLauncher) {
      Finish(screen.status());
      return;
    }
    // A form that cannot be built is reported, and the user is back at a
    // launcher rather than left without a window.
    dialogs_.ShowMessage(nullptr, QString::fromStdString(screen.message()), MessageIcon::kWarning);
    Open(Next::kLauncher);
    return;
  }
  current_ = std::move(screen).value();
  current_->SetOnNext([this](Next next) { OnNext(next); });
  current_->Window().show();
}

void WindowLoop::OpenOver(Next which) {
  if (over_ != nullptr) return;
  translations_.Use(context_.state.languageIndex);
  Result<std::unique_ptr<HostedScreen>> screen =
      HostedScreen::Make(which, context_, dialogs_, &current_->Window(), current_.get());
  if (!screen) {
    dialogs_.ShowMessage(&current_->Window(), QString::fromStdString(screen.message()),
                         MessageIcon::kWarning);
    return;
  }
  over_ = std::move(screen).value();
  over_->SetOnNext([this](Next next) { OnNextOver(next); });
  over_->Window().show();
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
  if (EndsWindowOver(next)) Retire(std::move(over_));
}

void WindowLoop::Retire(std::unique_ptr<HostedScreen> screen) {
  if (screen == nullptr) return;
  screen->Hide();
  // The screen may be in the middle of handling the event that ended it.
  screen.release()->deleteLater();
}

void WindowLoop::Finish(Status outcome) {
  Retire(std::move(over_));
  Retire(std::move(current_));
  outcome_ = std::move(outcome);
  emit finished();
}

}  // namespace quelmo
