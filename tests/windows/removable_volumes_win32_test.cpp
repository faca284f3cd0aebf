#include <string>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/removable_volumes.h"

namespace quelmo {
namespace {

// Whatever drives the machine has, only removable ones with a medium are
// listed, each as its root; the system drive never is.
TEST(SystemVolumeSource, ListsOnlyRemovableDriveLetters) {
  const auto volumes = SystemVolumeSource().RemovableVolumes();
  ASSERT_TRUE(volumes.ok()) << volumes.message();
  for (const RemovableVolume& volume : *volumes) {
    ASSERT_EQ(volume.root.size(), 3u) << volume.root;
    EXPECT_EQ(volume.root.substr(1), ":\\");
    EXPECT_EQ(volume.device, volume.root.substr(0, 2));
    const std::wstring root(volume.root.begin(), volume.root.end());
    EXPECT_EQ(GetDriveTypeW(root.c_str()), static_cast<UINT>(DRIVE_REMOVABLE)) << volume.root;
    EXPECT_GT(volume.sizeBytes, 0u) << volume.root;
  }
  wchar_t system_folder[MAX_PATH] = {};
  ASSERT_GT(GetSystemDirectoryW(system_folder, MAX_PATH), 0u);
  for (const RemovableVolume& volume : *volumes) {
    EXPECT_NE(static_cast<wchar_t>(volume.root[0]), system_folder[0]) << "the system drive";
  }
}

}  // namespace
}  // namespace quelmo
