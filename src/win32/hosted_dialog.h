#pragma once
// A screen's window in quelmo.exe (screens/screen.h): the Win32 dialog made
// from the screen's template, the view over it, and the balloon tooltip when
// the logic has a hint. It passes the user's actions on to its screen:
//
//   a push button clicked, or Enter          -> Clicked(id)  (Enter: the
//     default or focused button, else kIdOk)
//   Esc or the close box                     -> Clicked(kIdCancel)
//   a list entry picked by the user          -> SelectionChanged(id)
//   an edit's text changed by the user       -> TextEdited(id)
//   the user leaves an edit or list (Tab, a click) -> FocusLeft(id), once
//     the focus has moved
//   the system menu's extra entry            -> SystemCommand(id)

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "session/form_logic.h"
#include "base/result.h"
#include "dialogs/dialog_template.h"
#include "screens/screen.h"
#include "win32/native_dialogs.h"
#include "win32/win32_api.h"

namespace quelmo {

class BalloonTooltip;
class NativeFormView;
class NativeTextFitter;

class HostedDialog final : public ScreenWindow {
 public:
  // Makes the window of `which` (hidden), its texts in `language`, the
  // user's actions in it going to `events`. `owner`: the window it is shown
  // over (the About window over the launcher, the operator finder over a
  // form), which it disables while it is shown.
  static Result<std::unique_ptr<HostedDialog>> Make(Next which, const DialogTemplate& layout,
                                                    int language, NativeDialogs& dialogs,
                                                    ScreenEvents& events, HWND owner = nullptr);
  ~HostedDialog() override;
  HostedDialog(const HostedDialog&) = delete;
  HostedDialog& operator=(const HostedDialog&) = delete;

  Next Which() const { return which_; }
  HWND Window() const { return window_; }
  // The template as the window was made from it: its controls in the order
  // of the window's children, which is the Tab order (InCreationOrder).
  const DialogTemplate& Layout() const { return layout_; }
  BalloonTooltip* Balloon() const { return balloon_.get(); }

  FormView& View() override;
  void AttachHint(BalloonHint& hint) override;
  void Opened(FormLogic& logic) override;
  void ReleaseLogic() override;
  void Show() override;
  // Hides the window and its balloon; a window shown over another gives it
  // back the input and the foreground.
  void Hide() override;

  // A message for this window or one of its controls, before it is
  // dispatched: relayed to the hint, then given to the dialog manager (Tab,
  // Enter, Esc). True when it was handled there.
  bool PreTranslate(MSG& message);

  // Fits the controls' texts now if any changed (native_text_fit.h); the
  // window does so by itself soon after a change.
  void FitTexts();

 private:
  HostedDialog(Next which, DialogTemplate layout, int language, NativeDialogs& dialogs,
               ScreenEvents& events, HWND owner);
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool Command(ControlId id, UINT code);
  void SetIcons();
  void AddSystemMenuEntry();
  void RenameSystemMenuEntry(HMENU menu);
  void TextsChanged(HWND control);
  // After the window moved to a monitor of another DPI: every control back
  // at its template place and in the dialog's font as the system made them
  // anew for that DPI, then fitted again.
  void Rescale();

  Next which_;
  DialogTemplate layout_;
  int language_;
  NativeDialogs& dialogs_;
  ScreenEvents& events_;
  HWND owner_;
  HWND window_ = nullptr;
  std::unique_ptr<NativeTextFitter> fitter_;  // its fonts outlive the window
  bool fit_pending_ = false;
  std::unique_ptr<NativeFormView> view_;
  FormLogic* logic_ = nullptr;  // once opened, until released
  std::unique_ptr<BalloonTooltip> balloon_;
};

// The Win32 host's side of the screens (screens/screen.h): native dialogs
// made from the templates, messages in the system's message box, and ended
// screens kept until the message that ended them has been handled.
class Win32ScreenHost final : public ScreenHost {
 public:
  explicit Win32ScreenHost(NativeDialogs& dialogs) : dialogs_(dialogs) {}
  ~Win32ScreenHost() override;

  // The window of a screen this host made.
  static HostedDialog& WindowOf(Screen& screen);

  Result<std::unique_ptr<ScreenWindow>> MakeWindow(Next which, const DialogTemplate& layout,
                                                    int language, ScreenWindow* over,
                                                    ScreenEvents& events) override;
  void ShowMessage(std::string_view text) override;
  void Retire(std::unique_ptr<Screen> screen) override;
  // Destroys the screens retired so far: no message of theirs is being
  // handled.
  void DropRetired();

 private:
  NativeDialogs& dialogs_;
  std::vector<std::unique_ptr<Screen>> retired_;
};

}  // namespace quelmo
