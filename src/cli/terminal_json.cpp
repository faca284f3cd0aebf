#include "cli/terminal_json.h"

#include <algorithm>
#include <string_view>

#include "text/terminal_text.h"

namespace quelmo {

// The dump escapes C0 controls inside strings already and holds no invalid
// UTF-8: its line feeds are its own indentation, and what is left to escape
// stands inside strings, where a "\u202e" means what it shows.
std::string JsonForTerminal(const Json& json, int indent) {
  const std::string dump = json.dump(indent, ' ', false, Json::error_handler_t::replace);
  std::string shown;
  shown.reserve(dump.size());
  for (std::size_t start = 0; start <= dump.size();) {
    const std::size_t end = std::min(dump.find('\n', start), dump.size());
    shown += EscapeForTerminal(std::string_view(dump).substr(start, end - start));
    if (end < dump.size()) shown += '\n';
    start = end + 1;
  }
  return shown;
}

}  // namespace quelmo
