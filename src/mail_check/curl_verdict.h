#pragma once
// Which step a failed libcurl transfer stopped at, and why: from its result
// code and what the transfer had got through when it stopped.

#include <string>

#include <curl/curl.h>

#include "mail_check/mail_check.h"

namespace quelmo {

struct TransferFacts {
  CURLcode code = CURLE_OK;
  long lastReply = 0;         // the last SMTP reply code; 0 before the greeting
  long certificateCheck = 0;  // the TLS library's verify result; 0 when the chain passed
  bool resolved = false;
  bool connected = false;
  bool secured = false;       // the TLS handshake was done
  bool implicitTls = false;
  std::string errorText;      // libcurl's error buffer
};

// The failing step and its verdict; detail is left to the caller.
MailStepResult FailedStep(const TransferFacts& facts);

}  // namespace quelmo
