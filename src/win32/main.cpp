// quelmo.exe: the configurator's native Windows windows. A program of the
// windows subsystem: --help, --version and errors go to the console it was
// started from, if any.

#include <cstdio>
#include <string>
#include <vector>

#include "app/program_options.h"
#include "platform/command_line.h"
#include "win32/program.h"
#include "win32/win32_api.h"

namespace {

// Output redirected to a file or pipe is kept; otherwise the console of the
// command prompt that started the program, when there is one.
void UseParentConsole() {
  const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
  (void)std::freopen("CONOUT$", "w", stdout);
  (void)std::freopen("CONOUT$", "w", stderr);
}

}  // namespace

int main(int argc, char** argv) {
  UseParentConsole();
  const std::vector<std::string> arguments = quelmo::Utf8Arguments(argc, argv);
  const quelmo::Result<quelmo::CommandLine> line = quelmo::ParseCommandLine(arguments);
  if (!line) {
    std::fprintf(stderr, "quelmo: %s\n%s", line.message().c_str(),
                 quelmo::CommandLineUsage().c_str());
    return 2;
  }
  if (line->version) {
    std::printf("quelmo %s\n", QUELMO_VERSION);
    return 0;
  }
  if (line->help) {
    std::fputs(quelmo::CommandLineUsage().c_str(), stdout);
    return 0;
  }
  return quelmo::RunProgram(*line);
}
