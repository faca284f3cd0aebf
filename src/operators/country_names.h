#pragma once
// The name of a country by its two-letter code, for the lists that show the
// operator database's countries: in English, or in the language of the
// windows from the system's own translations of the ISO 3166-1 names (the
// iso-codes package's gettext domain iso_3166-1), as desktop programs do.

#include <functional>
#include <string>
#include <string_view>

#include "text/mo_catalogue.h"

namespace quelmo {

// "United Kingdom" for "gb" (letter case aside); a code without a name is
// shown as it is, in capitals ("ZZ").
std::string CountryNameOf(std::string_view code);

// The name in `translations` (a country's short name first, then its ISO
// name), else the English name.
std::string CountryNameIn(std::string_view code, const MoCatalogue& translations);

// The system's translations for a language code of the windows, read on the
// first call for that language (never at start-up); empty for English, and
// where the system has none or the file is not sound, so that names show in
// English.
const MoCatalogue& CountryNameTranslations(int language);

// Where a window gets the country names' translations from: the system's
// (CountryNameTranslations) in the program, its own in tests. What it gives
// must outlive the window.
using CountryNamesGetter = std::function<const MoCatalogue&(int language)>;

}  // namespace quelmo
