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
// partitions as folders inside their disk marked by a "partition" file, an
// MMC card's type under device/, and sys/dev/block/<major:minor> linking to
// each device's folder.
class FakeMachine {
 public:
  void Disk(const std::string& name, const std::string& number, const std::string& removable,
            const std::string& sectors) {
    WriteFile(Block() / name / "removable", removable + "\n");
    WriteFile(Block() / name / "size", sectors + "\n");
    Link(number, std::filesystem::path("block") / name);
  }
  void Partition(const std::string& disk, const std::string& name, const std::string& number,
                 const std::string& sectors) {
    WriteFile(Block() / disk / name / "size", sectors + "\n");
    WriteFile(Block() / disk / name / "partition", "1\n");
    Link(number, std::filesystem::path("block") / disk / name);
  }
  void MmcType(const std::string& disk, const std::string& type) {
    WriteFile(Block() / disk / "device" / "type", type + "\n");
  }
  std::filesystem::path MountTable(const std::string& text) {
    WriteFile(root_.path() / "mountinfo", text);
    return root_.path() / "mountinfo";
  }
  std::filesystem::path Sys() const { return root_.path() / "sys"; }

 private:
  std::filesystem::path Block() const { return Sys() / "block"; }
  void Link(const std::string& number, const std::filesystem::path& device) {
    std::filesystem::create_directories(Sys() / "dev" / "block");
    std::filesystem::create_directory_symlink(std::filesystem::path("../..") / device,
                                              Sys() / "dev" / "block" / number);
  }
  TempFolder root_;
};

// A laptop with a system disk, an eMMC, an SD slot and a USB card reader, in
// the format of /proc/self/mountinfo.
constexpr const char* kMountTable =
    "1 0 259:2 / / rw,relatime shared:1 - ext4 /dev/nvme0n1p2 rw\n"
    "21 1 0:20 / /sys rw,nosuid shared:7 - sysfs sysfs rw\n"
    "25 1 0:23 / /run rw shared:5 - tmpfs tmpfs rw\n"
    "40 25 8:17 / /media/anna/CARD\\040ONE rw,uid=1000 shared:40 - vfat /dev/sdb1 rw\n"
    "41 25 179:1 / /media/anna/SLOT rw shared:41 - exfat /dev/mmcblk0p1 rw\n"
    "42 1 179:9 / /boot/efi rw shared:42 - vfat /dev/mmcblk1p1 rw\n"
    "43 1 8:17 / /mnt/again rw - vfat /dev/sdb1 rw\n"
    "44 25 8:32 / /media/anna/WHOLE rw - vfat /dev/sdc rw\n"
    "45 25 8:49 / /media/anna/GONE rw - vfat /dev/sdd1 rw\n"
    "garbage\n";

// The laptop's disks: sdd1 of the table has no sysfs entry.
void AddLaptopDisks(FakeMachine& machine) {
  machine.Disk("nvme0n1", "259:0", "0", "1000215216");
  machine.Partition("nvme0n1", "nvme0n1p2", "259:2", "999000000");
  machine.Disk("sdb", "8:16", "1", "15523840");
  machine.Partition("sdb", "sdb1", "8:17", "15515648");
  machine.Disk("mmcblk0", "179:0", "0", "62333952");
  machine.MmcType("mmcblk0", "SD");
  machine.Partition("mmcblk0", "mmcblk0p1", "179:1", "62325760");
  machine.Disk("mmcblk1", "179:8", "0", "30535680");
  machine.MmcType("mmcblk1", "MMC");
  machine.Partition("mmcblk1", "mmcblk1p1", "179:9", "1048576");
  machine.Disk("sdc", "8:32", "1", "3911680");
}

