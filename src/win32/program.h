#pragma once
// quelmo.exe once its command line is read: the windows, or the screenshots.

#include "app/program_options.h"

namespace quelmo {

// The exit code.
int RunProgram(const CommandLine& line);

}  // namespace quelmo
