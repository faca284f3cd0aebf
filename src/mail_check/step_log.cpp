#include "mail_check/step_log.h"

#include <algorithm>

#include "text/terminal_text.h"

namespace quelmo {
namespace {

constexpr std::size_t kDetailLimit = 200;

}  // namespace

StepLog::StepLog(const MailProgress& progress, std::vector<std::string> secrets,
                 bool implicit_tls)
    : progress_(progress), secrets_(std::move(secrets)) {
  // A longer secret may hold a shorter one: it goes first, whole.
  std::erase_if(secrets_, [](const std::string& secret) { return secret.empty(); });
  std::sort(secrets_.begin(), secrets_.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
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

// Details come from servers and the TLS library: no secret, whatever was
// echoed, then short, then escaped for the terminal as every outside text is.
std::string StepLog::Redact(std::string text) const {
  for (const std::string& secret : secrets_) {
    for (auto at = text.find(secret); at != std::string::npos; at = text.find(secret, at + 3)) {
      text.replace(at, secret.size(), "***");
    }
  }
  if (text.size() > kDetailLimit) {
    std::size_t cut = kDetailLimit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text = text.substr(0, cut) + "...";
  }
  return EscapeForTerminal(text);
}

}  // namespace quelmo
