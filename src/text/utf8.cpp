#include "text/utf8.h"

#include <cstdio>

#include "text/terminal_text.h"

namespace quelmo {

std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t position) {
  if (position >= text.size()) return std::nullopt;
  const auto byte_at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte_at(position);
  std::size_t length;
  char32_t code;
  char32_t smallest;  // below it the form is overlong
  if (lead < 0x80) return Utf8Character{lead, 1};
  if ((lead & 0xE0) == 0xC0) {
    length = 2, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, code = lead & 0x07, smallest = 0x10000;
  } else {
    return std::nullopt;
  }
  if (text.size() - position < length) return std::nullopt;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte_at(position + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return std::nullopt;
  }
  return Utf8Character{code, length};
}

std::optional<std::size_t> FindInvalidUtf8(std::string_view text) {
  std::size_t position = 0;
  while (position < text.size()) {
    const std::optional<Utf8Character> character = DecodeUtf8At(text, position);
    if (!character) return position;
    position += character->length;
  }
  return std::nullopt;
}

std::string DescribeCharacter(std::string_view text, std::size_t position) {
  const std::optional<Utf8Character> character = DecodeUtf8At(text, position);
  if (!character) return DescribeByte(text, position);
  char number[16];
  std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(character->codePoint));
  return QuotedForTerminal(text.substr(position, character->length)) + " (" + number + ")";
}

std::string DescribeByte(std::string_view bytes, std::size_t position) {
  if (position >= bytes.size()) return "the end at byte " + std::to_string(bytes.size());
  char hex[8];
  std::snprintf(hex, sizeof hex, "0x%02X",
                static_cast<unsigned>(static_cast<unsigned char>(bytes[position])));
  return std::string(hex) + " at byte " + std::to_string(position);
}

std::string SortKey(std::string_view text) {
  // The base letter of U+00C0..U+017F; '*' and '/' stand for x and the
  // division sign, which are no letters.
  static constexpr std::string_view kLatin1 =
      "AAAAAAACEEEEIIIIDNOOOOO*OUUUUYTsaaaaaaaceeeeiiiidnooooo/ouuuuyty";
  static constexpr std::string_view kExtendedA =
      "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlLlLlNnNnNnnNnOoOoOoOoRrRrRr"
      "SsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
  static_assert(kLatin1.size() == 0x100 - 0xC0 && kExtendedA.size() == 0x180 - 0x100);
  std::string key;
  key.reserve(text.size());
  std::size_t position = 0;
  while (position < text.size()) {
    const std::optional<Utf8Character> character = DecodeUtf8At(text, position);
    const std::size_t length = character ? character->length : 1;
    char letter = 0;
    if (character && character->codePoint < 0x80) {
      letter = static_cast<char>(character->codePoint);
    } else if (character && character->codePoint >= 0xC0 && character->codePoint < 0x100) {
      letter = kLatin1[character->codePoint - 0xC0];
    } else if (character && character->codePoint >= 0x100 && character->codePoint < 0x180) {
      letter = kExtendedA[character->codePoint - 0x100];
    }
    if (letter != 0) {
      key += (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
    } else {
      key.append(text.substr(position, length));
    }
    position += length;
  }
  return key;
}

}  // namespace quelmo
