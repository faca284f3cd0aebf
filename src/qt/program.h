#pragma once
// A whole run of the program once QApplication exists: start-up from the
// stored preferences, then either the turns of launchers and forms until the
// user is done, or the screenshots.

class QApplication;

namespace quelmo {

struct CommandLine;

// The process's exit status: 0 when the run ended as the user chose.
int RunProgram(QApplication& app, const CommandLine& line);

}  // namespace quelmo
