#include "app/launcher_texts.h"

#include "text/languages.h"
#include "text/translate.h"

namespace quelmo {
namespace {

constexpr std::string_view kVersion = "1.0.005";
// The four buttons that open a form, told apart from the forms' own labels.
constexpr std::string_view kLauncher = "launcher";

}  // namespace

LauncherTexts LauncherTextsFor(int language_index) {
  const int language = language_index;
  return {Translate(language, kLauncher, "Camera Setting"),
          Translate(language, kLauncher, "MMS Setting"),
          Translate(language, kLauncher, "GPRS Setting"),
          Translate(language, kLauncher, "SMS Setting"),
          Translate(language, "Select Language"),
          Translate(language, "Camera Model"),
          FillIn(Translate(language, "Version:{version}"), {{"version", kVersion}})};
}

std::vector<std::string> LanguageListEntries() {
  std::vector<std::string> entries;
  for (const LanguageRow& row : LanguageRows()) entries.emplace_back(row.nativeName);
  return entries;
}

}  // namespace quelmo
