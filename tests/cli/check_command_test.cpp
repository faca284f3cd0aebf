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
using ::testing::MatchesRegex;
using testing::ReadBytes;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteBytes;
using testing::WriteTextFile;

class CheckCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTextFile(folder_ / "sms.json", R"({"phone1": "+4915112345678"})");
    ASSERT_EQ(RunQuelmoCli({"write", "sms", "--out", folder_.path().string(), "--settings",
                            folder_ / "sms.json"}).exitCode,
              kExitOk);
    ASSERT_EQ(RunQuelmoCli({"write", "camera", "--out", folder_.path().string()}).exitCode,
              kExitOk);
  }
  TempFolder folder_;
};

TEST_F(CheckCommandTest, IntactFilesPass) {
  const auto run = RunQuelmoCli({"check", folder_ / "camera.dat", folder_ / "sms.dat"});
  EXPECT_EQ(run.exitCode, kExitOk);
  EXPECT_EQ(run.out, folder_ / "camera.dat" + ": intact\n" + folder_ / "sms.dat" + ": intact\n");
}

TEST_F(CheckCommandTest, AlteredByteIsReportedWithBothCheckValues) {
  auto bytes = ReadBytes(folder_ / "sms.dat");
  bytes[61] ^= 0x01;  // a digit of phone 1
  WriteBytes(folder_ / "sms.dat", bytes);
  const auto run = RunQuelmoCli({"check", folder_ / "camera.dat", folder_ / "sms.dat"});
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_THAT(run.out, HasSubstr(folder_ / "camera.dat" + ": intact\n"));
  EXPECT_THAT(run.out, HasSubstr(folder_ / "sms.dat" + ": damaged: "));
  EXPECT_THAT(run.out, MatchesRegex("(.|\n)*check value stored 0x[0-9A-F]{4}, computed "
                                    "0x[0-9A-F]{4}(.|\n)*"));
}

TEST_F(CheckCommandTest, UnreadableOrUnknownFilesAreNotIntact) {
  WriteBytes(folder_ / "short.bin", {1, 2, 3});
  const auto run = RunQuelmoCli(
      {"check", folder_ / "camera.dat", folder_ / "short.bin", folder_ / "gone.dat",
       folder_.path().string()});
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_THAT(run.out, HasSubstr("short.bin: not recognised"));
  EXPECT_THAT(run.out, HasSubstr("gone.dat: no such"));
  EXPECT_THAT(run.out, HasSubstr("is a folder"));

  // A truncated camera file, recognised by its name.
  auto bytes = ReadBytes(folder_ / "camera.dat");
  bytes.resize(120);
  WriteBytes(folder_ / "camera.dat", bytes);
  EXPECT_EQ(RunQuelmoCli({"check", folder_ / "camera.dat"}).exitCode, kExitCheckFailed);
}

}  // namespace
}  // namespace quelmo
