#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <iterator>

namespace quelmo {

std::uint16_t SystemDefaultLanguageId() { return GetSystemDefaultLangID(); }

std::string SystemRegionCode() {
  wchar_t country[16] = {};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, country,
                                     static_cast<int>(std::size(country)));
  // A region without a two-letter code (a UN M.49 number such as "029") is none.
  if (length != 3) return {};
  std::string code;
  for (int i = 0; i < 2; ++i) {
    const wchar_t c = country[i];
    if (c >= L'A' && c <= L'Z') code += static_cast<char>(c - L'A' + 'a');
    else if (c >= L'a' && c <= L'z') code += static_cast<char>(c);
    else return {};
  }
  return code;
}

std::string DefaultDestinationFolder() { return "C:\\"; }

}  // namespace quelmo
