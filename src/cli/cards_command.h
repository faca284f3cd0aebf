#pragma once
// quelmo-cli cards: the removable volumes mounted, each with its mount point,
// device and size, and the setting files it holds with their state.

#include <ostream>

#include "cli/cli_environment.h"

namespace quelmo {

// 0 listed (no card is no error); 1 a setting file on a card is not intact;
// 2 the volumes cannot be listed.
int RunCards(const CliEnvironment& environment, std::ostream& out, std::ostream& err);

}  // namespace quelmo
