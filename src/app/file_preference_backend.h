#pragma once
// The preference key kept as a small text file, for systems without a
// registry. The file keeps what the registry would: the key path, and each
// value's name, type and exact data bytes, so the rules of the eight
// operations hold unchanged:
//
//   key=Software\Microsoft\Windows\CurrentVersion\App Paths\Quelmo.exe
//   language REG_DWORD 4 02000000
//   Company REG_SZ 260 5175656c6d6f...0000
//
// A missing file is a missing key. A line that cannot be read is dropped (its
// value counts as missing) and every other value is kept. A file that cannot
// be read at all, or a folder that may not be written, makes the key
// impossible to open, as an unwritable registry key is. Every change rewrites
// the file atomically.

#include <filesystem>
#include <memory>
#include <string_view>

#include "app/preference_store.h"
#include "platform/file_system.h"

namespace quelmo {

inline constexpr std::string_view kPreferenceFileName = "preferences";

class FilePreferenceBackend final : public PreferenceBackend {
 public:
  FilePreferenceBackend(std::filesystem::path folder, FileSystem& files);

  std::unique_ptr<PreferenceKey> Open() override;
  bool Create() override;

  std::filesystem::path FilePath() const { return folder_ / kPreferenceFileName; }

 private:
  std::filesystem::path folder_;
  FileSystem& files_;
};

// $XDG_CONFIG_HOME/quelmo when that is an absolute path, else
// <home>/.config/quelmo.
std::filesystem::path PreferenceFolderFrom(std::string_view xdg_config_home, std::string_view home);

}  // namespace quelmo
