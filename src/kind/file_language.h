#pragma once
// The two values a setting file takes from the application state rather than
// from the form: the camera's language and the TV mode. A settings file may
// carry them (show prints them as stored); --camera-language and --tv-mode
// override them; otherwise the defaults apply.

#include <optional>
#include <string_view>

#include "kind/field_table.h"
#include "kind/settings_json.h"

namespace quelmo {

inline constexpr int kDefaultCameraLanguage = 2;  // English: no stored preferences yet
inline constexpr int kDefaultTvMode = 0;
inline constexpr int kMinCameraLanguage = 1;
inline constexpr int kMaxCameraLanguage = 11;
inline constexpr int kMaxTvMode = 255;  // the files store its low byte

struct FileLanguage {
  std::optional<int> cameraLanguage;
  std::optional<int> tvMode;
};

// Reads the camera language and, when the file kind stores it, the TV mode.
void ReadFileLanguage(JsonFieldReader& reader, bool stores_tv_mode, FileLanguage& language);

// Command-line values first, then the settings file's, then the defaults.
struct ResolvedLanguage {
  int cameraLanguage = kDefaultCameraLanguage;
  int tvMode = kDefaultTvMode;
};
ResolvedLanguage ResolveFileLanguage(const FileLanguage& from_command_line,
                                     const FileLanguage& from_settings);

}  // namespace quelmo
