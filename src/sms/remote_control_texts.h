#pragma once
// Texts that the SMTP/GPRS form and the SMS form share: the SMS remote-control
// list, the daily picture limit and the command buttons. The same text in
// both forms comes from the same row here. Language codes 1..11 (1 Chinese,
// 2 English, 3 German, 4 Finnish, 5 Italian, 6 French, 7 Hungarian,
// 8 Slovenian, 9 Czech, 10 Japanese, 11 Lithuanian); any other code shows
// English. Texts are UTF-8 and shown exactly, leading blanks included.

#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

// The code whose texts a language index shows: itself for 1..11, else English.
int FormTextLanguage(int language_index);

// The six entries of an SMS remote-control list, in the order of
// SmsControlMode: four intervals after "On", then "Off".
std::vector<std::string> SmsControlEntries(int language_index);

std::string_view SmsControlCaption(int language_index);
std::string_view DailyLimitCaption(int language_index);
std::string_view DailyLimitNote(int language_index);
std::string_view SelectFolderCaption(int language_index);
std::string_view SaveCaption(int language_index);
std::string_view ExitCaption(int language_index);

}  // namespace quelmo
