#include "controls/framework_messages.h"

#include "text/language_code.h"

namespace quelmo {

std::string NotAnIntegerMessage(int language_index) {
  return language_index == kChinese ? "请键入一个整数。" : "Please enter an integer.";
}

std::string FrameworkRangeMessage(int minimum, int maximum, int language_index) {
  const std::string low = std::to_string(minimum);
  const std::string high = std::to_string(maximum);
  if (language_index == kChinese) return "“请填入一个在" + low + "和" + high + "之间的整数。”";
  return "Please enter an integer between " + low + " and " + high + ".";
}

std::string FrameworkLengthMessage(int limit, int language_index) {
  const std::string count = std::to_string(limit);
  if (language_index == kChinese) return "“请填入不多于" + count + "个的字符。”";
  return "Please enter no more than " + count + " characters.";
}

}  // namespace quelmo
