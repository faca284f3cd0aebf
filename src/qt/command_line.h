#pragma once
// The program's command line:
//   quelmo                                   the launcher and forms
//   quelmo --screenshots DIR [--language N]  every window rendered to PNG
//   quelmo --help | --version
// Options that start with a single dash are left to Qt (-platform, -style).

#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

namespace quelmo {

struct CommandLine {
  bool help = false;
  bool version = false;
  std::optional<std::string> screenshotFolder;
  // LanguageIndex for this run only (1..11); the stored preferences stay.
  std::optional<int> language;
};

// `arguments` without the program's name.
Result<CommandLine> ParseCommandLine(const std::vector<std::string>& arguments);

std::string CommandLineUsage();

// The window system can be reached: a display, a Wayland display, or a Qt
// platform named in QT_QPA_PLATFORM or by -platform. Always true on Windows
// and macOS.
bool DisplayAvailable(const std::vector<std::string>& arguments);

inline constexpr const char* kNoDisplayMessage =
    "quelmo: no display available; use `quelmo --screenshots DIR` to render the windows to PNG, "
    "or `quelmo-cli` to write setting files";

}  // namespace quelmo
