#pragma once
// What was said on the line while libcurl held the conversation (greeting,
// EHLO, STARTTLS, AUTH), as libcurl's debug channel shows it: enough to tell
// a greeting that refuses, a server that asks for no password and one whose
// only log-in methods take none. Of what the check said it keeps the command
// word alone, never an argument: a log-in's arguments are the secret.

#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

class ServerTalk {
 public:
  // Bytes the server sent, in any pieces; replies are read line by line.
  void Heard(std::string_view bytes);
  // A command the check sent (one line; its arguments are dropped).
  void Said(std::string_view line);

  // The greeting's reply code, 0 until a whole greeting was heard, and its
  // first line.
  long greetingCode() const { return greeting_code_; }
  const std::string& greetingLine() const { return greeting_line_; }
  // The log-in methods of the last EHLO reply ("PLAIN", "XOAUTH2"), upper
  // case; empty when it offered none. ehloAnswered(): a 250 reply to EHLO came.
  const std::vector<std::string>& loginMethods() const { return login_methods_; }
  bool ehloAnswered() const { return ehlo_answered_; }
  // Whether an AUTH command went out: only then was the password tried.
  bool loginTried() const { return login_tried_; }
  // The first line of the last whole reply, for a verdict's detail.
  const std::string& lastReplyLine() const { return last_reply_line_; }

 private:
  void Line(std::string_view line);

  std::string pending_;        // a reply line not yet ended
  std::string command_;        // the word of the last command said; empty: none yet
  bool in_reply_ = false;      // lines of a multi-line reply are coming
  std::string reply_first_;    // the first line of the reply coming
  long greeting_code_ = 0;
  std::string greeting_line_;
  std::vector<std::string> login_methods_;
  std::vector<std::string> methods_coming_;  // of the EHLO reply being read
  bool ehlo_answered_ = false;
  bool login_tried_ = false;
  std::string last_reply_line_;
};

}  // namespace quelmo
