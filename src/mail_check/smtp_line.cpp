#include "mail_check/smtp_line.h"

#include <algorithm>
#include <cctype>

namespace quelmo {
namespace {

// Far above any honest reply (RFC 5321 lines are at most 512 bytes), far
// below what could hurt: a server that talks on and on is no mail server.
constexpr std::size_t kLineLimit = 4096;
constexpr std::size_t kReplyLimit = 64 * 1024;
constexpr int kWaitSliceMs = 1000;

bool IsReplyLine(std::string_view line) {
  return line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
         std::isdigit(static_cast<unsigned char>(line[1])) &&
         std::isdigit(static_cast<unsigned char>(line[2])) &&
         (line.size() == 3 || line[3] == ' ' || line[3] == '-');
}

}  // namespace

SmtpLine::SmtpLine(CURL* easy, CURLM* multi, CancelToken& cancel, Clock::time_point deadline)
    : easy_(easy), multi_(multi), cancel_(cancel), deadline_(deadline) {
  curl_easy_getinfo(easy_, CURLINFO_ACTIVESOCKET, &socket_);
}

LineOutcome SmtpLine::Wait(short events) {
  if (cancel_.cancelled()) return LineOutcome::kCancelled;
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline_ - Clock::now());
  if (left.count() <= 0) return LineOutcome::kTimedOut;
  curl_waitfd wait{socket_, events, 0};
  // The multi handle's poll also wakes when Cancel calls curl_multi_wakeup.
  curl_multi_poll(multi_, &wait, 1, static_cast<int>(std::min<long long>(left.count(), kWaitSliceMs)),
                  nullptr);
  return cancel_.cancelled() ? LineOutcome::kCancelled : LineOutcome::kOk;
}

LineOutcome SmtpLine::Send(std::string_view command) {
  if (socket_ == CURL_SOCKET_BAD) return LineOutcome::kClosed;
  std::string line(command);
  line += "\r\n";
  std::size_t sent_total = 0;
  while (sent_total < line.size()) {
    std::size_t sent = 0;
    const CURLcode code =
        curl_easy_send(easy_, line.data() + sent_total, line.size() - sent_total, &sent);
    if (code == CURLE_AGAIN) {
      if (const auto outcome = Wait(CURL_WAIT_POLLOUT); outcome != LineOutcome::kOk) return outcome;
      continue;
    }
    if (code != CURLE_OK) return LineOutcome::kClosed;
    sent_total += sent;
  }
  return LineOutcome::kOk;
}

LineOutcome SmtpLine::TakeReply(SmtpReply& reply, bool& complete) {
  complete = false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = pending_.find('\n', start);
    if (end == std::string::npos) {
      return pending_.size() - start > kLineLimit ? LineOutcome::kNotSmtp : LineOutcome::kOk;
    }
    std::string_view line(pending_.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!IsReplyLine(line) || line.size() > kLineLimit) return LineOutcome::kNotSmtp;
    if (start == 0) reply.firstLine = std::string(line);
    start = end + 1;
    if (line.size() == 3 || line[3] == ' ') {
      reply.code = std::stol(std::string(line.substr(0, 3)));
      pending_.erase(0, start);
      complete = true;
      return LineOutcome::kOk;
    }
  }
}

LineOutcome SmtpLine::Read(SmtpReply& reply) {
  if (socket_ == CURL_SOCKET_BAD) return LineOutcome::kClosed;
  char buffer[4096];
  for (;;) {
    bool complete = false;
    if (const auto outcome = TakeReply(reply, complete); outcome != LineOutcome::kOk) return outcome;
    if (complete) return LineOutcome::kOk;
    if (pending_.size() > kReplyLimit) return LineOutcome::kNotSmtp;
    std::size_t received = 0;
    const CURLcode code = curl_easy_recv(easy_, buffer, sizeof buffer, &received);
    if (code == CURLE_AGAIN) {
      if (const auto outcome = Wait(CURL_WAIT_POLLIN); outcome != LineOutcome::kOk) return outcome;
      continue;
    }
    if (code != CURLE_OK || received == 0) return LineOutcome::kClosed;
    pending_.append(buffer, received);
  }
}

}  // namespace quelmo
