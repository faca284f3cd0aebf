#pragma once
// The state shared by every window for the whole run. Start-up settles it;
// the launcher changes the language and the model; the forms only read it.

#include <cstdint>

#include "text/language_code.h"
#include "text/languages.h"

namespace quelmo {

inline constexpr const char* kAppTitle = "Quelmo";
inline constexpr const char* kModelName = "Quelmo K300X";

struct AppState {
  // A code of the language table (text/languages.h); a stored code no row has
  // is kept as it is (windows then show English).
  int languageIndex = kEnglish;
  int modelIndex = 1;
  int tvMode = 0;

  // The language the forms write into their files: the row's camera byte,
  // or a stored code no row has as it is.
  int cameraLanguage() const {
    const LanguageRow* row = FindLanguage(languageIndex);
    return row != nullptr ? row->cameraByte : languageIndex;
  }
};

}  // namespace quelmo
