#pragma once
// quelmo-cli write KIND --out DIR [--settings FILE.json] [--default]
//                   [--operator CC:NAME]
//                   [--language N] [--camera-language N] [--tv-mode N]
//
// Builds the settings as a freshly opened form holds them, applies the
// settings file (and the operator's Customer values over it), runs the
// form's save-time checks and writes the file.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/cli_environment.h"
#include "cli/kind_registry.h"
#include "kind/file_language.h"
#include "cli/settings_document.h"

namespace quelmo {

struct WriteOptions {
  FileKind kind = nullptr;  // set before use
  std::string outFolder;                    // UTF-8; "card": the one card mounted (out_folder.h)
  std::optional<std::string> settingsPath;  // UTF-8
  bool writeDefault = false;
  int language = 2;          // LanguageIndex of the check messages
  FileLanguage overrides;    // --camera-language, --tv-mode
  std::optional<std::string> operatorChoice;  // --operator CC:NAME
};

// A setting file made ready from a settings document: its settings read and
// the form's save checks passed, so that nothing is left to refuse but the
// disk. write and import both go through it.
struct PreparedWrite {
  int refusal = 0;      // kExitBadInput or kExitCheckFailed when the file cannot be written
  std::string message;  // why not; for a failed save check, the form's own message
  // The file as it is to be on disk, and for mms.dat, gprs.dat and sms.dat
  // the scratch file's bytes on the way (file_batch.h); set when not refused.
  std::vector<std::uint8_t> bytes;
  std::vector<std::uint8_t> staging;
};

// `options.kind`, `writeDefault`, `language` and `overrides` apply; the
// camera clock starts as `clock` tells it.
PreparedWrite PrepareWrite(const WriteOptions& options, const SettingsDocument& document,
                           const LocalClock& clock);

// Returns the exit status (exit_codes.h).
int RunWrite(const WriteOptions& options, const CliEnvironment& environment, std::ostream& out,
             std::ostream& err);

}  // namespace quelmo
