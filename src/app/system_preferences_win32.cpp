#include "app/registry_preference_backend.h"
#include "app/system_preferences.h"

namespace quelmo {

std::unique_ptr<PreferenceBackend> SystemPreferenceBackend() {
  return std::make_unique<RegistryPreferenceBackend>(HKEY_LOCAL_MACHINE);
}

}  // namespace quelmo
