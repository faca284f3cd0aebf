#pragma once
// The configurator's command line, the same for every host:
//   quelmo                                   the launcher and forms
//   quelmo --screenshots DIR [--language N]  every window rendered to images
//   quelmo --help | --version
// Options that start with a single dash are left to the window toolkit
// (-platform, -style).

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

}  // namespace quelmo
