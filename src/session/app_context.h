#pragma once
// What a window's logic is given when it is made: the shared state and the
// services behind the platform layer. Tests fill it with fakes.

#include <optional>
#include <string>

#include "controls/local_clock.h"
#include "operators/network_2g_getter.h"
#include "operators/operator_database_getter.h"
#include "platform/file_system.h"
#include "session/app_state.h"
#include "session/preference_store.h"
#include "work/background_runner.h"

namespace quelmo {

struct AppContext {
  AppState& state;
  PreferenceStore& preferences;
  FileSystem& files;
  const LocalClock& clock;
  // The folder a form shows until the user picks another.
  std::string defaultFolder;
  // The operator finder's database, asked for when the finder opens; none:
  // the system's (SystemOperatorDatabase).
  OperatorDatabaseGetter operatorDatabase = {};
  // The country the finder shows first; none: the system's region.
  std::optional<std::string> operatorRegion = {};
  // The finder's 2G table; none: the one built into the program.
  Network2gGetter network2g = {};
  // Runs slow work off the window's thread; null in a host that has none.
  BackgroundRunner* background = nullptr;
};

}  // namespace quelmo
