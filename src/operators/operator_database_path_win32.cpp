#include <windows.h>

#include <string>

#include "operators/operator_database_loader.h"

namespace quelmo {
namespace {

std::filesystem::path ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path).parent_path();
    }
    path.resize(path.size() * 2);  // a long path: try again with room for it
  }
}

}  // namespace

std::filesystem::path OperatorDatabasePath() {
  // The variable is read as UTF-16: a folder name may hold any character.
  if (const wchar_t* chosen = _wgetenv(L"QUELMO_OPERATOR_DATABASE"); chosen && *chosen) {
    return std::filesystem::path(chosen);
  }
  // The zip ships the file beside quelmo.exe and quelmo-cli.exe.
  return ProgramFolder() / L"serviceproviders.xml";
}

std::string OperatorDatabaseSource() {
  return "it comes beside quelmo.exe in the zip, or QUELMO_OPERATOR_DATABASE names another copy";
}

std::filesystem::path CountryNameCataloguePath(std::string_view locale) {
  return ProgramFolder() / L"locale" / std::string(locale) / L"LC_MESSAGES" / L"iso_3166-1.mo";
}

}  // namespace quelmo
