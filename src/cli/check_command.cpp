#include "cli/check_command.h"

#include "cli/decoded_file.h"
#include "cli/exit_codes.h"
#include "platform/file_system.h"
#include "text/terminal_text.h"

namespace quelmo {

int RunCheck(const CheckOptions& options, const CliEnvironment& environment, std::ostream& out) {
  bool all_intact = true;
  for (const auto& path : options.paths) {
    const auto decoded = DecodeSettingFile(environment.files, PathFromUtf8(path), options.kind, /*reveal=*/false);
    if (!decoded.ok()) {
      // The message already starts with the path, which a card's files may
      // name with any byte: one file stays one line.
      out << EscapeForTerminal(decoded.message()) << "\n";
      all_intact = false;
      continue;
    }
    const FileIntegrity& integrity = decoded->integrity;
    const bool intact = integrity.intact();
    all_intact = all_intact && intact;
    out << EscapeForTerminal(path) << (intact ? ": intact" : ": damaged");
    const char* separator = ": ";
    for (const auto& problem : IntegrityProblems(integrity)) {
      out << separator << problem;
      separator = "; ";
    }
    for (const auto& warning : integrity.warnings) out << "; warning: " << warning;
    out << "\n";
  }
  return all_intact ? kExitOk : kExitCheckFailed;
}

}  // namespace quelmo
