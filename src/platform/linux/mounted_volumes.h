#pragma once
// Removable volumes on Linux, from a mount table in the format of
// /proc/self/mounts and a sysfs tree: a mounted /dev device counts when its
// disk's "removable" flag is 1, or when the disk is an SD card in a built-in
// reader (such slots report removable 0, yet hold the cards we are after).
// The paths are parameters so that tests can give a fake table and tree.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/removable_volumes.h"

namespace quelmo {

struct MountEntry {
  std::string device;
  std::string mountPoint;
  std::string type;
};

// One entry per well-formed line; the octal escapes of spaces, tabs, line
// feeds and backslashes in names are undone.
std::vector<MountEntry> ParseMountTable(std::string_view text);

class LinuxVolumeSource final : public VolumeSource {
 public:
  // The first mount table that can be read is used.
  LinuxVolumeSource(std::vector<std::filesystem::path> mount_tables,
                    std::filesystem::path sys_root);

  Result<std::vector<RemovableVolume>> RemovableVolumes() override;

 private:
  std::vector<std::filesystem::path> mount_tables_;
  std::filesystem::path sys_root_;
};

}  // namespace quelmo
