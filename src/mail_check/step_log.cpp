#include "mail_check/step_log.h"

#include <algorithm>

namespace quelmo {
namespace {

constexpr std::size_t kDetailLimit = 200;

}  // namespace

StepLog::StepLog(const MailProgress& progress, std::string password, bool implicit_tls)
    : progress_(progress), password_(std::move(password)) {
  order_ = {MailStep::kSettings, MailStep::kResolve, MailStep::kConnect};
  if (implicit_tls) {
    order_.insert(order_.end(), {MailStep::kSecurity, MailStep::kGreeting});
  } else {
    order_.insert(order_.end(), {MailStep::kGreeting, MailStep::kSecurity});
  }
  order_.insert(order_.end(),
                {MailStep::kLogin, MailStep::kSender, MailStep::kRecipient, MailStep::kMessage});
}

void StepLog::PassBefore(MailStep step) {
  const auto at = std::find(order_.begin(), order_.end(), step);
  const auto until = static_cast<std::size_t>(at - order_.begin());
  while (next_ < until) {
    const MailStep passed = order_[next_];
    const bool plain = passed == MailStep::kSecurity && plain_allowed_;
    Log({passed, plain ? MailVerdict::kPlainAllowed : MailVerdict::kPassed, {}});
  }
}

void StepLog::Add(MailStepResult result) {
  PassBefore(result.step);
  Log(std::move(result));
}

void StepLog::Log(MailStepResult result) {
  const auto at = std::find(order_.begin(), order_.end(), result.step);
  next_ = std::max(next_, static_cast<std::size_t>(at - order_.begin()) + 1);
  result.detail = Redact(std::move(result.detail));
  report_.steps.push_back(result);
  if (progress_) progress_(report_.steps.back());
}

// Details come from servers and the TLS library: one short line of plain
// characters, and the password nowhere, whatever was echoed.
std::string StepLog::Redact(std::string text) const {
  if (!password_.empty()) {
    for (auto at = text.find(password_); at != std::string::npos;
         at = text.find(password_, at + 3)) {
      text.replace(at, password_.size(), "***");
    }
  }
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = ' ';
  }
  if (text.size() > kDetailLimit) text = text.substr(0, kDetailLimit) + "...";
  return text;
}

}  // namespace quelmo
