#pragma once
// Which step a failed libcurl transfer stopped at, and why: from its result
// code and what the transfer had got through when it stopped.

#include <string>

#include <curl/curl.h>

#include "mail_check/mail_check.h"
#include "mail_check/server_talk.h"

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

// The failing step and its verdict, from the transfer and from what was said
// on the line. The detail is the server's own words where they say more than
// libcurl's code (a refusing greeting, the log-in methods offered, a refused
// log-in's reply); else it is left to the caller.
MailStepResult FailedStep(const TransferFacts& facts, const ServerTalk& talk = ServerTalk());

}  // namespace quelmo
