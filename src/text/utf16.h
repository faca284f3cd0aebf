#pragma once
// Windows only. Texts cross the Win32 boundary as UTF-16; everything else in
// the program is UTF-8. A character the other side cannot hold becomes
// U+FFFD rather than failing, as the system's own calls do.

#include <string>
#include <string_view>

namespace quelmo {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

}  // namespace quelmo
