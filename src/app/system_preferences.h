#pragma once
// Where this system keeps the program's preference key: the registry on
// Windows, a file under the user's configuration folder elsewhere.

#include <memory>

#include "session/preference_store.h"

namespace quelmo {

std::unique_ptr<PreferenceBackend> SystemPreferenceBackend();

}  // namespace quelmo
