#pragma once
// A whole run of the program once QApplication exists: start-up from the
// stored preferences, then either the turns of launchers and forms until the
// user is done, or the screenshots.

namespace quelmo {

class GuardedApplication;
struct CommandLine;

// The process's exit status: 0 when the run ended as the user chose.
int RunProgram(GuardedApplication& app, const CommandLine& line);

}  // namespace quelmo
