#include "cli/one_line.h"

#include <cstdio>

namespace quelmo {

std::string OnOneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      line += c;
      continue;
    }
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
    line += escape;
  }
  return line;
}

}  // namespace quelmo
