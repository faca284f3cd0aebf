#include <cstdlib>

#include "app/file_preference_backend.h"
#include "app/system_preferences.h"
#include "platform/platform.h"

namespace quelmo {

std::unique_ptr<PreferenceBackend> SystemPreferenceBackend() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  return std::make_unique<FilePreferenceBackend>(
      PreferenceFolderFrom(xdg != nullptr ? xdg : "", DefaultDestinationFolder()),
      SystemFileSystem());
}

}  // namespace quelmo
