#pragma once
// What the check's steps and verdicts are called, in the UI's language
// (1 Chinese; every other language English), with what to do about a failure.

#include <string>

#include "mail_check/mail_check.h"

namespace quelmo {

std::string MailStepName(MailStep step, int language);

// The verdict in plain words, then what to do, then the detail in brackets
// when there is one.
std::string MailVerdictText(const MailStepResult& result, int language);

// A short machine name of the verdict, for JSON ("passed", "port-closed"...).
const char* MailVerdictKey(MailVerdict verdict);
const char* MailStepKey(MailStep step);

}  // namespace quelmo
