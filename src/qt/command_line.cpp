#include "qt/command_line.h"

#include <cstdlib>

namespace quelmo {
namespace {

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DisplayAvailable(const std::vector<std::string>& arguments) {
#if defined(_WIN32) || defined(__APPLE__)
  (void)arguments;
  return true;
#else
  for (const std::string& argument : arguments) {
    if (argument == "-platform") return true;
  }
  return Set("DISPLAY") || Set("WAYLAND_DISPLAY") || Set("QT_QPA_PLATFORM");
#endif
}

}  // namespace quelmo
