#pragma once
// The language codes of every text in windows, messages and files. The
// camera stores the same numbers, so they never change.

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

inline constexpr int kFirstLanguage = kChinese;
inline constexpr int kLastLanguage = kLithuanian;
inline constexpr int kLanguageCount = kLastLanguage - kFirstLanguage + 1;

// The code whose texts a language index shows: itself for 1..11, else
// English. A stored code outside the range is kept, so only what is shown
// falls back.
constexpr int ShownLanguage(int language_index) {
  return language_index >= kFirstLanguage && language_index <= kLastLanguage ? language_index
                                                                             : kEnglish;
}

}  // namespace quelmo
