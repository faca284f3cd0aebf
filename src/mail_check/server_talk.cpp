#include "mail_check/server_talk.h"

#include <cctype>

namespace quelmo {
namespace {

// Far above any honest reply line; a longer one is cut, not kept whole.
constexpr std::size_t kLineLimit = 4096;

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return upper;
}

bool IsReplyLine(std::string_view line) {
  return line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
         std::isdigit(static_cast<unsigned char>(line[1])) &&
         std::isdigit(static_cast<unsigned char>(line[2])) &&
         (line.size() == 3 || line[3] == ' ' || line[3] == '-');
}

// The methods of an EHLO keyword line "AUTH PLAIN LOGIN" or "AUTH=LOGIN".
void AddLoginMethods(std::string_view keywords, std::vector<std::string>& methods) {
  const std::string upper = Upper(keywords);
  if (upper.rfind("AUTH", 0) != 0 || (upper.size() > 4 && upper[4] != ' ' && upper[4] != '=')) {
    return;
  }
  std::size_t at = 4;
  while (at < upper.size()) {
    while (at < upper.size() && (upper[at] == ' ' || upper[at] == '=')) ++at;
    const std::size_t end = upper.find(' ', at);
    const std::string method = upper.substr(at, end == std::string::npos ? end : end - at);
    bool known = method.empty();
    for (const auto& each : methods) known = known || each == method;
    if (!known) methods.push_back(method);
    at = end == std::string::npos ? upper.size() : end;
  }
}

}  // namespace

void ServerTalk::Said(std::string_view line) {
  const std::size_t end = line.find_first_of(" \r\n");
  const std::string word = Upper(line.substr(0, end));
  // A log-in's continuation lines are base64 of the user name and password:
  // only command words are kept.
  for (const char* command : {"EHLO", "HELO", "STARTTLS", "AUTH", "MAIL", "RCPT", "RSET", "QUIT",
                              "DATA", "NOOP"}) {
    if (word == command) {
      command_ = word;
      if (word == "AUTH") login_tried_ = true;
      return;
    }
  }
}

void ServerTalk::Heard(std::string_view bytes) {
  for (const char c : bytes) {
    if (c == '\n') {
      std::string_view line(pending_);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      Line(line);
      pending_.clear();
    } else if (pending_.size() < kLineLimit) {
      pending_ += c;
    }
  }
}

void ServerTalk::Line(std::string_view line) {
  if (!IsReplyLine(line)) return;
  if (!in_reply_) {
    reply_first_ = std::string(line);
    methods_coming_.clear();
  }
  if (command_ == "EHLO" && line.size() > 4) AddLoginMethods(line.substr(4), methods_coming_);
  in_reply_ = line.size() > 3 && line[3] == '-';
  if (in_reply_) return;

  const long code = std::stol(std::string(line.substr(0, 3)));
  last_reply_line_ = reply_first_;
  if (command_.empty() && greeting_code_ == 0) {
    greeting_code_ = code;
    greeting_line_ = reply_first_;
  }
  if (command_ == "EHLO" && code == 250) {
    ehlo_answered_ = true;
    login_methods_ = methods_coming_;
  }
}

}  // namespace quelmo
