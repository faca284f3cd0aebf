#pragma once
// What one run of the program holds besides its windows: the preference
// store over its backend, the shared state settled by start-up, and the
// services the forms use. The windows get its AppContext.

#include <cstdint>
#include <memory>
#include <optional>

#include "session/app_context.h"
#include "session/app_state.h"
#include "session/preference_store.h"

namespace quelmo {

class ProgramSession {
 public:
  // Runs start-up against `backend`. `language`: a LanguageIndex for this
  // run only, which the stored preferences never see.
  ProgramSession(std::unique_ptr<PreferenceBackend> backend, std::uint16_t system_language_id,
                 std::optional<int> language = std::nullopt);
  ProgramSession(const ProgramSession&) = delete;
  ProgramSession& operator=(const ProgramSession&) = delete;

  AppContext& Context() { return context_; }
  AppState& State() { return state_; }

 private:
  std::unique_ptr<PreferenceBackend> backend_;
  PreferenceStore store_;
  AppState state_;
  AppContext context_;
};

// A backend that reads the stored preferences but never changes them.
std::unique_ptr<PreferenceBackend> ReadOnlyPreferences(std::unique_ptr<PreferenceBackend> backend);

}  // namespace quelmo
