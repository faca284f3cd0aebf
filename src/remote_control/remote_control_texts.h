#pragma once
// Texts that every form with SMS remote control shows (MMS, SMTP/GPRS, SMS):
// the SMS remote-control list and its hint, the daily picture limit and the
// command buttons, in the language of a code (text/translate.h). The same
// text in two forms comes from the same function here.

#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

// The six entries of an SMS remote-control list, in the order of
// SmsControlMode: "On", four intervals, then "Off". The English entries are
// the names the command line accepts.
std::vector<std::string> SmsControlEntries(int language_index);

// The hint of the SMS remote-control list. A form that keeps its hints in a
// table takes the English text itself.
inline constexpr std::string_view kSmsControlHint =
    "Note: the recommended settings for 2 hours, you can get a longer battery life";
std::string_view SmsControlHint(int language_index);

std::string_view SmsControlCaption(int language_index);
std::string_view DailyLimitCaption(int language_index);
std::string_view DailyLimitNote(int language_index);
std::string_view SelectFolderCaption(int language_index);
std::string_view SaveCaption(int language_index);
std::string_view ExitCaption(int language_index);

}  // namespace quelmo
