#include "text/utf16.h"

#include <gtest/gtest.h>

#include <string>

namespace quelmo {
namespace {

TEST(Utf16, RoundTripsEveryKindOfCharacter) {
  const struct {
    std::string utf8;
    std::wstring wide;
  } cases[] = {
      {"", L""},
      {"Select", L"Select"},
      {"短信控制", L"\u77ED\u4FE1\u63A7\u5236"},
      {"Müller ❄", L"M\u00FCller \u2744"},
      {"\xF0\x9F\x93\xB7", L"\xD83D\xDCF7"},  // beyond U+FFFF: a surrogate pair
      {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},  // a zero is a character too
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Wide(c.utf8), c.wide) << c.utf8;
    EXPECT_EQ(Utf8(c.wide), c.utf8) << c.utf8;
  }
}

TEST(Utf16, WhatTheOtherSideCannotHoldBecomesTheReplacementCharacter) {
  EXPECT_EQ(Utf8(std::wstring(1, wchar_t{0xD800})), "\xEF\xBF\xBD");  // a lone surrogate
  EXPECT_EQ(Wide("\xFF"), L"\uFFFD");
}

}  // namespace
}  // namespace quelmo
