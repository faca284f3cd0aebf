#include "platform/drive_letters.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

namespace quelmo {
namespace {

static_assert(kRemovableDriveType == DRIVE_REMOVABLE);

class Win32DriveProbe final : public DriveProbe {
 public:
  unsigned DriveType(char letter) override { return GetDriveTypeW(Root(letter).c_str()); }

  std::optional<std::uint64_t> TotalBytes(char letter) override {
    // An empty drive must fail quietly, not ask the user to insert a disk.
    DWORD old_mode = 0;
    const bool mode_set = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &old_mode) != 0;
    ULARGE_INTEGER total{};
    const bool known = GetDiskFreeSpaceExW(Root(letter).c_str(), nullptr, &total, nullptr) != 0;
    if (mode_set) SetThreadErrorMode(old_mode, nullptr);
    if (!known) return std::nullopt;
    return total.QuadPart;
  }

 private:
  static std::wstring Root(char letter) { return {static_cast<wchar_t>(letter), L':', L'\\'}; }
};

class Win32VolumeSource final : public VolumeSource {
 public:
  Result<std::vector<RemovableVolume>> RemovableVolumes() override {
    const DWORD drives = GetLogicalDrives();
    if (drives == 0) {
      return Error{ErrorCode::kIoError, "The drive letters cannot be read (error " +
                                            std::to_string(GetLastError()) + ")."};
    }
    Win32DriveProbe probe;
    return RemovableDrives(drives, probe);
  }
};

}  // namespace

VolumeSource& SystemVolumeSource() {
  static Win32VolumeSource source;
  return source;
}

}  // namespace quelmo
