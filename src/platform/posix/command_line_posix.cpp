#include "platform/command_line.h"

namespace quelmo {

// POSIX systems pass the bytes as typed; the core takes them as UTF-8.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
  if (argc < 1) return {};
  return std::vector<std::string>(argv + 1, argv + argc);
}

}  // namespace quelmo
