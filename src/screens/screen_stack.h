#pragma once
// The turns of the program's windows, for any host, one in front at a time:
// it starts with a launcher; a form button ends the launcher and opens that
// form; leaving a form opens a fresh launcher; the About window opens
// modally over the launcher, and the operator finder over its form, which
// stay. The stack is over when a launcher ends without a form (or a form
// ends the program). Which answer calls for which turn: app/turns.h.
//
// A host gives it a ScreenHost (its widgets) and runs its own event loop
// until the stack is over.

#include <functional>
#include <memory>

#include "session/form_logic.h"
#include "base/result.h"
#include "screens/screen.h"

namespace quelmo {

class ScreenStack {
 public:
  // `language`: the language each window opens in, asked anew for each
  // (the launcher may change it).
  ScreenStack(ScreenHost& host, ScreenMaker maker, std::function<int()> language);
  ~ScreenStack();
  ScreenStack(const ScreenStack&) = delete;
  ScreenStack& operator=(const ScreenStack&) = delete;

  // Opens the first launcher. When even that cannot be made the stack is
  // over at once, with the reason in Outcome().
  void Start();
  // Ends whatever is open: the program is over (a shutdown from outside).
  void Finish(Status outcome);
  // Called when the stack is over.
  void SetOnFinished(std::function<void()> on_finished) { on_finished_ = std::move(on_finished); }

  bool Running() const { return current_ != nullptr; }
  // The launcher or form on screen; nullptr when the stack is over.
  Screen* Current() const { return current_.get(); }
  // The window shown over it; nullptr when none.
  Screen* Over() const { return over_.get(); }
  // The window the user works in: the one over, else the current one.
  Screen* Front() const { return over_ != nullptr ? over_.get() : current_.get(); }
  // Why the stack ended early; ok when it ended as the user chose.
  const Status& Outcome() const { return outcome_; }

 private:
  void Open(Next which);
  void OpenOver(Next which);
  void OnNext(Next next);
  void OnNextOver(Next next);
  void Retire(std::unique_ptr<Screen> screen);

  ScreenHost& host_;
  ScreenMaker maker_;
  std::function<int()> language_;
  std::function<void()> on_finished_;
  std::unique_ptr<Screen> current_;
  std::unique_ptr<Screen> over_;
  Status outcome_;
};

}  // namespace quelmo
