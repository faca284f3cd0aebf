#include "controls/typing_rules.h"

#include <cstddef>
#include <string>

#include "text/gbk.h"

namespace quelmo {
namespace {

// Code points of valid UTF-8: every byte that does not continue a sequence.
std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  for (const char byte : utf8) {
    if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

bool TypingRules::Accepts(std::string_view utf8) const {
  if (digitsOnly) {
    for (const char c : utf8) {
      if (c < '0' || c > '9') return false;
    }
  }
  if (byteLimit >= 0) {
    const Result<std::string> stored = Utf8ToGbk(utf8);
    if (!stored || stored->size() > static_cast<std::size_t>(byteLimit)) return false;
  }
  return characterLimit < 0 || CharacterCount(utf8) <= static_cast<std::size_t>(characterLimit);
}

}  // namespace quelmo
