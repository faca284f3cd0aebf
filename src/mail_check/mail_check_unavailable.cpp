// The check in a build without its mail library: every run says so.

#include "mail_check/mail_check.h"

namespace quelmo {

bool MailCheckAvailable() { return false; }

MailCheckReport RunMailCheck(const MailAccount&, const MailCheckOptions&, CancelToken&,
                             const MailProgress& progress) {
  MailCheckReport report;
  report.steps.push_back({MailStep::kSettings, MailVerdict::kUnavailable, {}});
  if (progress) progress(report.steps.back());
  return report;
}

}  // namespace quelmo
