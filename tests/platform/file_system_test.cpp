#include "platform/file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quelmo {
namespace {

using ::testing::HasSubstr;

Status WriteWhole(FileSystem& files, const std::filesystem::path& path,
                  const std::vector<std::uint8_t>& bytes) {
  Result<std::unique_ptr<WritableFile>> file = files.Create(path);
  if (!file.ok()) return file.status();
  if (Status s = (*file)->Write(bytes); !s.ok()) return s;
  if (Status s = (*file)->Sync(); !s.ok()) return s;
  return (*file)->Close();
}

class SystemFiles : public ::testing::Test {
 protected:
  std::filesystem::path In(std::string_view name) const { return folder_.path() / PathFromUtf8(name); }
  FileSystem& files_ = SystemFileSystem();
  TempFolder folder_;
};

TEST(PathFromUtf8, KeepsChineseFolderNamesIntact) {
  const std::string name = "/媒体/短信 card";
  EXPECT_EQ(PathToUtf8(PathFromUtf8(name)), name);
  EXPECT_EQ(PathToUtf8(PathFromUtf8("C:\\") / "mms.dat").substr(0, 3), "C:\\");
}

TEST_F(SystemFiles, WritesAndReadsBackMoreThanOneChunk) {
  std::vector<std::uint8_t> bytes(100'000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  const std::filesystem::path path = folder_.path() / PathFromUtf8("短信.dat");
  ASSERT_TRUE(WriteWhole(files_, path, bytes).ok());
  const Result<std::vector<std::uint8_t>> read = files_.ReadAll(path);
  ASSERT_TRUE(read.ok()) << read.message();
  EXPECT_EQ(*read, bytes);
  EXPECT_TRUE(std::filesystem::exists(In("短信.dat")));
}

TEST_F(SystemFiles, CreateTruncatesAnExistingFile) {
  ASSERT_TRUE(WriteWhole(files_, In("a"), std::vector<std::uint8_t>(50, 1)).ok());
  ASSERT_TRUE(WriteWhole(files_, In("a"), {2, 2}).ok());
  EXPECT_EQ(*files_.ReadAll(In("a")), (std::vector<std::uint8_t>{2, 2}));
}

TEST_F(SystemFiles, AFileIsUsableOnlyUntilClosed) {
  Result<std::unique_ptr<WritableFile>> file = files_.Create(In("a"));
  ASSERT_TRUE(file.ok());
  ASSERT_TRUE((*file)->Close().ok());
  const Status late = (*file)->Write(std::vector<std::uint8_t>{1});
  ASSERT_FALSE(late.ok());
  EXPECT_THAT(late.message(), HasSubstr(PathToUtf8(In("a"))));
  EXPECT_FALSE((*file)->Close().ok());
}

// The system's own words for "not found" differ between platforms.
#ifdef _WIN32
const std::string kNoSuchFile = "";
#else
const std::string kNoSuchFile = "No such file or directory";
#endif

TEST_F(SystemFiles, ErrorsNameThePathAndTheSystemsReason) {
  const std::filesystem::path missing = In("gone") / "camera.dat";
  const Result<std::unique_ptr<WritableFile>> created = files_.Create(missing);
  ASSERT_FALSE(created.ok());
  EXPECT_THAT(created.message(),
              HasSubstr("Cannot create " + PathToUtf8(missing) + ": " + kNoSuchFile));

  const Result<std::vector<std::uint8_t>> read = files_.ReadAll(In("none.dat"));
  ASSERT_FALSE(read.ok());
  EXPECT_EQ(read.error().code, ErrorCode::kNotFound);
  EXPECT_THAT(read.message(),
              HasSubstr("Cannot read " + PathToUtf8(In("none.dat")) + ": " + kNoSuchFile));

  const Status renamed = files_.Replace(In("none.dat"), In("b"));
  ASSERT_FALSE(renamed.ok());
  EXPECT_THAT(renamed.message(),
              HasSubstr(PathToUtf8(In("none.dat")) + " to " + PathToUtf8(In("b"))));

  EXPECT_FALSE(files_.SyncFolder(In("gone")).ok());
}

TEST_F(SystemFiles, ReplaceOverwritesTheTargetInOneStep) {
  ASSERT_TRUE(WriteWhole(files_, In("new"), {1}).ok());
  ASSERT_TRUE(WriteWhole(files_, In("old"), {2, 2}).ok());
  ASSERT_TRUE(files_.Replace(In("new"), In("old")).ok());
  EXPECT_FALSE(files_.Exists(In("new")));
  EXPECT_EQ(*files_.ReadAll(In("old")), std::vector<std::uint8_t>{1});
  EXPECT_TRUE(files_.SyncFolder(folder_.path()).ok());
}

TEST_F(SystemFiles, RemovingWhatIsGoneIsFineRemovingAFolderIsNot) {
  EXPECT_TRUE(files_.Remove(In("never there")).ok());
  std::filesystem::create_directory(In("dir"));
  const Status status = files_.Remove(In("dir"));
  ASSERT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr("Cannot remove " + PathToUtf8(In("dir")) + ": "));
  EXPECT_TRUE(files_.Exists(In("dir")));
}

TEST_F(SystemFiles, CheckWritableFolderSaysWhatIsWrong) {
  EXPECT_TRUE(files_.CheckWritableFolder(folder_.path()).ok());
  EXPECT_EQ(files_.CheckWritableFolder(In("x") / "y").message(),
            "The folder " + PathToUtf8(In("x") / "y") + " does not exist.");
  std::ofstream(In("file")) << "x";
  EXPECT_EQ(files_.CheckWritableFolder(In("file")).message(),
            "The path " + PathToUtf8(In("file")) + " is not a folder.");
  EXPECT_EQ(files_.CheckWritableFolder("").error().code, ErrorCode::kInvalidArgument);
}

#ifndef _WIN32
TEST_F(SystemFiles, CheckWritableFolderRefusesAReadOnlyFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  std::filesystem::create_directory(In("locked"));
  ::chmod(In("locked").c_str(), 0555);
  EXPECT_EQ(files_.CheckWritableFolder(In("locked")).message(),
            "The folder " + PathToUtf8(In("locked")) + " cannot be written: Permission denied");
  ::chmod(In("locked").c_str(), 0755);
}
#endif

}  // namespace
}  // namespace quelmo
