#pragma once
// The languages of the windows: one row per language (po/languages.txt),
// each with its catalogue of translations (po/<catalogue>.po), built into the
// program. The English text is the key of every translation; English itself
// has no catalogue.

#include <cstddef>
#include <span>
#include <string_view>

namespace quelmo {

struct CatalogueEntry {
  std::string_view context;  // empty for most texts
  std::string_view english;
  std::string_view translation;
};

struct LanguageRow {
  int code;        // what the preferences store: 1 Chinese, 2 English, 3 German...
  int cameraByte;  // what the setting files tell the camera
  std::string_view catalogue;  // "de" for po/de.po; empty for English
  std::string_view locale;     // the language in Qt's and iso-codes' translations
  std::string_view nativeName;  // "Deutsch"
  std::span<const CatalogueEntry> texts;  // sorted by context, then English text
};

// Every row, in the order of their codes (generated from po/languages.txt).
std::span<const LanguageRow> LanguageRows();

// How many texts the template (po/quelmo.pot) holds.
std::size_t TemplateTextCount();

// The row of a code; nullptr for a code no row has.
const LanguageRow* FindLanguage(int code);

}  // namespace quelmo
