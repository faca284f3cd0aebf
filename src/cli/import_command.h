#pragma once
// quelmo-cli import PROFILE --out DIR [--language N] [--clock-now]: writes
// every kind of a profile (profile.h) into DIR. Every kind passes the form's
// save checks before anything is written; the files are then written as one
// save (record/file_batch.h): every place looked at first, every new file
// made beside its old one, and only then all renamed into place.

#include <ostream>
#include <string>

#include "cli/cli_environment.h"

namespace quelmo {

struct ImportOptions {
  std::string profilePath;  // UTF-8
  std::string outFolder;    // UTF-8; "card": the one card mounted
  int language = 2;         // LanguageIndex of the check messages
  bool clockNow = false;    // the camera clock from the time of the import, not the profile
};

// 0 every file written; 1 a kind failed its save check (nothing written);
// 2 bad usage or profile (nothing written); 3 a write failed (the message
// says which files were written and which were not).
int RunImport(const ImportOptions& options, const CliEnvironment& environment, std::ostream& out,
              std::ostream& err);

}  // namespace quelmo
