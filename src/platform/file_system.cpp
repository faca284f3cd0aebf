#include "platform/file_system.h"

#include <string>

namespace quelmo {

// Folder names reach the core as UTF-8 (from the window system, the command
// line or JSON); going through char8_t makes std::filesystem decode them as
// UTF-8 on every platform instead of in the process's narrow code page.
std::filesystem::path PathFromUtf8(std::string_view utf8) {
  const std::u8string text(utf8.begin(), utf8.end());
  return std::filesystem::path(text);
}

std::string PathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace quelmo
