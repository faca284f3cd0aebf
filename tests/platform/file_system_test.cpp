#include "platform/file_system.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
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
  const Result<std::vector<std::uint8_t>> read = files_.ReadRegularFile(path, 1 << 20);
  ASSERT_TRUE(read.ok()) << read.message();
  EXPECT_EQ(*read, bytes);
  EXPECT_TRUE(std::filesystem::exists(In("短信.dat")));
}

// Whatever holds the name already, Create neither opens nor changes it: a
// link planted there is never written through.
TEST_F(SystemFiles, CreateRefusesANameThatIsTakenAndLeavesItAlone) {
  TempFolder elsewhere;
  const std::filesystem::path victim = elsewhere.path() / "victim";
  std::ofstream(victim) << "keep";
  struct Case {
    const char* name;
    void (*make)(const std::filesystem::path& at, const std::filesystem::path& victim);
  };
  const Case cases[] = {
      {"file", [](const auto& at, const auto&) { std::ofstream(at) << "old"; }},
#ifndef _WIN32
      {"link", [](const auto& at, const auto& to) { std::filesystem::create_symlink(to, at); }},
      {"dangling link",
       [](const auto& at, const auto& to) { std::filesystem::create_symlink(to.parent_path() / "none", at); }},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::filesystem::path at = In(c.name);
    c.make(at, victim);
    const Status status = WriteWhole(files_, at, {1, 2, 3});
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().code, ErrorCode::kBusy);
    EXPECT_THAT(status.message(), HasSubstr(PathToUtf8(at)));
    EXPECT_FALSE(std::filesystem::exists(elsewhere.path() / "none"));
  }
  EXPECT_EQ(*files_.ReadRegularFile(victim, 1 << 20), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
  EXPECT_EQ(*files_.ReadRegularFile(In("file"), 1 << 20), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
}

TEST_F(SystemFiles, ReadRegularFileReadsOnlySmallRegularFiles) {
  std::ofstream(In("small"), std::ios::binary) << "12345";
  std::filesystem::create_directory(In("folder"));
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(In("pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", In("zeros"));
  std::filesystem::create_symlink(In("small"), In("link"));
#endif
  struct Case {
    const char* name;
    std::uintmax_t limit;
    std::optional<ErrorCode> error;  // nothing: the five bytes are read
  };
  const Case cases[] = {
      {"small", 5, std::nullopt},
      {"small", 4, ErrorCode::kCorrupt},
      {"missing", 5, ErrorCode::kNotFound},
#ifndef _WIN32
      {"folder", 5, ErrorCode::kInvalidArgument},
      {"pipe", 5, ErrorCode::kInvalidArgument},
      {"zeros", 5, ErrorCode::kInvalidArgument},
      {"link", 5, std::nullopt},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " limit " + std::to_string(c.limit));
    const Result<std::vector<std::uint8_t>> read = files_.ReadRegularFile(In(c.name), c.limit);
    if (!c.error.has_value()) {
      ASSERT_TRUE(read.ok()) << read.message();
      EXPECT_EQ(*read, (std::vector<std::uint8_t>{'1', '2', '3', '4', '5'}));
    } else {
      ASSERT_FALSE(read.ok());
      EXPECT_EQ(read.error().code, *c.error);
      EXPECT_THAT(read.message(), HasSubstr(PathToUtf8(In(c.name))));
    }
  }
}

// What a save could not put its file in place of is told before it writes.
TEST_F(SystemFiles, CheckReplaceableRefusesWhatARenameCannotOrShouldNotReplace) {
  std::ofstream(In("file"), std::ios::binary) << "x";
  std::filesystem::create_directory(In("folder"));
#ifndef _WIN32
  ASSERT_EQ(::mkfifo(In("pipe").c_str(), 0600), 0);
  std::filesystem::create_symlink("/dev/zero", In("link to a device"));
  std::filesystem::create_symlink(In("folder"), In("link to a folder"));
#endif
  struct Case {
    const char* name;
    bool replaceable;
  };
  const Case cases[] = {
      {"missing", true},
      {"file", true},
      {"folder", false},
#ifndef _WIN32
      {"pipe", false},
      // A rename replaces the link itself, whatever it points to.
      {"link to a device", true},
      {"link to a folder", true},
#endif
  };
  for (const Case& c : cases) {
    const Status status = files_.CheckReplaceable(In(c.name));
    EXPECT_EQ(status.ok(), c.replaceable) << c.name << ": " << status.message();
    if (!status.ok()) {
      EXPECT_THAT(status.message(), HasSubstr(PathToUtf8(In(c.name))));
    }
  }
  EXPECT_EQ(TempFolder::Entries(folder_.path()).count("missing"), 0u) << "it only looks";
}

#ifdef __linux__
// /proc files say they hold nothing and then give their bytes: the read must
// not trust the size it was told, only the limit.
TEST_F(SystemFiles, ReadRegularFileTakesWhatAFileHoldsBeyondItsStatedSize) {
  const std::filesystem::path cmdline = "/proc/self/cmdline";
  std::ifstream direct(cmdline, std::ios::binary);
  const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(direct), {}};
  ASSERT_GT(expected.size(), 2u);
  struct Case {
    std::uintmax_t limit;
    bool read;
  };
  for (const Case c : {Case{1 << 20, true}, Case{expected.size(), true},
                       Case{expected.size() - 1, false}, Case{0, false}}) {
    SCOPED_TRACE("limit " + std::to_string(c.limit));
    const Result<std::vector<std::uint8_t>> read = files_.ReadRegularFile(cmdline, c.limit);
    if (c.read) {
      ASSERT_TRUE(read.ok()) << read.message();
      EXPECT_EQ(*read, expected);
    } else {
      ASSERT_FALSE(read.ok());
      EXPECT_EQ(read.error().code, ErrorCode::kCorrupt);
    }
  }
}
#endif

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

  const Result<std::vector<std::uint8_t>> read = files_.ReadRegularFile(In("none.dat"), 1 << 20);
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
  EXPECT_EQ(*files_.ReadRegularFile(In("old"), 1 << 20), std::vector<std::uint8_t>{1});
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
