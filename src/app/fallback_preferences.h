#pragma once
// Preferences that a user without administrator rights keeps. The program's
// key lies beneath HKEY_LOCAL_MACHINE, which such a user may read but not
// write; their values then go to the same key path beneath
// HKEY_CURRENT_USER. Loading prefers the user's own values and falls back to
// the machine's, so a machine set up earlier keeps its values; a store goes
// to the user's key once that exists (where loading will look first), else
// to the machine's key when it may be written, else to a user's key made for
// it.

#include <memory>

#include "session/preference_store.h"

namespace quelmo {

class FallbackPreferenceBackend final : public PreferenceBackend {
 public:
  FallbackPreferenceBackend(std::unique_ptr<PreferenceBackend> machine,
                            std::unique_ptr<PreferenceBackend> user);

  // A key as long as either key exists; its stores follow the rules above.
  std::unique_ptr<PreferenceKey> Open() override;
  // The machine's key when it may be made, else the user's.
  bool Create() override;

 private:
  std::unique_ptr<PreferenceBackend> machine_;
  std::unique_ptr<PreferenceBackend> user_;
};

}  // namespace quelmo
