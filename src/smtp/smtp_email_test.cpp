#include "smtp/smtp_email_test.h"

#include "mail_check/mail_check_texts.h"
#include "session/app_state.h"
#include "smtp/smtp_controls.h"
#include "text/translate.h"

namespace quelmo {
namespace {

constexpr std::string_view kChecking = "Testing the e-mail settings (nothing is sent)...";
constexpr std::string_view kSending = "Sending the test message...";
constexpr std::string_view kResult = "E-mail test:";
constexpr std::string_view kAskSend =
    "Send a test message with a picture to the recipient ({recipient}) now?";
constexpr std::string_view kAskPlain =
    "Go on without encryption? The password would cross the network in the clear.";

std::string Pick(std::string_view english, int language) {
  return std::string(Translate(language, english));
}

std::string StepLine(const MailStepResult& step, int language) {
  return MailStepName(step.step, language) + ": " + MailVerdictText(step, language);
}

}  // namespace

// What the work posts back to: it outlives the form only as long as a
// posted task holds it, and then finds `alive` false.
struct SmtpEmailTest::State {
  FormView& view;
  BackgroundRunner* runner;
  int language;
  bool alive = true;
  bool running = false;
  std::shared_ptr<CancelToken> cancel;
  MailAccount account;
  bool send = false;
  bool allowPlain = false;
  std::string heading;
  std::string lines;
};

SmtpEmailTest::SmtpEmailTest(FormView& view, BackgroundRunner* runner, int language)
    : state_(std::make_shared<State>(State{view, runner, language})) {}

SmtpEmailTest::~SmtpEmailTest() {
  state_->alive = false;
  if (state_->cancel) state_->cancel->Cancel();
}

bool SmtpEmailTest::Running() const { return state_->running; }

void SmtpEmailTest::Start(const MailAccount& account) {
  if (state_->running) return;
  if (state_->runner == nullptr || !MailCheckAvailable()) {
    state_->view.ShowMessage(
        MailVerdictText({MailStep::kSettings, MailVerdict::kUnavailable, {}}, state_->language));
    return;
  }
  Run(state_, account, /*send=*/false, /*allow_plain=*/false);
}

void SmtpEmailTest::Cancel() {
  if (state_->running && state_->cancel) state_->cancel->Cancel();
}

void SmtpEmailTest::Run(const std::shared_ptr<State>& shared, const MailAccount& account,
                        bool send, bool allow_plain) {
  State& state = *shared;
  state.running = true;
  state.cancel = std::make_shared<CancelToken>();
  state.account = account;
  state.send = send;
  state.allowPlain = allow_plain;
  state.heading = Pick(send ? kSending : kChecking, state.language);
  state.lines.clear();
  state.view.SetEnabled(kSmtpTestEmailButton, false);
  state.view.ShowProgress(state.heading);

  MailCheckOptions options;
  options.send = send;
  options.allowPlain = allow_plain;
  options.language = state.language;
  options.modelName = kModelName;
  std::weak_ptr<State> weak = shared;
  state.runner->Start([weak, account, options, cancel = state.cancel](
                          const BackgroundRunner::Post& post) {
    // Runs off the window's thread: it touches nothing of the form, only
    // what it was given, and posts what it finds.
    MailCheckReport report;
    try {
      report =
          RunMailCheck(account, options, *cancel, [&post, weak](const MailStepResult& step) {
            post([weak, step] {
              const auto state = weak.lock();
              if (!state || !state->alive) return;
              state->lines += StepLine(step, state->language) + "\n";
              state->view.ShowProgress(state->heading + "\n\n" + state->lines);
            });
          });
    } catch (...) {
      // The runner tells the user what went wrong; the form must still leave
      // its running state, or the progress window would stay for good.
      post([weak] {
        const auto state = weak.lock();
        if (state && state->alive) Stopped(*state);
      });
      throw;
    }
    post([weak, report] {
      const auto state = weak.lock();
      if (state && state->alive) Finished(state, report);
    });
  });
}

void SmtpEmailTest::Ask(const std::shared_ptr<State>& state, const std::string& question,
                        bool send, bool allow_plain) {
  // The answer may come after the form has gone (a host that does not wait).
  std::weak_ptr<State> weak = state;
  state->view.AskYesNo(question, [weak, send, allow_plain](bool yes) {
    const auto alive = weak.lock();
    if (yes && alive && alive->alive && !alive->running) {
      Run(alive, alive->account, send, allow_plain);
    }
  });
}

void SmtpEmailTest::Stopped(State& state) {
  state.running = false;
  state.cancel.reset();
  state.view.CloseProgress();
  state.view.SetEnabled(kSmtpTestEmailButton, true);
}

void SmtpEmailTest::Finished(const std::shared_ptr<State>& state, const MailCheckReport& report) {
  Stopped(*state);
  std::string text = Pick(kResult, state->language) + "\n\n";
  for (const auto& step : report.steps) text += StepLine(step, state->language) + "\n";

  const MailVerdict outcome = report.outcome();
  // Ready to send with a caveat (no password asked for) may still send.
  if (!report.steps.empty() && report.steps.back().verdict == MailVerdict::kReadyToSend &&
      !state->send) {
    const std::string question = FillIn(Translate(state->language, kAskSend),
                                         {{"recipient", state->account.recipientEmail}});
    Ask(state, text + "\n" + question, /*send=*/true, state->allowPlain);
    return;
  }
  if (outcome == MailVerdict::kNoEncryption && !state->allowPlain) {
    Ask(state, text + "\n" + Pick(kAskPlain, state->language), state->send,
        /*allow_plain=*/true);
    return;
  }
  state->view.ShowMessage(text);
}

}  // namespace quelmo
