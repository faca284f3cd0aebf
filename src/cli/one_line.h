#pragma once
// Text the system hands us (a mount path may hold any byte but "/" and NUL)
// printed where one line is one item: control characters, a line feed above
// all, become "\x0A" escapes, as show writes bytes that are no text.

#include <string>
#include <string_view>

namespace quelmo {

std::string OnOneLine(std::string_view text);

}  // namespace quelmo
