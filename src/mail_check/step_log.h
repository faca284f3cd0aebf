#pragma once
// The check's steps as they end: kept in order for the report, told to the
// progress callback at once, and never carrying a secret the check sent.

#include <string>
#include <vector>

#include "mail_check/mail_check.h"

namespace quelmo {

class StepLog {
 public:
  // `secrets`: every form the password crossed the line in, masked in any
  // detail; `implicit_tls`: the line is secured before the server's greeting.
  StepLog(const MailProgress& progress, std::vector<std::string> secrets, bool implicit_tls);

  // Every step before `step` not yet logged passed (the security step as
  // kPlainAllowed when so agreed).
  void PassBefore(MailStep step);
  // `result` and every step before it that is not yet logged.
  void Add(MailStepResult result);
  void AllowPlain() { plain_allowed_ = true; }

  MailCheckReport Take() { return std::move(report_); }

 private:
  std::string Redact(std::string text) const;
  void Log(MailStepResult result);

  const MailProgress& progress_;
  std::vector<std::string> secrets_;  // longest first
  std::vector<MailStep> order_;
  std::size_t next_ = 0;  // into order_
  bool plain_allowed_ = false;
  MailCheckReport report_;
};

}  // namespace quelmo
