#pragma once
// quelmo-cli write KIND --out DIR [--settings FILE.json] [--default]
//                   [--language N] [--camera-language N] [--tv-mode N]
//
// Builds the settings as a freshly opened form holds them, applies the
// settings file, runs the form's save-time checks and writes the file.

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_environment.h"
#include "cli/file_kind.h"
#include "cli/file_language.h"

namespace quelmo {

struct WriteOptions {
  FileKind kind = FileKind::kCamera;
  std::string outFolder;                    // UTF-8
  std::optional<std::string> settingsPath;  // UTF-8
  bool writeDefault = false;
  int language = 2;          // LanguageIndex of the check messages
  FileLanguage overrides;    // --camera-language, --tv-mode
};

// Returns the exit status (exit_codes.h).
int RunWrite(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
             std::ostream& err);

}  // namespace quelmo
