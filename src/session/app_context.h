#pragma once
// What a window's logic is given when it is made: the shared state and the
// services behind the platform layer. Tests fill it with fakes.

#include <functional>
#include <string>

#include "controls/local_clock.h"
#include "operators/country_names.h"
#include "operators/network_2g.h"
#include "operators/network_2g_getter.h"
#include "operators/operator_database_getter.h"
#include "operators/operator_database_loader.h"
#include "platform/file_system.h"
#include "platform/platform.h"
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
  // The services of the "Find operator…" window, each asked for when the
  // window opens; the system's unless a test gives its own. The database:
  OperatorDatabaseGetter operatorDatabase = [] { return SystemOperatorDatabase(); };
  // the two-letter code of the country shown first;
  std::function<std::string()> operatorRegion = [] { return SystemRegionCode(); };
  // the 2G table;
  Network2gGetter network2g = [] { return BuiltInNetwork2gTable(); };
  // the countries' names in the windows' language.
  CountryNamesGetter countryNames = [](int language) -> const MoCatalogue& {
    return CountryNameTranslations(language);
  };
  // Runs slow work off the window's thread; null in a host that has none.
  BackgroundRunner* background = nullptr;
};

}  // namespace quelmo
