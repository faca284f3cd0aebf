#include "platform/linux/mounted_volumes.h"

#include <fstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/temp_folder.h"

namespace quelmo {
namespace {

void WriteFile(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A sysfs tree as the kernel lays it out: sys/block/<disk>/{removable,size},
// partitions as folders inside their disk, an MMC card's type under device/.
class FakeMachine {
 public:
  void Disk(const std::string& name, const std::string& removable, const std::string& sectors) {
    WriteFile(Block() / name / "removable", removable + "\n");
    WriteFile(Block() / name / "size", sectors + "\n");
  }
  void Partition(const std::string& disk, const std::string& name, const std::string& sectors) {
    WriteFile(Block() / disk / name / "size", sectors + "\n");
  }
  void MmcType(const std::string& disk, const std::string& type) {
    WriteFile(Block() / disk / "device" / "type", type + "\n");
  }
  std::filesystem::path MountTable(const std::string& text) {
    WriteFile(root_.path() / "mounts", text);
    return root_.path() / "mounts";
  }
  std::filesystem::path Sys() const { return root_.path() / "sys"; }

 private:
  std::filesystem::path Block() const { return Sys() / "block"; }
  TempFolder root_;
};

// A laptop with a system disk, an eMMC, an SD slot and a USB card reader.
constexpr const char* kMountTable =
    "sysfs /sys sysfs rw,nosuid 0 0\n"
    "/dev/nvme0n1p2 / ext4 rw,relatime 0 0\n"
    "tmpfs /run tmpfs rw 0 0\n"
    "/dev/sdb1 /media/anna/CARD\\040ONE vfat rw,uid=1000 0 0\n"
    "/dev/mmcblk0p1 /media/anna/SLOT exfat rw 0 0\n"
    "/dev/mmcblk1p1 /boot/efi vfat rw 0 0\n"
    "/dev/sdb1 /mnt/again vfat rw 0 0\n"
    "/dev/sdc /media/anna/WHOLE vfat rw 0 0\n"
    "/dev/sdd1 /media/anna/GONE vfat rw 0 0\n"
    "garbage\n";

TEST(LinuxVolumeSource, RemovableByFlagOrAsAnSdCardOnceEachWithTheirSize) {
  FakeMachine machine;
  machine.Disk("nvme0n1", "0", "1000215216");
  machine.Partition("nvme0n1", "nvme0n1p2", "999000000");
  machine.Disk("sdb", "1", "15523840");
  machine.Partition("sdb", "sdb1", "15515648");
  machine.Disk("mmcblk0", "0", "62333952");
  machine.MmcType("mmcblk0", "SD");
  machine.Partition("mmcblk0", "mmcblk0p1", "62325760");
  machine.Disk("mmcblk1", "0", "30535680");
  machine.MmcType("mmcblk1", "MMC");
  machine.Partition("mmcblk1", "mmcblk1p1", "1048576");
  machine.Disk("sdc", "1", "3911680");
  LinuxVolumeSource source({machine.MountTable(kMountTable)}, machine.Sys());

  const auto found = source.RemovableVolumes();
  ASSERT_TRUE(found.ok()) << found.message();
  struct Expected {
    std::string root;
    std::string device;
    std::uint64_t size;
  };
  // sdb1 is listed at its first mount point only; the eMMC, the system disk
  // and sdd1 (no sysfs entry) are no cards.
  const std::vector<Expected> expected{
      {"/media/anna/CARD ONE", "/dev/sdb1", 15515648ull * 512},
      {"/media/anna/SLOT", "/dev/mmcblk0p1", 62325760ull * 512},
      {"/media/anna/WHOLE", "/dev/sdc", 3911680ull * 512},
  };
  ASSERT_EQ(found->size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ((*found)[i].root, expected[i].root) << i;
    EXPECT_EQ((*found)[i].device, expected[i].device) << i;
    EXPECT_EQ((*found)[i].sizeBytes, expected[i].size) << i;
  }
}

TEST(LinuxVolumeSource, TheFirstReadableTableIsUsedAndNoneIsAnError) {
  FakeMachine machine;
  machine.Disk("sdb", "1", "bad");
  machine.Partition("sdb", "sdb1", "");
  const auto table = machine.MountTable("/dev/sdb1 /media/card vfat rw 0 0\n");

  LinuxVolumeSource fallback({table.parent_path() / "missing", table}, machine.Sys());
  const auto found = fallback.RemovableVolumes();
  ASSERT_TRUE(found.ok()) << found.message();
  ASSERT_EQ(found->size(), 1u);
  EXPECT_EQ(found->front().sizeBytes, 0u) << "an unreadable size is unknown, not a failure";

  LinuxVolumeSource none({table.parent_path() / "missing"}, machine.Sys());
  const auto failed = none.RemovableVolumes();
  ASSERT_FALSE(failed.ok());
  EXPECT_THAT(failed.message(), ::testing::HasSubstr("missing"));
}

TEST(ParseMountTable, FieldsAndEscapes) {
  struct Case {
    const char* line;
    std::string device, mountPoint, type;
  };
  const Case cases[] = {
      {"/dev/sdb1 /media/a vfat rw 0 0", "/dev/sdb1", "/media/a", "vfat"},
      {"/dev/sdb1 /media/My\\040Card\\011x vfat rw 0 0", "/dev/sdb1", "/media/My Card\tx", "vfat"},
      {"/dev/sdb1 /media/back\\134slash vfat rw 0 0", "/dev/sdb1", "/media/back\\slash", "vfat"},
      {"/dev/sdb1 /media/not\\08octal vfat rw", "/dev/sdb1", "/media/not\\08octal", "vfat"},
      {"/dev/sdb1 /media/end\\04 vfat", "/dev/sdb1", "/media/end\\04", "vfat"},
  };
  for (const Case& c : cases) {
    const auto entries = ParseMountTable(c.line);
    ASSERT_EQ(entries.size(), 1u) << c.line;
    EXPECT_EQ(entries[0].device, c.device) << c.line;
    EXPECT_EQ(entries[0].mountPoint, c.mountPoint) << c.line;
    EXPECT_EQ(entries[0].type, c.type) << c.line;
  }
  EXPECT_TRUE(ParseMountTable("\n/dev/sdb1 /only-two\n").empty());
}

}  // namespace
}  // namespace quelmo
