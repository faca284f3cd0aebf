#pragma once
// quelmo-cli: write, show and check setting files from the command line, and
// copy a card's whole set-up to other cards.
// The commands run in-process on the given streams; `args` are the
// arguments after the program name. Returns the exit status (exit_codes.h).

#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_environment.h"

namespace quelmo {

int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err);
int RunCli(std::vector<std::string> args, std::ostream& out, std::ostream& err,
           const CliEnvironment& environment);

}  // namespace quelmo
