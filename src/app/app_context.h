#pragma once
// What a window's logic is given when it is made: the shared state and the
// services behind the platform layer. Tests fill it with fakes.

#include <string>

#include "app/app_state.h"
#include "app/preference_store.h"
#include "controls/local_clock.h"
#include "platform/file_system.h"
#include "work/background_runner.h"

namespace quelmo {

struct AppContext {
  AppState& state;
  PreferenceStore& preferences;
  FileSystem& files;
  const LocalClock& clock;
  // The folder a form shows until the user picks another.
  std::string defaultFolder;
  // Runs slow work off the window's thread; null in a host that has none.
  BackgroundRunner* background = nullptr;
};

}  // namespace quelmo
