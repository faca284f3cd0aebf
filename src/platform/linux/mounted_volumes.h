#pragma once
// Removable volumes on Linux, from a mount table in the format of
// /proc/self/mountinfo and a sysfs tree. A mount counts when it shows the
// whole file system of a block device (found by its device number, never by
// the name the mounter gave) whose disk's "removable" flag is 1, or whose
// disk is an SD card in a built-in reader (such slots report removable 0, yet
// hold the cards we are after), and when nothing mounted later covers it.
// The paths are parameters so that tests can give a fake table and tree.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/removable_volumes.h"

namespace quelmo {

struct MountEntry {
  std::string deviceNumber;  // "8:17": the file system's device, major:minor
  std::string root;          // the folder of the file system mounted: "/" for all of it
  std::string mountPoint;
  std::string type;
};

// One entry per well-formed line; the octal escapes of spaces, tabs, line
// feeds and backslashes in names are undone.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// The entries whose mount point is still reachable: an entry is covered by
// any later one mounted at the same folder or at a folder above it.
std::vector<MountEntry> UncoveredMounts(const std::vector<MountEntry>& entries);

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
