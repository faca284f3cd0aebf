#pragma once
// The preference key in the Windows registry: kPreferenceKeyPath under a root
// key, HKEY_LOCAL_MACHINE for the program. Tests pass a scratch key of their
// own as the root.

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <memory>

#include "session/preference_store.h"

namespace quelmo {

class RegistryPreferenceBackend final : public PreferenceBackend {
 public:
  // `root` stays the caller's: it is neither copied nor closed.
  explicit RegistryPreferenceBackend(HKEY root = HKEY_LOCAL_MACHINE);

  // Read and write access together, also for a key only read: a key that may
  // not be written counts as missing, so every load fails and the program
  // runs on its defaults.
  std::unique_ptr<PreferenceKey> Open() override;
  std::unique_ptr<PreferenceKey> OpenForReading() override;
  bool Create() override;

 private:
  HKEY root_;
};

}  // namespace quelmo
