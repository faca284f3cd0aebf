#include "platform/windows/extended_path.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace quelmo {
namespace {

// CreateDirectoryW's limit, the lowest of the file calls (MAX_PATH - 12).
constexpr std::size_t kLongestPlainPath = 247;

constexpr std::wstring_view kExtendedPrefix = L"\\\\?\\";
constexpr std::wstring_view kExtendedUncPrefix = L"\\\\?\\UNC\\";

// What Windows itself makes of a path before use: absolute, "/" turned to
// "\", "." and ".." resolved. Empty when it cannot.
std::wstring FullPathOf(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return {};
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return {};
  full.resize(length);
  return full;
}

}  // namespace

std::wstring Win32PathOf(const std::filesystem::path& path) {
  const std::wstring& native = path.native();
  if (native.size() <= kLongestPlainPath || native.starts_with(kExtendedPrefix)) return native;
  const std::wstring full = FullPathOf(native);
  // Device paths ("\\.\...") have no extended form.
  if (full.empty() || full.starts_with(L"\\\\.\\")) return native;
  if (full.starts_with(L"\\\\")) return std::wstring(kExtendedUncPrefix) + full.substr(2);
  return std::wstring(kExtendedPrefix) + full;
}

}  // namespace quelmo
