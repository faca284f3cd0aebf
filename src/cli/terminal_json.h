#pragma once
// A JSON document as quelmo-cli prints it: indented, a byte that is no UTF-8
// replaced, and the characters EscapeForTerminal escapes written as JSON
// escapes, so that printing it cannot steer a terminal (JSON readers get the
// same texts back).

#include <string>

#include "kind/settings_json.h"

namespace quelmo {

std::string JsonForTerminal(const Json& json, int indent = 2);

}  // namespace quelmo
