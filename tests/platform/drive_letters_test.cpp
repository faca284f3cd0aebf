#include "platform/drive_letters.h"

#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace quelmo {
namespace {

constexpr unsigned kFixed = 3;   // DRIVE_FIXED
constexpr unsigned kRemote = 4;  // DRIVE_REMOTE
constexpr unsigned kCdRom = 5;   // DRIVE_CDROM

struct FakeDrive {
  unsigned type;
  std::optional<std::uint64_t> size;  // nothing: no medium
};

class FakeProbe final : public DriveProbe {
 public:
  explicit FakeProbe(std::map<char, FakeDrive> drives) : drives_(std::move(drives)) {}
  unsigned DriveType(char letter) override { return drives_.at(letter).type; }
  std::optional<std::uint64_t> TotalBytes(char letter) override { return drives_.at(letter).size; }

 private:
  std::map<char, FakeDrive> drives_;
};

std::uint32_t Mask(const std::string& letters) {
  std::uint32_t mask = 0;
  for (char letter : letters) mask |= std::uint32_t{1} << (letter - 'A');
  return mask;
}

TEST(RemovableDrives, OnlyRemovableDrivesWithAMediumInLetterOrder) {
  FakeProbe probe({
      {'A', {kRemovableDriveType, std::nullopt}},  // an empty floppy drive
      {'C', {kFixed, 256'000'000'000}},
      {'D', {kCdRom, 700'000'000}},
      {'E', {kRemovableDriveType, 31'914'983'424}},
      {'F', {kRemovableDriveType, std::nullopt}},  // a card reader without a card
      {'G', {kRemovableDriveType, 7'948'206'080}},
      {'Z', {kRemote, 1'000'000}},
  });
  struct Case {
    std::string letters;
    std::vector<std::string> roots;
  };
  const Case cases[] = {
      {"ACDEFGZ", {"E:\\", "G:\\"}},
      {"CDZ", {}},
      {"G", {"G:\\"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    const auto volumes = RemovableDrives(Mask(c.letters), probe);
    std::vector<std::string> roots;
    for (const auto& volume : volumes) roots.push_back(volume.root);
    EXPECT_EQ(roots, c.roots) << c.letters;
  }
  const auto volumes = RemovableDrives(Mask("EG"), probe);
  ASSERT_EQ(volumes.size(), 2u);
  EXPECT_EQ(volumes[0].device, "E:");
  EXPECT_EQ(volumes[0].sizeBytes, 31'914'983'424u);
}

TEST(VolumeSizeText, PowersOfTenAsOnTheCardsLabel) {
  const std::pair<std::uint64_t, std::string> cases[] = {
      {0, "size unknown"},           {512, "512 bytes"},       {1'500, "1.5 kB"},
      {7'948'206'080, "7.9 GB"},     {31'914'983'424, "31.9 GB"}, {2'000'000'000'000, "2.0 TB"},
  };
  for (const auto& [bytes, text] : cases) EXPECT_EQ(VolumeSizeText(bytes), text) << bytes;
}

}  // namespace
}  // namespace quelmo
