#include "cli/cards_command.h"

#include "cli/decoded_file.h"
#include "cli/exit_codes.h"
#include "cli/kind_registry.h"
#include "cli/out_folder.h"

namespace quelmo {
namespace {

// "intact", or "damaged: <each fault>", and a warning when mms.dat or
// gprs.dat looks like the other; false when not intact.
bool DescribeFile(FileSystem& files, const std::filesystem::path& path, FileKind kind,
                  std::ostream& out) {
  const auto decoded = DecodeSettingFile(files, path, kind, /*reveal=*/false);
  if (!decoded.ok()) {
    out << "unreadable: " << decoded.message() << "\n";
    return false;
  }
  const bool intact = decoded->integrity.intact();
  if (intact) {
    out << (decoded->isDefault ? "intact, the default file" : "intact");
  } else {
    out << "damaged";
    const char* separator = ": ";
    for (const auto& problem : IntegrityProblems(decoded->integrity)) {
      out << separator << problem;
      separator = "; ";
    }
  }
  if (!decoded->ContentFitsKind()) out << "; warning: " << ContentWarning(*decoded);
  out << "\n";
  return intact;
}

}  // namespace

int RunCards(const CliEnvironment& environment, std::ostream& out, std::ostream& err) {
  auto volumes = environment.volumes.RemovableVolumes();
  if (!volumes.ok()) {
    err << "quelmo-cli cards: " << volumes.message() << "\n";
    return kExitBadInput;
  }
  if (volumes->empty()) out << "No removable volume is mounted.\n";
  bool all_intact = true;
  for (const RemovableVolume& volume : *volumes) {
    out << DescribeVolume(volume) << "\n";
    bool any_file = false;
    for (FileKind kind : AllFileKinds()) {
      const std::filesystem::path path = PathFromUtf8(volume.root) / kind->fileName;
      if (!environment.files.Exists(path)) continue;
      any_file = true;
      out << "  " << kind->fileName << ": ";
      all_intact = DescribeFile(environment.files, path, kind, out) && all_intact;
    }
    if (!any_file) out << "  no setting files\n";
  }
  return all_intact ? kExitOk : kExitCheckFailed;
}

}  // namespace quelmo
