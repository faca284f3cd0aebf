#pragma once
// The language codes of the camera's languages. The camera stores the same
// numbers, so they never change; the windows' languages are the rows of
// text/languages.h, which use the same codes.

namespace quelmo {

enum LanguageCode : int {
  kChinese = 1,
  kEnglish = 2,
  kGerman = 3,
  kFinnish = 4,
  kItalian = 5,
  kFrench = 6,
  kHungarian = 7,
  kSlovenian = 8,
  kCzech = 9,
  kJapanese = 10,
  kLithuanian = 11,
};

// The camera's own languages: what a setting file may tell it.
inline constexpr int kFirstLanguage = kChinese;
inline constexpr int kLastLanguage = kLithuanian;

}  // namespace quelmo
