#pragma once
// Finding the memory cards that are plugged in: the removable volumes the
// system has mounted. Each platform answers from its own sources (the mount
// table and the block devices' flags on Linux, the drive letters on Windows);
// tests hand in a source of their own.

#include <cstdint>
#include <string>
#include <vector>

#include "base/result.h"

namespace quelmo {

struct RemovableVolume {
  std::string root;          // UTF-8: "/media/anna/CARD", "E:\"
  std::string device;        // "/dev/sdb1", "E:"
  std::uint64_t sizeBytes = 0;  // 0 when the system does not tell
};

class VolumeSource {
 public:
  virtual ~VolumeSource() = default;
  // The removable volumes mounted now, in the system's order. An error only
  // when the system's list cannot be read at all.
  virtual Result<std::vector<RemovableVolume>> RemovableVolumes() = 0;
};

// The machine's own volumes.
VolumeSource& SystemVolumeSource();

// "7.9 GB": sizes as card makers print them (powers of ten).
std::string VolumeSizeText(std::uint64_t bytes);

}  // namespace quelmo
