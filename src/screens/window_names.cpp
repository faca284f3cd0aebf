#include "screens/window_names.h"

namespace quelmo {

std::string LanguageFileCode(int language_index) {
  static constexpr std::array<const char*, 11> kCodes = {"zh", "en", "de", "fi", "it", "fr",
                                                         "hu", "sl", "cs", "ja", "lt"};
  if (language_index >= 1 && language_index <= 11) return kCodes[language_index - 1];
  return "lang" + std::to_string(language_index);
}

}  // namespace quelmo
