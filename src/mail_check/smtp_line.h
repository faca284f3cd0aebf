#pragma once
// The SMTP conversation the check holds itself after libcurl has logged in:
// one command, one reply, each bounded in size and time, and ended at once by
// Cancel.

#include <chrono>
#include <string>
#include <string_view>

#include <curl/curl.h>

#include "work/cancel_token.h"

namespace quelmo {

enum class LineOutcome { kOk, kCancelled, kTimedOut, kClosed, kNotSmtp };

struct SmtpReply {
  long code = 0;
  std::string firstLine;
};

class SmtpLine {
 public:
  using Clock = std::chrono::steady_clock;

  SmtpLine(CURL* easy, CURLM* multi, CancelToken& cancel, Clock::time_point deadline);

  LineOutcome Send(std::string_view command);  // without the CRLF
  LineOutcome Read(SmtpReply& reply);

 private:
  // Waits until the socket is ready for `events`, Cancel or the deadline.
  LineOutcome Wait(short events);
  // Takes one complete reply out of pending_, if there is one.
  LineOutcome TakeReply(SmtpReply& reply, bool& complete);

  CURL* easy_;
  CURLM* multi_;
  CancelToken& cancel_;
  Clock::time_point deadline_;
  curl_socket_t socket_ = CURL_SOCKET_BAD;
  std::string pending_;
};

}  // namespace quelmo
