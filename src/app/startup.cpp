#include "app/startup.h"

#include "session/default_language.h"

namespace quelmo {

AppState StartUp(PreferenceStore& preferences, std::uint16_t system_language_id) {
  AppState state;

  // Store failures change nothing here: the run goes on with the defaults.
  const std::uint16_t default_language = DefaultLanguageCode(system_language_id);
  std::uint16_t language = default_language;
  if (!preferences.LoadLanguage(language)) {
    language = default_language;
    (void)preferences.StoreLanguage(language);
  }
  state.languageIndex = language;

  std::uint16_t model = 1;
  if (!preferences.LoadModel(model)) {
    model = 1;
    (void)preferences.StoreModel(model);
  }
  state.modelIndex = model;

  std::uint16_t tv_mode = 0;
  if (!preferences.LoadTvMode(tv_mode)) {
    tv_mode = 0;
    (void)preferences.StoreTvMode(tv_mode);
  }
  state.tvMode = tv_mode;

  if (!preferences.HasCompany()) (void)preferences.StoreCompany();
  return state;
}

}  // namespace quelmo
