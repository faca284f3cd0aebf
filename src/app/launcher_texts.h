#pragma once
// The launcher's texts in the language of a code (text/translate.h).

#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

struct LauncherTexts {
  std::string_view cameraButton;
  std::string_view mmsButton;
  std::string_view gprsButton;
  std::string_view smsButton;
  std::string_view languageLabel;
  std::string_view modelLabel;
  std::string versionLabel;
};

LauncherTexts LauncherTextsFor(int language_index);

// The entries of the Language list: every language of the table, in the
// order of their codes, each by its own name ("中文", "English", "Deutsch"...),
// whatever the language of the windows.
std::vector<std::string> LanguageListEntries();

}  // namespace quelmo
