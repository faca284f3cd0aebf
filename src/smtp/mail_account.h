#pragma once
// The mail account of SMTP/GPRS settings as the e-mail check takes it.

#include <string_view>

#include "base/result.h"
#include "mail_check/mail_check.h"
#include "smtp/gprs_settings.h"

namespace quelmo {

// The account of stored settings (GBK texts), logging in with the user name
// the camera derives; an error names a text that is no text or a port that
// is no number 1..65535. Empty fields are the check's first step to report.
Result<MailAccount> MailAccountFromSettings(const GprsSettings& settings);

// Whether the text is a port number 1..65535 in plain decimal digits.
bool IsPortNumber(std::string_view text);

}  // namespace quelmo
