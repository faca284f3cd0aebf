// quelmo: the configurator's windows. Everything but the checks that must
// come before the window system is reached lives in the host library.

#include <QApplication>

#include <cstdio>
#include <string>
#include <vector>

#include "qt/command_line.h"
#include "qt/guarded_application.h"
#include "qt/program.h"

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
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
  if (line->screenshotFolder) {
    // Screenshots never need a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  } else if (!quelmo::DisplayAvailable(arguments)) {
    std::fprintf(stderr, "%s\n", quelmo::kNoDisplayMessage);
    return 1;
  }

  quelmo::GuardedApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quelmo"));
  return quelmo::RunProgram(app, *line);
}
