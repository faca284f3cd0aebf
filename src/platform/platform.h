#pragma once
// Small services that differ between Windows and other systems.

#include <cstdint>
#include <string>

namespace quelmo {

// The system's default language identifier (a Windows LANGID: 0x0804 Chinese
// PRC, 0x0407 German, 0x1407 German Liechtenstein, 0x0409 English US, ...).
// On POSIX systems it is derived from LC_ALL, LC_MESSAGES, then LANG; no
// locale, "C" or "POSIX" counts as English (0x0409).
std::uint16_t SystemDefaultLanguageId();

// The folder a form writes into until the user picks another: "C:\" on
// Windows, the user's home folder elsewhere.
std::string DefaultDestinationFolder();

}  // namespace quelmo
