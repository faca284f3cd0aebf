#pragma once
// Removable volumes on Windows, from the drive letters: a letter counts when
// the system calls its drive removable and a medium is in it (an empty card
// reader has a letter too). The probe is a parameter so that the choice can
// be tested on any system.

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/removable_volumes.h"

namespace quelmo {

inline constexpr unsigned kRemovableDriveType = 2;  // DRIVE_REMOVABLE

class DriveProbe {
 public:
  virtual ~DriveProbe() = default;
  // GetDriveTypeW of "X:\".
  virtual unsigned DriveType(char letter) = 0;
  // The medium's size; nothing when no medium is in the drive.
  virtual std::optional<std::uint64_t> TotalBytes(char letter) = 0;
};

// `logical_drives` as GetLogicalDrives gives it: bit 0 A:, bit 1 B:, ...
std::vector<RemovableVolume> RemovableDrives(std::uint32_t logical_drives, DriveProbe& probe);

}  // namespace quelmo
