#pragma once
// Messages that the dialog framework itself shows while moving values out of
// the controls. They are the same in every language.

#include <string>

namespace quelmo {

// A field that holds no integer at all (empty, a lone minus sign, letters).
inline constexpr const char* kNotAnIntegerMessage = "请键入一个整数。";

// The framework's own integer range check: “请填入一个在0和99之间的整数。”
std::string FrameworkRangeMessage(int minimum, int maximum);

// A text longer than its field allows: “请填入不多于80个的字符。”
std::string FrameworkLengthMessage(int limit);

}  // namespace quelmo