TEST(LinuxVolumeSource, RemovableByFlagOrAsAnSdCardOnceEachWithTheirSize) {
  FakeMachine machine;
  AddLaptopDisks(machine);
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

// What the table says about a mount's source or its place is not taken on
// trust: the card is the one whose device number the mount shows, and only
// where nothing covers it.
TEST(LinuxVolumeSource, OnlyUncoveredMountsOfTheCardsOwnDeviceAreCards) {
  struct Case {
    const char* name;
    std::string table;
    std::vector<std::string> roots;
  };
  const std::string card = "40 25 8:17 / /media/anna/CARD rw - vfat /dev/sdb1 rw\n";
  const Case cases[] = {
      {"a tmpfs naming a card's device as its source",
       "50 1 0:50 / /media/fake rw - tmpfs /dev/sdb1 rw\n"
       "51 1 0:51 / /media/fake2 rw - tmpfs /dev/sdz1 rw\n",
       {}},
      {"a file system mounted over the card",
       card + "60 40 0:60 / /media/anna/CARD rw - tmpfs x rw\n", {}},
      {"a file system mounted over a folder above the card",
       card + "61 25 0:61 / /media/anna rw - tmpfs x rw\n", {}},
      {"the card covered where first mounted, free at its second place",
       card + "62 1 8:17 / /mnt/card rw - vfat /dev/sdb1 rw\n"
              "63 40 0:63 / /media/anna/CARD rw - tmpfs x rw\n",
       {"/mnt/card"}},
      {"mounts inside the card or beside it",
       card + "64 40 0:64 / /media/anna/CARD/sub rw - tmpfs x rw\n"
              "65 25 0:65 / /media/anna/CA rw - tmpfs x rw\n"
              "66 25 0:66 / /media/anna/CARD2 rw - tmpfs x rw\n",
       {"/media/anna/CARD"}},
      {"a folder of the card bound elsewhere is not its root",
       "67 1 8:17 /DCIM /mnt/dcim rw - vfat /dev/sdb1 rw\n" + card, {"/media/anna/CARD"}},
      {"only a folder of the card mounted", "67 1 8:17 /DCIM /mnt/dcim rw - vfat /dev/sdb1 rw\n",
       {}},
      {"a card mounted before the root was mounted again",
       card + "68 0 259:2 / / rw - ext4 x rw\n", {}},
  };
  for (const Case& c : cases) {
    FakeMachine machine;
    AddLaptopDisks(machine);
    LinuxVolumeSource source({machine.MountTable(c.table)}, machine.Sys());
    const auto found = source.RemovableVolumes();
    ASSERT_TRUE(found.ok()) << found.message();
    std::vector<std::string> roots;
    for (const auto& volume : *found) roots.push_back(volume.root);
    EXPECT_EQ(roots, c.roots) << c.name;
  }
}

TEST(LinuxVolumeSource, TheFirstReadableTableIsUsedAndNoneIsAnError) {
  FakeMachine machine;
  machine.Disk("sdb", "8:16", "1", "bad");
  machine.Partition("sdb", "sdb1", "8:17", "");
  const auto table = machine.MountTable("40 25 8:17 / /media/card rw - vfat /dev/sdb1 rw\n");

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

TEST(ParseMountInfo, FieldsAndEscapes) {
  struct Case {
    std::string line;
    std::string number, root, mountPoint, type;
  };
  const std::string head = "40 25 8:17 ";
  const Case cases[] = {
      {head + "/ /media/a rw - vfat /dev/sdb1 rw", "8:17", "/", "/media/a", "vfat"},
      {head + "/ /media/a rw shared:40 master:2 - vfat /dev/sdb1 rw", "8:17", "/", "/media/a",
       "vfat"},
      {head + "/DCIM\\040x /media/My\\040Card\\011x rw - vfat /dev/sdb1 rw", "8:17", "/DCIM x",
       "/media/My Card\tx", "vfat"},
      {head + "/ /media/back\\134slash rw - vfat s rw", "8:17", "/", "/media/back\\slash", "vfat"},
      {head + "/ /media/line\\012feed rw - vfat s rw", "8:17", "/", "/media/line\nfeed", "vfat"},
      {head + "/ /media/top\\377byte rw - vfat s rw", "8:17", "/", "/media/top\xFF" "byte", "vfat"},
      // Above \377 no byte is meant: kept as written, not wrapped round.
      {head + "/ /media/no\\400byte rw - vfat s rw", "8:17", "/", "/media/no\\400byte", "vfat"},
      {head + "/ /media/no\\777byte rw - vfat s rw", "8:17", "/", "/media/no\\777byte", "vfat"},
      {head + "/ /media/not\\08octal rw - vfat s", "8:17", "/", "/media/not\\08octal", "vfat"},
      {head + "/ /media/end\\04 rw - vfat", "8:17", "/", "/media/end\\04", "vfat"},
  };
  for (const Case& c : cases) {
    const auto entries = ParseMountInfo(c.line);
    ASSERT_EQ(entries.size(), 1u) << c.line;
    EXPECT_EQ(entries[0].deviceNumber, c.number) << c.line;
    EXPECT_EQ(entries[0].root, c.root) << c.line;
    EXPECT_EQ(entries[0].mountPoint, c.mountPoint) << c.line;
    EXPECT_EQ(entries[0].type, c.type) << c.line;
  }
  for (const char* malformed : {"\n40 25 8:17 / /only-five\n", "40 25 8:17 / /a rw shared:1 vfat",
                                "40 25 8:17 / /a rw -", "40 25 sdb1 / /a rw - vfat s rw",
                                "40 25 ../8:17 / /a rw - vfat s rw"}) {
    EXPECT_TRUE(ParseMountInfo(malformed).empty()) << malformed;
  }
}

}  // namespace
}  // namespace quelmo
