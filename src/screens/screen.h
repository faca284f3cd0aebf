#pragma once
// One window of the program at work, for any host: the host's window built
// from the screen's dialog template, the screen's logic driving that
// window's view, and the way between them: the user's actions go to the
// logic, and whatever the logic answers goes on to whoever holds the screen.
//
// A host supplies only its widgets (ScreenHost, ScreenWindow); how a screen
// is put together, and in what order, is decided here once.

#include <functional>
#include <memory>
#include <string_view>

#include "session/app_context.h"
#include "session/form_logic.h"
#include "base/result.h"
#include "dialogs/dialog_template.h"

namespace quelmo {

class BalloonHint;

// The user's actions in a screen's window, as the host's window passes them
// on; what the logic answers is the screen's business.
class ScreenEvents {
 public:
  virtual ~ScreenEvents() = default;
  virtual void Clicked(ControlId id) = 0;
  virtual void SelectionChanged(ControlId id) = 0;
  virtual void TextEdited(ControlId id) = 0;
  virtual void FocusLeft(ControlId id) = 0;
  // The system menu's extra entry; false when the logic leaves the command
  // to the system.
  virtual bool SystemCommand(int id) = 0;
};

// A host's window for one screen.
class ScreenWindow {
 public:
  virtual ~ScreenWindow() = default;
  // The view the screen's logic drives. It lives as long as the window.
  virtual FormView& View() = 0;
  // The logic's balloon hint, once the logic has one (before it opens, or
  // else right after): the window shows it and relays input to it.
  virtual void AttachHint(BalloonHint& hint) = 0;
  // The logic has opened: what the window offers besides the view (the
  // system menu's entry) may now be asked of it.
  virtual void Opened(FormLogic& logic) = 0;
  // The logic goes next: let go of everything of it (the hint's balloon).
  virtual void ReleaseLogic() = 0;
  virtual void Show() = 0;
  // Hides the window and whatever belongs to it: its screen has ended, or
  // is put aside.
  virtual void Hide() = 0;
};

class Screen;

// What a host does for the screens: make their windows, tell the user what
// no window can, and let ended screens go when it is safe.
class ScreenHost {
 public:
  virtual ~ScreenHost() = default;
  // The window of `which`, built from `layout` and not yet shown, its texts
  // in `language`; the user's actions in it go to `events`. `over`: the
  // window it is shown over, modally (null for a launcher or a form).
  virtual Result<std::unique_ptr<ScreenWindow>> MakeWindow(Next which, const DialogTemplate& layout,
                                                            int language, ScreenWindow* over,
                                                            ScreenEvents& events) = 0;
  // A warning with no window beneath it.
  virtual void ShowMessage(std::string_view text) = 0;
  // A screen that ended, already hidden. It may be in the middle of handling
  // the action that ended it: the host destroys it once that is over.
  virtual void Retire(std::unique_ptr<Screen> screen) = 0;
};

// Makes the logic of a window, driving `view`; `beneath`: the logic of the
// window it opens over, or null.
using ScreenMaker =
    std::function<std::unique_ptr<FormLogic>(Next which, FormView& view, FormLogic* beneath)>;

// The program's windows (screens.h) with `context`.
ScreenMaker ProgramScreens(AppContext& context);

class Screen final : public ScreenEvents {
 public:
  // The screen `which` with its window made by `host` and its logic by
  // `maker`, opened; over `beneath` when given. Not yet shown.
  static Result<std::unique_ptr<Screen>> Make(Next which, ScreenHost& host, const ScreenMaker& maker,
                                              int language, Screen* beneath = nullptr);
  ~Screen() override;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  Next Which() const { return which_; }
  ScreenWindow& Window() { return *window_; }
  FormLogic& Logic() { return *logic_; }
  // After an answer that ends the window (anything but opening a window
  // over it), the window takes no more actions.
  bool Ended() const { return ended_; }

  // Called with every answer of the logic other than kStay.
  void SetOnNext(std::function<void(Next)> on_next) { on_next_ = std::move(on_next); }

  void Clicked(ControlId id) override;
  void SelectionChanged(ControlId id) override;
  void TextEdited(ControlId id) override;
  void FocusLeft(ControlId id) override;
  bool SystemCommand(int id) override;

 private:
  explicit Screen(Next which) : which_(which) {}
  void Apply(Next next);

  Next which_;
  std::unique_ptr<ScreenWindow> window_;
  std::unique_ptr<FormLogic> logic_;  // drives the window's view: goes first
  std::function<void(Next)> on_next_;
  bool ended_ = false;
};

}  // namespace quelmo
