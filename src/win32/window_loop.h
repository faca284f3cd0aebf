#pragma once
// The turns of the program's windows, one visible at a time: it starts with
// a launcher; a form button ends the launcher and opens that form; leaving a
// form opens a fresh launcher; the About window opens modally over the
// launcher, which stays. The loop is over when a launcher ends without a form
// (or a form ends the program).
//
// A window that ends is hidden at once and destroyed once the message that
// ended it has been handled.

#include <memory>
#include <vector>

#include "base/result.h"
#include "session/app_context.h"
#include "session/form_logic.h"
#include "win32/hosted_dialog.h"
#include "win32/native_dialogs.h"

namespace quelmo {

class WindowLoop {
 public:
  WindowLoop(AppContext& context, NativeDialogs& dialogs);
  ~WindowLoop();
  WindowLoop(const WindowLoop&) = delete;
  WindowLoop& operator=(const WindowLoop&) = delete;

  // Opens the first launcher. When even that cannot be made the loop is over
  // at once, with the reason in Outcome().
  void Start();
  // Handles messages until the loop is over; its Outcome().
  Status Run();
  // Handles the messages waiting now, without waiting for more.
  void HandlePending();

  bool Running() const { return current_ != nullptr; }
  HostedDialog* Current() const { return current_.get(); }
  HostedDialog* Over() const { return over_.get(); }
  const Status& Outcome() const { return outcome_; }

 private:
  void Handle(MSG& message);
  void Open(Next which);
  void OpenOver(Next which);
  void OnNext(Next next);
  void OnNextOver(Next next);
  void Retire(std::unique_ptr<HostedDialog> dialog);
  void Finish(Status outcome);

  AppContext& context_;
  NativeDialogs& dialogs_;
  std::unique_ptr<HostedDialog> current_;
  std::unique_ptr<HostedDialog> over_;
  std::vector<std::unique_ptr<HostedDialog>> retired_;
  Status outcome_;
};

}  // namespace quelmo
