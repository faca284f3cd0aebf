#include "platform/platform.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <iterator>

namespace quelmo {

std::uint16_t SystemDefaultLanguageId() { return GetSystemDefaultLangID(); }

namespace {

// "GB" (with its terminating zero, 3) as two lower-case letters; empty for
// anything else, such as a UN M.49 number ("029").
std::string TwoLetterCode(const wchar_t* text, int length) {
  if (length != 3) return {};
  std::string code;
  for (int i = 0; i < 2; ++i) {
    const wchar_t c = text[i];
    if (c >= L'A' && c <= L'Z') code += static_cast<char>(c - L'A' + 'a');
    else if (c >= L'a' && c <= L'z') code += static_cast<char>(c);
    else return {};
  }
  return code;
}

}  // namespace

std::string SystemRegionCode() {
  // The user's "Country or region" setting, on the systems that have it
  // (Windows 10 1709 and later); else the country of the user's locale.
  using GeoNameFunction = int(WINAPI*)(LPWSTR, int);
  wchar_t country[16] = {};
  if (HMODULE kernel = GetModuleHandleW(L"kernel32.dll")) {
    const auto geo_name = reinterpret_cast<GeoNameFunction>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetUserDefaultGeoName")));
    if (geo_name != nullptr) {
      std::string code = TwoLetterCode(country, geo_name(country, static_cast<int>(std::size(country))));
      if (!code.empty()) return code;
    }
  }
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SISO3166CTRYNAME, country,
                                     static_cast<int>(std::size(country)));
  return TwoLetterCode(country, length);
}

std::string DefaultDestinationFolder() { return "C:\\"; }

}  // namespace quelmo
