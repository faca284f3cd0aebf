#include "cli/out_folder.h"

#include "platform/file_system.h"
#include "text/terminal_text.h"

namespace quelmo {

std::string DescribeVolume(const RemovableVolume& volume) {
  return EscapeForTerminal(volume.root) + " (" + EscapeForTerminal(volume.device) + ", " +
         VolumeSizeText(volume.sizeBytes) + ")";
}

Result<std::filesystem::path> ResolveOutFolder(std::string_view folder, VolumeSource& volumes) {
  if (folder != kCardFolder) return PathFromUtf8(folder);
  auto found = volumes.RemovableVolumes();
  if (!found.ok()) {
    return Error{found.error().code, "\"card\" names the card mounted, but the cards cannot be "
                                     "listed: " + found.message()};
  }
  if (found->size() == 1) return PathFromUtf8(found->front().root);
  if (found->empty()) {
    return Error{ErrorCode::kNotFound,
                 "\"card\" names the card mounted, but no removable volume is mounted; insert "
                 "the card, or give its folder (\"./card\" for a folder named card)"};
  }
  std::string listed;
  for (const RemovableVolume& volume : *found) listed += "\n  " + DescribeVolume(volume);
  return Error{ErrorCode::kInvalidArgument,
               "\"card\" names the card mounted, but " + std::to_string(found->size()) +
                   " removable volumes are mounted; give the folder of one of them:" + listed};
}

}  // namespace quelmo
