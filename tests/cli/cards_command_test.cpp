#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::FakeVolumes;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

constexpr const char* kSms = R"({"phone1": "+4915112345678"})";

class CardsTest : public ::testing::Test {
 protected:
  RemovableVolume Volume(const TempFolder& folder, const std::string& device) const {
    return {folder.path().string(), device, 7'948'206'080};
  }
  std::vector<RemovableVolume> Mounted(int count) const {
    const std::vector<RemovableVolume> all{Volume(first_, "/dev/sdb1"), Volume(second_, "/dev/sdc1")};
    return {all.begin(), all.begin() + count};
  }

  TempFolder first_;
  TempFolder second_;
  TempFolder input_;
};

class FailingVolumes final : public VolumeSource {
 public:
  Result<std::vector<RemovableVolume>> RemovableVolumes() override {
    return Error{ErrorCode::kNotFound, "The mount table cannot be read."};
  }
};

TEST_F(CardsTest, ListsEachCardWithTheStateOfItsSettingFiles) {
  ASSERT_EQ(RunQuelmoCli({"write", "camera", "--out", first_.path().string()}).exitCode, kExitOk);
  WriteTextFile(first_ / "sms.dat", std::string(300, 'x'));
  struct Case {
    int cards;
    int exitCode;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {0, kExitOk, {"No removable volume is mounted."}},
      {1, kExitCheckFailed,
       {first_.path().string() + " (/dev/sdb1, 7.9 GB)", "  camera.dat: intact",
        "  sms.dat: damaged: "}},
      {2, kExitCheckFailed,
       {"  camera.dat: intact", second_.path().string() + " (/dev/sdc1, 7.9 GB)",
        "  no setting files"}},
  };
  for (const Case& c : cases) {
    FakeVolumes volumes(Mounted(c.cards));
    const auto run = RunQuelmoCli({"cards"}, SystemFileSystem(), volumes);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.cards << run.out;
    for (const auto& line : c.lines) EXPECT_THAT(run.out, HasSubstr(line)) << c.cards;
    EXPECT_THAT(run.out, Not(HasSubstr("mms.dat"))) << "absent files are not listed";
  }
  FailingVolumes failing;
  const auto failed = RunQuelmoCli({"cards"}, SystemFileSystem(), failing);
  EXPECT_EQ(failed.exitCode, kExitBadInput);
  EXPECT_THAT(failed.err, HasSubstr("mount table"));
}

TEST_F(CardsTest, OutCardIsTheOneCardMountedAndFailsWithTheListOtherwise) {
  WriteTextFile(input_ / "sms.json", kSms);
  WriteTextFile(input_ / "profile.json", std::string(R"({"sms": )") + kSms + "}");
  const std::vector<std::vector<std::string>> commands{
      {"write", "sms", "--settings", input_ / "sms.json", "--out", "card"},
      {"import", input_ / "profile.json", "--out", "card"},
  };
  struct Case {
    int cards;
    int exitCode;
    std::vector<std::string> err;
  };
  const Case cases[] = {
      {1, kExitOk, {}},
      {0, kExitBadInput, {"no removable volume is mounted", "./card"}},
      {2, kExitBadInput,
       {"2 removable volumes are mounted", first_.path().string() + " (/dev/sdb1, 7.9 GB)",
        second_.path().string() + " (/dev/sdc1, 7.9 GB)"}},
  };
  for (const auto& command : commands) {
    for (const Case& c : cases) {
      std::filesystem::remove(first_ / "sms.dat");
      FakeVolumes volumes(Mounted(c.cards));
      const auto run = RunQuelmoCli(command, SystemFileSystem(), volumes);
      EXPECT_EQ(run.exitCode, c.exitCode) << command[0] << " " << c.cards << run.err;
      for (const auto& part : c.err) EXPECT_THAT(run.err, HasSubstr(part)) << command[0];
      EXPECT_EQ(std::filesystem::exists(first_ / "sms.dat"), c.exitCode == kExitOk) << command[0];
      EXPECT_FALSE(std::filesystem::exists(second_ / "sms.dat")) << command[0];
    }
  }
  FakeVolumes one(Mounted(1));
  ASSERT_EQ(RunQuelmoCli(commands[0], SystemFileSystem(), one).exitCode, kExitOk);
  const auto exported = RunQuelmoCli({"export", "card"}, SystemFileSystem(), one);
  EXPECT_EQ(exported.exitCode, kExitOk) << exported.err;
  EXPECT_THAT(exported.out, HasSubstr("+4915112345678"));
}

}  // namespace
}  // namespace quelmo
