#pragma once
// quelmo-cli export DIR [--reveal]: the setting files in DIR as one profile
// (profile.h) on standard output, for import into other cards.

#include <ostream>
#include <string>

#include "cli/cli_environment.h"

namespace quelmo {

struct ExportOptions {
  std::string folder;   // UTF-8; "card": the one card mounted
  bool reveal = false;  // passwords in clear, as import needs them
};

// 0 every file present exported intact; 1 a file is damaged or unreadable
// (what could be read is still exported), or mms.dat or gprs.dat looks like
// the other one (not exported); 2 no setting file, or no folder.
int RunExport(const ExportOptions& options, const CliEnvironment& environment, std::ostream& out,
              std::ostream& err);

}  // namespace quelmo
