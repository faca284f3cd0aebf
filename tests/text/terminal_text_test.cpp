#include "text/terminal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quelmo {
namespace {

TEST(TerminalText, EscapesWhatCouldSteerATerminalAndNothingElse) {
  const struct {
    const char* what;
    std::string text;
    std::string shown;
  } kCases[] = {
      {"plain ASCII", "giffgaff 3", "giffgaff 3"},
      {"accents, CJK, emoji", "Müller 中国移动 \xF0\x9F\x93\xB7", "Müller 中国移动 \xF0\x9F\x93\xB7"},
      {"line breaks and tab", "a\nb\r\tc", "a\\nb\\r\\tc"},
      {"backspace and form feed", "a\bb\fc", "a\\bb\\fc"},
      {"escape sequence", "\x1B[2Jx", "\\u001b[2Jx"},
      {"zero and bell", std::string("a\0b\a", 4), "a\\u0000b\\u0007"},
      {"DEL", "a\x7F", "a\\u007f"},
      {"C1: NEL and CSI", "a\xC2\x85" "b\xC2\x9B" "c\xC2\x9F", "a\\u0085b\\u009bc\\u009f"},
      {"just past C1", "\xC2\xA0", "\xC2\xA0"},
      {"line and paragraph separators", "a\xE2\x80\xA8" "b\xE2\x80\xA9", "a\\u2028b\\u2029"},
      {"bidi embeddings and overrides", "\xE2\x80\xAA\xE2\x80\xAE", "\\u202a\\u202e"},
      {"bidi isolates", "\xE2\x81\xA6\xE2\x81\xA9", "\\u2066\\u2069"},
      {"bidi marks", "\xD8\x9C\xE2\x80\x8E\xE2\x80\x8F", "\\u061c\\u200e\\u200f"},
      {"neighbours of the bidi controls", "\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA",
       "\xE2\x80\xAF\xE2\x81\xA5\xE2\x81\xAA"},
      {"bytes that are no UTF-8", "a\xFF" "b\xC2", "a\\xFFb\\xC2"},
      {"an overlong form of a line feed", "\xC0\x8A", "\\xC0\\x8A"},
      {"quotes and backslashes stay", "\"a\\b\"", "\"a\\b\""},
  };
  for (const auto& c : kCases) EXPECT_EQ(EscapeForTerminal(c.text), c.shown) << c.what;
}

TEST(TerminalText, QuotedEscapesItsQuotesToo) {
  EXPECT_EQ(QuotedForTerminal("EE \"4G\"\\\n"), "\"EE \\\"4G\\\"\\\\\\n\"");
  EXPECT_EQ(QuotedForTerminal(""), "\"\"");
}

}  // namespace
}  // namespace quelmo
