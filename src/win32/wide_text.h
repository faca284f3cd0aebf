#pragma once
// Texts cross the Win32 boundary as UTF-16; everything else is UTF-8.

#include <string>
#include <string_view>

namespace quelmo {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace quelmo
