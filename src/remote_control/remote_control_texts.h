#pragma once
// Texts that every form with SMS remote control shows (MMS, SMTP/GPRS, SMS):
// the SMS remote-control list and its hint, the daily picture limit and the
// command buttons. The same text in two forms comes from the same row here. Language codes 1..11 (1 Chinese,
// 2 English, 3 German, 4 Finnish, 5 Italian, 6 French, 7 Hungarian,
// 8 Slovenian, 9 Czech, 10 Japanese, 11 Lithuanian); any other code shows
// English. Texts are UTF-8 and shown exactly, leading blanks included.

#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

// The six entries of an SMS remote-control list, in the order of
// SmsControlMode: "On", four intervals, then "Off". The English entries are
// the names the command line accepts.
std::vector<std::string> SmsControlEntries(int language_index);

// The hint of the SMS remote-control list: Chinese for code 1, English for
// every other code. A form that keeps its hints in a table takes the two
// texts themselves.
inline constexpr std::string_view kSmsControlHintChinese =
    "注意：推荐设置为2小时，可以获取更长电池使用寿命";
inline constexpr std::string_view kSmsControlHintEnglish =
    "Note: the recommended settings for 2 hours, you can get a longer battery life";
std::string_view SmsControlHint(int language_index);

std::string_view SmsControlCaption(int language_index);
std::string_view DailyLimitCaption(int language_index);
std::string_view DailyLimitNote(int language_index);
std::string_view SelectFolderCaption(int language_index);
std::string_view SaveCaption(int language_index);
std::string_view ExitCaption(int language_index);

}  // namespace quelmo
