#pragma once
// Reading UTF-8 one character at a time, to say which character a converter
// refused. Shared by the converters of every platform.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quelmo {

struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 0;  // bytes taken by the character
};

// The character starting at `position`, or nothing when the bytes there are
// not well-formed UTF-8 (stray continuation byte, overlong form, surrogate,
// beyond U+10FFFF, cut short).
std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t position);

// The position of the first byte that does not start a well-formed
// character, or nothing when all of `text` is UTF-8.
std::optional<std::size_t> FindInvalidUtf8(std::string_view text);

// "\"短\" (U+77ED)": the character at `position` quoted and numbered, for
// messages. `position` must start a well-formed character.
std::string DescribeCharacter(std::string_view text, std::size_t position);

// "0xFF at byte 3", for messages about bytes that are not text.
std::string DescribeByte(std::string_view bytes, std::size_t position);

// A key that sorts names in Latin letters as readers expect: case ignored,
// and a letter with an accent (Latin-1 and Latin Extended-A: "Ä", "č", "ő")
// beside its base letter, so that "Österreich" sorts among the O's. Other
// characters keep their bytes; bytes that are not UTF-8 are kept as they are.
std::string SortKey(std::string_view text);

}  // namespace quelmo
