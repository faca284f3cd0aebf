// Reading a file named by the user: refused by what the name is and by its
// size before anything is read, and read through the file layer given.

#include "record/bounded_read.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <string>

#include "support/temp_folder.h"

namespace quelmo {
namespace {

using Type = std::filesystem::file_type;

// A file layer that answers LookAt as told and counts the reads it is asked for.
class ScriptedFiles final : public FileSystem {
 public:
  Result<FileFacts> facts = FileFacts{Type::regular, 3};
  Result<std::vector<std::uint8_t>> read = std::vector<std::uint8_t>{1, 2, 3};
  int reads = 0;

  Result<FileFacts> LookAt(const std::filesystem::path&) override { return facts; }
  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path&,
                                                    std::uintmax_t) override {
    ++reads;
    return read;
  }
  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path&) override {
    return Error{ErrorCode::kIoError, "not here"};
  }
  Status Replace(const std::filesystem::path&, const std::filesystem::path&) override {
    return Status::Ok();
  }
  Status Remove(const std::filesystem::path&) override { return Status::Ok(); }
  Status SyncFolder(const std::filesystem::path&) override { return Status::Ok(); }
  bool Exists(const std::filesystem::path&) override { return true; }
  Status CheckWritableFolder(const std::filesystem::path&) override { return Status::Ok(); }
};

TEST(BoundedRead, RefusesByWhatTheNameIsAndBySizeBeforeReading) {
  constexpr std::uintmax_t kLimit = 100;
  const struct {
    const char* what;
    Result<FileFacts> facts;
    std::optional<ErrorCode> refused;  // none: read
    const char* message;
  } kCases[] = {
      {"nothing by that name", FileFacts{Type::not_found, 0}, ErrorCode::kNotFound,
       "card/x.dat: no such setting file"},
      {"a folder", FileFacts{Type::directory, 0}, ErrorCode::kInvalidArgument,
       "card/x.dat: is a folder, not a setting file"},
      {"a pipe", FileFacts{Type::fifo, 0}, ErrorCode::kInvalidArgument,
       "card/x.dat: is not a regular file (a device, pipe or socket), not a setting file"},
      {"a device", FileFacts{Type::character, 0}, ErrorCode::kInvalidArgument, nullptr},
      {"one byte over the limit", FileFacts{Type::regular, kLimit + 1}, ErrorCode::kCorrupt,
       "card/x.dat: 101 bytes, far more than a setting file holds (at most 100); not read"},
      {"the system cannot tell", Error{ErrorCode::kIoError, "Permission denied"},
       ErrorCode::kIoError, "card/x.dat: Permission denied"},
      {"at the limit", FileFacts{Type::regular, kLimit}, std::nullopt, nullptr},
      {"empty", FileFacts{Type::regular, 0}, std::nullopt, nullptr},
  };
  for (const auto& c : kCases) {
    ScriptedFiles files;
    files.facts = c.facts;
    const auto bytes = ReadBoundedFile(files, "card/x.dat", kLimit, "setting file");
    if (!c.refused) {
      ASSERT_TRUE(bytes.ok()) << c.what << ": " << bytes.message();
      EXPECT_EQ(*bytes, std::vector<std::uint8_t>({1, 2, 3})) << c.what;
      EXPECT_EQ(files.reads, 1) << c.what;
      continue;
    }
    ASSERT_FALSE(bytes.ok()) << c.what;
    EXPECT_EQ(bytes.error().code, *c.refused) << c.what;
    if (c.message != nullptr) EXPECT_EQ(bytes.message(), c.message) << c.what;
    EXPECT_EQ(files.reads, 0) << c.what << ": nothing is read once refused";
  }
}

TEST(BoundedRead, WhatTheReadFindsStillCounts) {
  // A name given to a pipe or grown between the look and the read.
  ScriptedFiles files;
  files.read = Error{ErrorCode::kInvalidArgument, "x.dat is not a regular file"};
  const auto bytes = ReadBoundedFile(files, "x.dat", 100, "setting file");
  ASSERT_FALSE(bytes.ok());
  EXPECT_EQ(bytes.message(), "x.dat is not a regular file");
}

TEST(BoundedRead, TheSystemsFileLayerTellsWhatIsOnDisk) {
  TempFolder folder;
  std::ofstream(folder.path() / "three.dat", std::ios::binary) << "abc";
  const struct {
    const char* what;
    std::filesystem::path path;
    std::uintmax_t limit;
    std::optional<ErrorCode> refused;
  } kCases[] = {
      {"a file at its limit", folder.path() / "three.dat", 3, std::nullopt},
      {"a file over it", folder.path() / "three.dat", 2, ErrorCode::kCorrupt},
      {"a missing one", folder.path() / "none.dat", 3, ErrorCode::kNotFound},
      {"a folder", folder.path(), 3, ErrorCode::kInvalidArgument},
  };
  for (const auto& c : kCases) {
    const auto bytes = ReadBoundedFile(SystemFileSystem(), c.path, c.limit, "setting file");
    if (c.refused) {
      ASSERT_FALSE(bytes.ok()) << c.what;
      EXPECT_EQ(bytes.error().code, *c.refused) << c.what << ": " << bytes.message();
    } else {
      ASSERT_TRUE(bytes.ok()) << c.what << ": " << bytes.message();
      EXPECT_EQ(bytes->size(), 3u) << c.what;
    }
  }
}

}  // namespace
}  // namespace quelmo
