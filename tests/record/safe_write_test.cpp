#include "record/safe_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "record/write_test_files.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;

TEST(WriteFileAtomically, CreatesThenReplacesLeavingNothingElse) {
  TempFolder folder;
  const std::vector<std::uint8_t> first(180, 0x11);
  const std::vector<std::uint8_t> second = {1, 2, 3};
  ASSERT_TRUE(WriteFileAtomically(SystemFileSystem(), folder.path(), "camera.dat", first).ok());
  EXPECT_EQ(ReadBytes(folder.path() / "camera.dat"), first);
  ASSERT_TRUE(WriteFileAtomically(SystemFileSystem(), folder.path(), "camera.dat", second).ok());
  EXPECT_EQ(ReadBytes(folder.path() / "camera.dat"), second);
  EXPECT_EQ(TempFolder::Entries(folder.path()), std::set<std::string>{"camera.dat"});
}

TEST(WriteFileAtomically, RefusesNamesThatAreNotPlainFileNames) {
  TempFolder folder;
  const std::vector<std::uint8_t> bytes = {1};
  for (const char* name : {"", ".", "..", "a/b", "a\\b", "../camera.dat"}) {
    const Status status = WriteFileAtomically(SystemFileSystem(), folder.path(), name, bytes);
    ASSERT_FALSE(status.ok()) << name;
    EXPECT_EQ(status.error().code, ErrorCode::kInvalidArgument) << name;
  }
  EXPECT_TRUE(TempFolder::Entries(folder.path()).empty());
}

TEST(WriteFileAtomically, AMissingFolderIsReportedNotCreated) {
  TempFolder folder;
  const std::filesystem::path missing = folder.path() / "x" / "y";
  const Status status = WriteFileAtomically(SystemFileSystem(), missing, "camera.dat", {});
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(), "The folder " + PathToUtf8(missing) + " does not exist.");
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "x"));
}

TEST(WriteFileAtomically, AFolderInPlaceOfTheFileIsLeftAlone) {
  TempFolder folder;
  std::filesystem::create_directory(folder.path() / "camera.dat");
  const Status status = WriteFileAtomically(SystemFileSystem(), folder.path(), "camera.dat",
                                            std::vector<std::uint8_t>{1});
  ASSERT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr(PathToUtf8(folder.path() / "camera.dat")));
  EXPECT_TRUE(std::filesystem::is_directory(folder.path() / "camera.dat"));
  EXPECT_EQ(TempFolder::Entries(folder.path()), std::set<std::string>{"camera.dat"});
}

}  // namespace
}  // namespace quelmo
