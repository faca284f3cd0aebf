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

// A mount path may hold any byte but "/" and NUL: one volume stays one line,
// in the listing and in the message of --out card.
TEST_F(CardsTest, ControlCharactersInAMountPathAreEscapedOntoOneLine) {
  // Only the text matters: Windows would refuse such a folder.
  const std::string odd = first_.path().string() + "/CARD\nFAKE\x1b[2J";
  FakeVolumes volumes({{odd, "/dev/sdb1", 0}, Volume(second_, "/dev/sdc1")});
  const std::string escaped = first_.path().string() + "/CARD\\nFAKE\\u001b[2J (/dev/sdb1, ";

  const auto listed = RunQuelmoCli({"cards"}, SystemFileSystem(), volumes);
  EXPECT_THAT(listed.out, HasSubstr(escaped));
  EXPECT_THAT(listed.out, Not(HasSubstr("\n" + std::string("FAKE"))));
  const auto refused = RunQuelmoCli({"export", "card"}, SystemFileSystem(), volumes);
  EXPECT_THAT(refused.err, HasSubstr("\n  " + escaped));
}

}  // namespace
}  // namespace quelmo
