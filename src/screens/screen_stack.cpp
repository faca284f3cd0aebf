#include "screens/screen_stack.h"

#include "session/turns.h"
#include "controls/form_view.h"

namespace quelmo {

ScreenStack::ScreenStack(ScreenHost& host, ScreenMaker maker, std::function<int()> language)
    : host_(host), maker_(std::move(maker)), language_(std::move(language)) {}

ScreenStack::~ScreenStack() {
  over_.reset();
  current_.reset();
}

void ScreenStack::Start() { Open(Next::kLauncher); }

void ScreenStack::Open(Next which) {
  Result<std::unique_ptr<Screen>> screen = Screen::Make(which, host_, maker_, language_());
  if (!screen) {
    if (which == Next::kLauncher) {
      Finish(screen.status());
      return;
    }
    // A form that cannot be made is reported, and the user is back at a
    // launcher rather than left without a window.
    host_.ShowMessage(screen.message());
    Open(Next::kLauncher);
    return;
  }
  current_ = std::move(screen).value();
  current_->SetOnNext([this](Next next) { OnNext(next); });
  current_->Window().Show();
}

void ScreenStack::OpenOver(Next which) {
  if (over_ != nullptr || current_ == nullptr) return;
  Result<std::unique_ptr<Screen>> screen =
      Screen::Make(which, host_, maker_, language_(), current_.get());
  if (!screen) {
    current_->Window().View().ShowMessage(screen.message(), MessageIcon::kWarning);
    return;
  }
  over_ = std::move(screen).value();
  over_->SetOnNext([this](Next next) { OnNextOver(next); });
  over_->Window().Show();
}

void ScreenStack::OnNext(Next next) {
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

void ScreenStack::OnNextOver(Next next) {
  if (EndsWindowOver(next)) Retire(std::move(over_));
}

void ScreenStack::Retire(std::unique_ptr<Screen> screen) {
  if (screen == nullptr) return;
  screen->Window().Hide();
  host_.Retire(std::move(screen));
}

void ScreenStack::Finish(Status outcome) {
  Retire(std::move(over_));
  Retire(std::move(current_));
  outcome_ = std::move(outcome);
  if (on_finished_) on_finished_();
}

}  // namespace quelmo
