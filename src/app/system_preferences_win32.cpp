#include "app/fallback_preferences.h"
#include "app/registry_preference_backend.h"
#include "app/system_preferences.h"

namespace quelmo {

std::unique_ptr<PreferenceBackend> SystemPreferenceBackend() {
  // The machine-wide key where it may be written; the user's own otherwise.
  return std::make_unique<FallbackPreferenceBackend>(
      std::make_unique<RegistryPreferenceBackend>(HKEY_LOCAL_MACHINE),
      std::make_unique<RegistryPreferenceBackend>(HKEY_CURRENT_USER));
}

}  // namespace quelmo
