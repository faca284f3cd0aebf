#include "cli/check_command.h"

#include "cli/decoded_file.h"
#include "cli/exit_codes.h"
#include "platform/file_system.h"

namespace quelmo {

int RunCheck(const CheckOptions& options, std::ostream& out) {
  bool all_intact = true;
  for (const auto& path : options.paths) {
    const auto decoded = DecodeSettingFile(PathFromUtf8(path), options.kind, /*reveal=*/false);
    if (!decoded.ok()) {
      // The message already starts with the path.
      out << decoded.message() << "\n";
      all_intact = false;
      continue;
    }
    if (decoded->integrity.intact()) {
      out << path << ": intact\n";
      continue;
    }
    all_intact = false;
    out << path << ": damaged";
    const char* separator = ": ";
    for (const auto& problem : IntegrityProblems(decoded->integrity)) {
      out << separator << problem;
      separator = "; ";
    }
    out << "\n";
  }
  return all_intact ? kExitOk : kExitCheckFailed;
}

}  // namespace quelmo
