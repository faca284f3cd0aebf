#pragma once
// quelmo-cli presets KIND [--country N] [--json]
//
// Lists the built-in operator presets of a kind with an Auto mode: what it
// writes for each country and operator, as the kind's description gives them.

#include <optional>
#include <ostream>
#include <string>

#include "cli/kind_registry.h"

namespace quelmo {

struct PresetsOptions {
  std::string kind;            // a KIND whose description has presets
  std::optional<int> country;  // only this country
  bool json = false;
};

// Returns the exit status (exit_codes.h).
int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err);

}  // namespace quelmo
