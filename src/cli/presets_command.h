#pragma once
// quelmo-cli presets KIND [--country N] [--json]
//
// Lists the built-in operator presets: what Auto mode writes for each country
// and operator. One listing function per kind of preset.

#include <optional>
#include <ostream>
#include <string>

namespace quelmo {

struct PresetsOptions {
  std::string kind;            // "mms" or "gprs"
  std::optional<int> country;  // only this country
  bool json = false;
};

// Returns the exit status (exit_codes.h).
int RunPresets(const PresetsOptions& options, std::ostream& out, std::ostream& err);

// Auto mode of the MMS form: countries in file order, each with its offered
// operators and their six parameters.
int ListMmsPresets(std::optional<int> country, bool json, std::ostream& out, std::ostream& err);

}  // namespace quelmo
