#pragma once
// quelmo-cli show FILE [--json] [--reveal] [--kind KIND]: the settings of a
// setting file and what was found wrong with it.

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_environment.h"
#include "cli/decoded_file.h"
#include "cli/kind_registry.h"
#include "kind/settings_json.h"

namespace quelmo {

struct ShowOptions {
  std::string path;  // UTF-8
  bool json = false;
  bool reveal = false;  // passwords in clear
  FileKind kind = nullptr;  // --kind; null: recognised
};

// 0 when a report was printed (however damaged the file), 2 when the file
// could not be read or its kind not told.
int RunShow(const ShowOptions& options, const CliEnvironment& environment, std::ostream& out,
            std::ostream& err);

// {"file", ["default"], "settings", "integrity", "problems", "warnings"}
Json ShowJson(const DecodedFile& decoded);

}  // namespace quelmo
