#pragma once
// What the user may type into an edit, the same in every host: digits only
// for number fields, at most a number of bytes of the stored code page (GBK,
// counted by the checked conversion, so a character GBK cannot hold is
// refused rather than stored as '?'), or at most a number of characters of
// any kind. Texts the program sets are not held to these rules.

#include <string_view>

namespace quelmo {

struct TypingRules {
  bool digitsOnly = false;
  int byteLimit = -1;       // negative: none
  int characterLimit = -1;  // negative: none

  // Whether an edit may hold `utf8` as the user's typing left it.
  bool Accepts(std::string_view utf8) const;
};

}  // namespace quelmo
