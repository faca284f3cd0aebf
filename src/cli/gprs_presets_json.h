#pragma once
// quelmo-cli presets gprs [--country N] [--json]: the built-in GPRS access
// points. JSON is an array of countries in index order, each
// {"country", "name", "operators": [{"operator", "name", "apn", "account",
// "password"}, ...]} with only the offered operators and English names; an
// operator without public data has empty texts.

#include <optional>
#include <ostream>

#include "cli/json_fields.h"

namespace quelmo {

// All countries, or the one asked for (0..41).
Json GprsPresetsJson(std::optional<int> country);

// Prints the table, as JSON or as text; 0, or 2 for a country outside 0..41.
int PrintGprsPresets(std::optional<int> country, bool json, std::ostream& out, std::ostream& err);

}  // namespace quelmo
