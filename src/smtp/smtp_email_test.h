#pragma once
// The SMTP/GPRS form's "Test e-mail": checks the form's current mail settings
// against their server off the window's thread, shows each step in a
// progress window as it ends, and the steps with their verdicts at the end;
// after a dry run that passed it offers to send the test message, and for a
// server without encryption to go on in the clear.

#include <memory>
#include <string>

#include "controls/form_view.h"
#include "mail_check/mail_check.h"
#include "work/background_runner.h"

namespace quelmo {

class SmtpEmailTest {
 public:
  // `runner` may be null: the host runs no work in the background, and the
  // test says it is not available.
  SmtpEmailTest(FormView& view, BackgroundRunner* runner, int language);
  ~SmtpEmailTest();  // a check still running is cancelled; its results are dropped
  SmtpEmailTest(const SmtpEmailTest&) = delete;
  SmtpEmailTest& operator=(const SmtpEmailTest&) = delete;

  bool Running() const;
  // A dry run of `account`; does nothing while a check runs.
  void Start(const MailAccount& account);
  // The progress window's Cancel.
  void Cancel();

 private:
  struct State;
  static void Run(const std::shared_ptr<State>& state, const MailAccount& account, bool send,
                  bool allow_plain);
  // Asks whether to run again with `send` and `allow_plain`; runs if Yes.
  static void Ask(const std::shared_ptr<State>& state, const std::string& question, bool send,
                  bool allow_plain);
  static void Finished(const std::shared_ptr<State>& state, const MailCheckReport& report);
  // The check is over, however it ended: the progress goes, the button comes back.
  static void Stopped(State& state);

  std::shared_ptr<State> state_;
};

}  // namespace quelmo
