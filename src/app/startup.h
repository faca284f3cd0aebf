#pragma once
// The start of a run: the shared state settled from the stored preferences
// and the system's default language, with the defaults of missing values
// stored on the way.

#include <cstdint>

#include "session/app_state.h"
#include "session/preference_store.h"

namespace quelmo {

// Loads language, model, TV mode and company in that order, storing the
// default of each that does not load. Every language shows its own texts on
// any system.
AppState StartUp(PreferenceStore& preferences, std::uint16_t system_language_id);

}  // namespace quelmo
