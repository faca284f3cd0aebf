#pragma once
// The state shared by every window for the whole run. Start-up settles it;
// the launcher changes the language and the model; the forms only read it.

#include <cstdint>

#include "text/language_code.h"

namespace quelmo {

inline constexpr const char* kAppTitle = "Quelmo";
inline constexpr const char* kModelName = "Quelmo K300X";

struct AppState {
  // 1..11 as LanguageCode; a stored code outside that range is kept as it is
  // (windows then show English).
  int languageIndex = kEnglish;
  // Chinese was picked (or stored) while the windows show English: the files
  // still tell the camera to speak Chinese.
  bool chineseChosen = false;
  bool systemIsChinese = false;
  int modelIndex = 1;
  int tvMode = 0;

  // The language the forms write into their files.
  int cameraLanguage() const { return chineseChosen ? kChinese : languageIndex; }
  // Messages exist in Chinese for code 1 and in English for every other code.
  bool chineseMessages() const { return languageIndex == kChinese; }
};

}  // namespace quelmo
