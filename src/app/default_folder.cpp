#include "app/default_folder.h"

#include "platform/platform.h"

namespace quelmo {

std::string FormsDefaultFolder(VolumeSource& volumes) {
  // Two cards, or none, leave the choice to the user.
  const auto found = volumes.RemovableVolumes();
  if (found.ok() && found->size() == 1) return found->front().root;
  return DefaultDestinationFolder();
}

}  // namespace quelmo
