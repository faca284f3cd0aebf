#pragma once
// quelmo-cli check FILE... [--kind KIND]: one line per file, "intact" or
// "damaged: <what is wrong>", followed by "; warning: <what is unusual>" for
// each unusual value found under a sound frame.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_environment.h"
#include "cli/kind_registry.h"

namespace quelmo {

struct CheckOptions {
  std::vector<std::string> paths;  // UTF-8
  FileKind kind = nullptr;  // --kind; null: recognised
};

// 0 when every file is intact (warnings or not), 1 otherwise: damage is the
// size, the line ends or the check value; a file that cannot be read or
// recognised is not intact either.
int RunCheck(const CheckOptions& options, const CliEnvironment& environment, std::ostream& out);

}  // namespace quelmo
