#pragma once
// One window of the program at work: the Win32 dialog made from the screen's
// template, the view over it, the screen's logic, and the balloon tooltip
// when the logic has a hint. It passes the user's actions to the logic and
// hands on whatever the logic says comes next.
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

#include "base/result.h"
#include "dialogs/dialog_template.h"
#include "session/app_context.h"
#include "session/form_logic.h"
#include "win32/native_dialogs.h"
#include "win32/win32_api.h"

namespace quelmo {

class BalloonTooltip;
class NativeFormView;
class NativeTextFitter;

class HostedDialog {
 public:
  // Makes the window of `which` (hidden) and opens its logic. `owner`: the
  // window it is shown over (the About window over the launcher, the operator
  // finder over a form), and `beneath` that window's dialog, whose logic may
  // make this one's.
  static Result<std::unique_ptr<HostedDialog>> Make(Next which, AppContext& context,
                                                    NativeDialogs& dialogs, HWND owner = nullptr,
                                                    HostedDialog* beneath = nullptr);
  ~HostedDialog();
  HostedDialog(const HostedDialog&) = delete;
  HostedDialog& operator=(const HostedDialog&) = delete;

  Next Which() const { return which_; }
  HWND Window() const { return window_; }
  // The template as the window was made from it: its controls in the order
  // of the window's children, which is the Tab order (InCreationOrder).
  const DialogTemplate& Layout() const { return layout_; }
  BalloonTooltip* Balloon() const { return balloon_.get(); }

  void Show();
  // Hides the window and its balloon.
  void Hide();

  // A message for this window or one of its controls, before it is
  // dispatched: relayed to the hint, then given to the dialog manager (Tab,
  // Enter, Esc). True when it was handled there.
  bool PreTranslate(MSG& message);

  // Called with every answer of the logic other than kStay. After an answer
  // that ends the window (anything but opening a window over it), the window takes no more
  // actions.
  void SetOnNext(std::function<void(Next)> on_next) { on_next_ = std::move(on_next); }

  // Fits the controls' texts now if any changed (native_text_fit.h); the
  // window does so by itself soon after a change.
  void FitTexts();

 private:
  HostedDialog(Next which, DialogTemplate layout, NativeDialogs& dialogs);
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  bool Handle(UINT message, WPARAM wparam, LPARAM lparam);
  bool Command(ControlId id, UINT code);
  void SetIcons();
  void AddSystemMenuEntry();
  void RenameSystemMenuEntry(HMENU menu);
  void AttachHint();
  void Apply(Next next);
  void TextsChanged(HWND control);
  // After the window moved to a monitor of another DPI: every control back
  // at its template place and in the dialog's font as the system made them
  // anew for that DPI, then fitted again.
  void Rescale();

  Next which_;
  DialogTemplate layout_;
  NativeDialogs& dialogs_;
  HWND window_ = nullptr;
  std::unique_ptr<NativeTextFitter> fitter_;  // its fonts outlive the window
  bool fit_pending_ = false;
  std::unique_ptr<NativeFormView> view_;
  std::unique_ptr<FormLogic> logic_;
  std::unique_ptr<BalloonTooltip> balloon_;
  std::function<void(Next)> on_next_;
  bool ended_ = false;
};

}  // namespace quelmo
