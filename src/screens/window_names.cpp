#include "screens/window_names.h"

#include <string>

#include "text/languages.h"

namespace quelmo {

std::string LanguageFileCode(int language_index) {
  // The language part of the row's locale: "zh" for zh_CN, "de" for de.
  if (const LanguageRow* row = FindLanguage(language_index)) {
    return std::string(row->locale.substr(0, row->locale.find('_')));
  }
  return "lang" + std::to_string(language_index);
}

}  // namespace quelmo
