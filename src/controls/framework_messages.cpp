#include "controls/framework_messages.h"

namespace quelmo {

std::string FrameworkRangeMessage(int minimum, int maximum) {
  return "“请填入一个在" + std::to_string(minimum) + "和" + std::to_string(maximum) + "之间的整数。”";
}

std::string FrameworkLengthMessage(int limit) {
  return "“请填入不多于" + std::to_string(limit) + "个的字符。”";
}

}  // namespace quelmo
