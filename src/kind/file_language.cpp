#include "kind/file_language.h"

namespace quelmo {

void ReadFileLanguage(JsonFieldReader& reader, bool stores_tv_mode, FileLanguage& language) {
  reader.Integer(kCameraLanguageKey, kMinCameraLanguage, kMaxCameraLanguage, language.cameraLanguage);
  if (stores_tv_mode) reader.Integer(kTvModeKey, 0, kMaxTvMode, language.tvMode);
}

ResolvedLanguage ResolveFileLanguage(const FileLanguage& from_command_line,
                                     const FileLanguage& from_settings) {
  ResolvedLanguage resolved;
  resolved.cameraLanguage = from_command_line.cameraLanguage.value_or(
      from_settings.cameraLanguage.value_or(kDefaultCameraLanguage));
  resolved.tvMode =
      from_command_line.tvMode.value_or(from_settings.tvMode.value_or(kDefaultTvMode));
  return resolved;
}

}  // namespace quelmo
