// What may be typed into an edit, the same for every host.

#include "controls/typing_rules.h"

#include <gtest/gtest.h>

namespace quelmo {
namespace {

TEST(TypingRules, DigitsBytesOfTheStoredCodePageAndCharacters) {
  const TypingRules digits{.digitsOnly = true};
  const TypingRules four_bytes{.byteLimit = 4};
  const TypingRules three_characters{.characterLimit = 3};
  const struct {
    const TypingRules& rules;
    const char* text;
    bool accepted;
  } cases[] = {
      {digits, "", true},
      {digits, "0759", true},
      {digits, "-5", false},
      {digits, "１", false},  // a full-width digit
      {four_bytes, "abcd", true},
      {four_bytes, "abcde", false},
      {four_bytes, "中文", true},    // two bytes each in GBK
      {four_bytes, "中文a", false},
      {four_bytes, "😀", false},     // not in GBK: refused, not stored as '?'
      {three_characters, "相机❄", true},
      {three_characters, "相机❄x", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.rules.Accepts(c.text), c.accepted) << c.text;
}

}  // namespace
}  // namespace quelmo
