#pragma once
// Small services that differ between Windows and other systems.

#include <cstdint>
#include <string>
#include <string_view>

namespace quelmo {

// The system's default language identifier (a Windows LANGID: 0x0804 Chinese
// PRC, 0x0407 German, 0x1407 German Liechtenstein, 0x0409 English US, ...).
// On POSIX systems it is derived from LC_ALL, LC_MESSAGES, then LANG; no
// locale, "C" or "POSIX" counts as English (0x0409).
std::uint16_t SystemDefaultLanguageId();

// The Windows LANGID of a POSIX locale name such as "zh_CN.UTF-8" (0x0804),
// "de_LI" (0x1407) or "de" (0x0407). A known language with an unknown or no
// territory gives that language's main identifier; "C", "POSIX", "" and
// unknown languages give English US (0x0409). POSIX builds only.
std::uint16_t LanguageIdFromLocale(std::string_view locale);

// The two-letter code of the user's region, in lower case ("gb"); empty
// when the system names none. On POSIX systems the territory of LC_ALL,
// LC_MESSAGES, then LANG; on Windows the user's locale's country.
std::string SystemRegionCode();

// The territory of a POSIX locale name in lower case: "gb" for
// "en_GB.UTF-8"; empty for "C", "POSIX", "de" or a territory that is not two
// letters. POSIX builds only.
std::string RegionFromLocale(std::string_view locale);

// The folder a form writes into until the user picks another: "C:\" on
// Windows, the user's home folder elsewhere.
std::string DefaultDestinationFolder();

}  // namespace quelmo
