#pragma once
// The launcher's texts by language code. Codes without texts of their own
// (2, and anything outside 1..11) read English.

#include <string>
#include <vector>

namespace quelmo {

struct LauncherTexts {
  const char* cameraButton;
  const char* mmsButton;
  const char* gprsButton;
  const char* smsButton;
  const char* languageLabel;
  const char* modelLabel;
  const char* versionLabel;
};

LauncherTexts LauncherTextsFor(int language_index);

// The three entries of the Language list: Chinese (written in Chinese only
// while the texts are Chinese), English, German.
std::vector<std::string> LanguageListEntries(int language_index);

}  // namespace quelmo
