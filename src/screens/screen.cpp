#include "screens/screen.h"

#include <string>

#include "session/turns.h"
#include "screens/screens.h"

namespace quelmo {

ScreenMaker ProgramScreens(AppContext& context) {
  return [&context](Next which, FormView& view, FormLogic* beneath) {
    return beneath != nullptr ? MakeScreenOver(which, view, context, *beneath)
                              : MakeScreen(which, view, context);
  };
}

Result<std::unique_ptr<Screen>> Screen::Make(Next which, ScreenHost& host, const ScreenMaker& maker,
                                             int language, Screen* beneath) {
  const int resource = DialogResourceOf(which);
  if (resource == 0) {
    return Error{ErrorCode::kInvalidArgument, "this step of the program has no window"};
  }
  Result<DialogTemplate> layout = LoadDialogTemplate(resource);
  if (!layout) return layout.error();

  std::unique_ptr<Screen> screen(new Screen(which));
  Result<std::unique_ptr<ScreenWindow>> window =
      host.MakeWindow(which, *layout, language, beneath != nullptr ? beneath->window_.get() : nullptr,
                      *screen);
  if (!window) return window.error();
  screen->window_ = std::move(window).value();
  screen->logic_ = maker(which, screen->window_->View(),
                         beneath != nullptr ? beneath->logic_.get() : nullptr);
  if (screen->logic_ == nullptr) {
    return Error{ErrorCode::kUnavailable,
                 "dialog resource " + std::to_string(resource) + " has no logic in this build"};
  }
  // A hint made with the logic gets its balloon before the logic opens; one
  // made while opening gets it right after.
  BalloonHint* hint = screen->logic_->Hint();
  if (hint != nullptr) screen->window_->AttachHint(*hint);
  screen->logic_->Open();
  if (hint == nullptr && (hint = screen->logic_->Hint()) != nullptr) {
    screen->window_->AttachHint(*hint);
  }
  screen->window_->Opened(*screen->logic_);
  return screen;
}

Screen::~Screen() {
  // The window's balloon holds the hint, which the logic owns; the logic
  // drives the window's view.
  if (window_ != nullptr) window_->ReleaseLogic();
  logic_.reset();
  window_.reset();
}

void Screen::Clicked(ControlId id) {
  if (!ended_ && logic_ != nullptr) Apply(logic_->Clicked(id));
}

void Screen::SelectionChanged(ControlId id) {
  if (!ended_ && logic_ != nullptr) Apply(logic_->SelectionChanged(id));
}

void Screen::TextEdited(ControlId id) {
  if (!ended_ && logic_ != nullptr) Apply(logic_->TextEdited(id));
}

void Screen::FocusLeft(ControlId id) {
  if (!ended_ && logic_ != nullptr) Apply(logic_->FocusLeft(id));
}

bool Screen::SystemCommand(int id) {
  if (ended_ || logic_ == nullptr) return false;
  const Next next = logic_->SystemCommand(id);
  if (next == Next::kStay) return false;
  Apply(next);
  return true;
}

void Screen::Apply(Next next) {
  if (next == Next::kStay) return;
  if (TurnAfter(next) != Turn::kOpenOver) ended_ = true;
  if (on_next_) on_next_(next);
}

}  // namespace quelmo
