#pragma once
// The logic of one window (launcher or setting form), driven by the host
// through the user's actions. Each handler tells the host what comes next.

#include <memory>
#include <string>

#include "controls/form_view.h"

namespace quelmo {

class BalloonHint;

// What the host shows after an event. Launcher and forms take turns: a form
// button ends the launcher and opens that form; leaving a form opens a fresh
// launcher; ending a launcher without a form ends the program.
enum class Next {
  kStay,
  kLauncher,
  kCameraForm,
  kMmsForm,
  kSmtpForm,
  kSmsForm,
  kAbout,  // the About window over the launcher, which stays
  kOperatorFinder,  // the "Find operator…" window over a form, which stays
  kClose,  // a window shown over another (About) closes; the one beneath stays
  kQuit,
};

class FormLogic {
 public:
  virtual ~FormLogic() = default;

  // The window exists: set title, texts, lists and states.
  virtual void Open() = 0;
  // A push button, or Enter (kIdOk) and Esc / the close box (kIdCancel).
  virtual Next Clicked(ControlId id) = 0;
  // The user picked a list entry.
  virtual Next SelectionChanged(ControlId id) { (void)id; return Next::kStay; }
  // The user changed an edit's text (after every keystroke).
  virtual Next TextEdited(ControlId id) { (void)id; return Next::kStay; }
  // The user left an edit (Tab, or a click on another control of the window);
  // where a half-typed value may be reported without nagging at every key.
  virtual Next FocusLeft(ControlId id) { (void)id; return Next::kStay; }
  // The balloon hint of a form that owns one, so the host can attach its
  // window and relay input events to it; nullptr for the others.
  virtual BalloonHint* Hint() { return nullptr; }
  // An entry the host offers in the window's system menu (after a separator),
  // chosen as SystemCommand(id); an empty text for none.
  virtual std::string SystemMenuEntry() const { return {}; }
  // A system-menu command; kStay leaves it to the system.
  virtual Next SystemCommand(int id) const { (void)id; return Next::kStay; }
  // The logic of a window this one asked to open over itself (`which`, one
  // of its answers), driving `view`: a window that works on this one's
  // fields. nullptr for a window that needs nothing of it (About).
  virtual std::unique_ptr<FormLogic> MakeWindowOver(Next which, FormView& view) {
    (void)which;
    (void)view;
    return nullptr;
  }
};

}  // namespace quelmo
