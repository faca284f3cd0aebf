#include "text/terminal_text.h"

#include <cstdio>

#include "text/utf8.h"

namespace quelmo {
namespace {

bool NeedsEscape(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x061C || c == 0x200E || c == 0x200F ||
         c == 0x2028 || c == 0x2029 || (c >= 0x202A && c <= 0x202E) ||
         (c >= 0x2066 && c <= 0x2069);
}

void AppendEscape(std::string& out, char32_t c) {
  switch (c) {
    case '\n': out += "\\n"; return;
    case '\t': out += "\\t"; return;
    case '\r': out += "\\r"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    default: break;
  }
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
  out += escape;
}

std::string Escaped(std::string_view text, bool quoted) {
  std::string out;
  out.reserve(text.size() + (quoted ? 2 : 0));
  if (quoted) out += '"';
  for (std::size_t pos = 0; pos < text.size();) {
    const auto character = DecodeUtf8At(text, pos);
    if (!character) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[pos]));
      out += escape;
      ++pos;
      continue;
    }
    const char32_t c = character->codePoint;
    if (NeedsEscape(c)) {
      AppendEscape(out, c);
    } else if (quoted && (c == '"' || c == '\\')) {
      out += '\\';
      out += static_cast<char>(c);
    } else {
      out.append(text.substr(pos, character->length));
    }
    pos += character->length;
  }
  if (quoted) out += '"';
  return out;
}

}  // namespace

std::string EscapeForTerminal(std::string_view text) { return Escaped(text, false); }

std::string QuotedForTerminal(std::string_view text) { return Escaped(text, true); }

}  // namespace quelmo
