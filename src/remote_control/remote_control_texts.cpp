#include "remote_control/remote_control_texts.h"

#include "text/translate.h"

namespace quelmo {

std::vector<std::string> SmsControlEntries(int language_index) {
  // In the order of SmsControlMode: "Off" last, so its index is what the
  // files store for it.
  const auto entry = [language_index](std::string_view english) {
    return std::string(Translate(language_index, english));
  };
  return {entry("On"), entry("5 Min"), entry("30 Min"), entry("1 Hour"), entry("2 Hour"),
          entry("Off")};
}

std::string_view SmsControlHint(int language_index) {
  return Translate(language_index, kSmsControlHint);
}

std::string_view SmsControlCaption(int language_index) {
  return Translate(language_index, "SMS Control");
}
std::string_view DailyLimitCaption(int language_index) {
  return Translate(language_index, "Max Image No./ day");
}
std::string_view DailyLimitNote(int language_index) {
  return Translate(language_index, "Note: 0 = Unlimited Image no.");
}
std::string_view SelectFolderCaption(int language_index) {
  return Translate(language_index, "Select");
}
std::string_view SaveCaption(int language_index) { return Translate(language_index, "Save"); }
std::string_view ExitCaption(int language_index) { return Translate(language_index, "Exit"); }

}  // namespace quelmo
