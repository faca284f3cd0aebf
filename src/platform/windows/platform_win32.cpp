#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace quelmo {

std::uint16_t SystemDefaultLanguageId() { return GetSystemDefaultLangID(); }

std::string DefaultDestinationFolder() { return "C:\\"; }

}  // namespace quelmo
