#include "platform/drive_letters.h"

#include <string>

namespace quelmo {

std::vector<RemovableVolume> RemovableDrives(std::uint32_t logical_drives, DriveProbe& probe) {
  std::vector<RemovableVolume> volumes;
  for (int bit = 0; bit < 26; ++bit) {
    if ((logical_drives & (std::uint32_t{1} << bit)) == 0) continue;
    const char letter = static_cast<char>('A' + bit);
    if (probe.DriveType(letter) != kRemovableDriveType) continue;
    const std::optional<std::uint64_t> size = probe.TotalBytes(letter);
    if (!size) continue;
    const std::string drive{letter, ':'};
    volumes.push_back({drive + "\\", drive, *size});
  }
  return volumes;
}

}  // namespace quelmo
