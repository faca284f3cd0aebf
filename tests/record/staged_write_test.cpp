#include "record/staged_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/write_test_files.h"
#include "support/temp_folder.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t from,
                                std::size_t count) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
          bytes.begin() + static_cast<std::ptrdiff_t>(from + count)};
}

std::vector<std::uint8_t> CheckRecordBytes(std::uint8_t low, std::uint8_t high) {
  std::vector<std::uint8_t> record(60, 0);
  record[56] = low;
  record[57] = high;
  record[58] = 0x0D;
  record[59] = 0x0A;
  return record;
}

// A value record (3=2, 4=5, 7=1, 50=1) and the text record of "短信" in GBK.
// The check values below were worked out apart from this code, with a
// bit-by-bit CRC-16/XMODEM.
std::vector<SettingRecord> TwoRecords() {
  SettingRecord header = ValueRecord();
  header[3] = 2;
  header[4] = 5;
  header[7] = 1;
  header[50] = 1;
  return {header, TextRecord("\xB6\xCC\xD0\xC5")};
}

TEST(ScrambledFileBytes, SwapsDataRecordsThenCheckPlusTwentyThenReserved) {
  const std::vector<std::uint8_t> bytes =
      ScrambledFileBytes(TwoRecords(), TrailingRecord::kReserved);
  ASSERT_EQ(bytes.size(), 4 * kRecordSize);
  EXPECT_THAT(Slice(bytes, 0, 8), ElementsAre(0x00, 0x00, 0x00, 0x20, 0x50, 0x00, 0x00, 0x10));
  // Bytes 50..59 are never swapped: the Auto flag and CR LF stay as they were.
  EXPECT_THAT(Slice(bytes, 50, 10), ElementsAre(1, 0, 0, 0, 0, 0, 0, 0, 0x0D, 0x0A));
  EXPECT_THAT(Slice(bytes, 60, 4), ElementsAre(0x6B, 0xCC, 0x0D, 0x5C));
  EXPECT_EQ(bytes[60 + 57], 4);  // the length byte is not swapped either
  // CRC of the 120 stored bytes is 0x4465; stored plus 20, low byte first.
  EXPECT_EQ(Slice(bytes, 120, 60), CheckRecordBytes(0x79, 0x44));
  EXPECT_EQ(Slice(bytes, 180, 60), CheckRecordBytes(0x00, 0x00));
}

TEST(ScrambledFileBytes, WithoutTrailingRecordEndsAtTheCheck) {
  const std::vector<std::uint8_t> bytes =
      ScrambledFileBytes(std::vector{TextRecord("abc")}, TrailingRecord::kNone);
  ASSERT_EQ(bytes.size(), 2 * kRecordSize);
  EXPECT_THAT(Slice(bytes, 0, 3), ElementsAre(0x16, 0x26, 0x36));
  EXPECT_EQ(bytes[57], 3);
  EXPECT_EQ(Slice(bytes, 60, 60), CheckRecordBytes(0xB7, 0x49));
}

TEST(StagingFileBytes, PlainRecordsThenPlainCheckWithoutTwenty) {
  const std::vector<SettingRecord> records = TwoRecords();
  const std::vector<std::uint8_t> staged = StagingFileBytes(records);
  ASSERT_EQ(staged.size(), 3 * kRecordSize);
  EXPECT_TRUE(std::equal(records[0].begin(), records[0].end(), staged.begin()));
  EXPECT_TRUE(std::equal(records[1].begin(), records[1].end(), staged.begin() + 60));
  EXPECT_EQ(Slice(staged, 120, 60), CheckRecordBytes(0x67, 0x31));
  // The plain check and the final one differ: other bytes, and no +20.
  EXPECT_NE(Slice(staged, 120, 60),
            Slice(ScrambledFileBytes(records, TrailingRecord::kNone), 120, 60));
}

class StagedWriteOnDisk : public ::testing::Test {
 protected:
  std::filesystem::path In(std::string_view name) const { return folder_.path() / name; }
  TempFolder folder_;
};

TEST_F(StagedWriteOnDisk, WritesTheScrambledFileAndRemovesAStaleScratchFile) {
  WriteBytes(In("setup.dat"), std::vector<std::uint8_t>(720, 0x55));
  const std::vector<SettingRecord> records = SampleRecords(11);
  ASSERT_TRUE(
      StagedWrite(SystemFileSystem(), folder_.path(), "mms.dat", records, TrailingRecord::kReserved)
          .ok());
  const std::vector<std::uint8_t> written = ReadBytes(In("mms.dat"));
  EXPECT_EQ(written.size(), 780u);
  EXPECT_EQ(written, ScrambledFileBytes(records, TrailingRecord::kReserved));
  EXPECT_EQ(TempFolder::Entries(folder_.path()), std::set<std::string>{"mms.dat"});
}

TEST_F(StagedWriteOnDisk, AMissingFolderIsNamedAndNothingIsCreated) {
  const std::filesystem::path missing = In("no such card");
  const Status status =
      StagedWrite(SystemFileSystem(), missing, "sms.dat", SampleRecords(4), TrailingRecord::kNone);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.error().code, ErrorCode::kNotFound);
  EXPECT_EQ(status.message(), "The folder " + PathToUtf8(missing) + " does not exist.");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

#ifndef _WIN32
TEST_F(StagedWriteOnDisk, AReadOnlyFolderIsNamedWithTheSystemsReason) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  const std::filesystem::path locked = In("locked");
  std::filesystem::create_directory(locked);
  ::chmod(locked.c_str(), 0555);
  const Status status =
      StagedWrite(SystemFileSystem(), locked, "sms.dat", SampleRecords(4), TrailingRecord::kNone);
  ::chmod(locked.c_str(), 0755);
  ASSERT_FALSE(status.ok());
  EXPECT_EQ(status.message(),
            "The folder " + PathToUtf8(locked) + " cannot be written: Permission denied");
  EXPECT_TRUE(TempFolder::Entries(locked).empty());
}

TEST_F(StagedWriteOnDisk, AScratchFileThatIsALinkIsReplacedNotWrittenThrough) {
  TempFolder elsewhere;
  const std::filesystem::path target = elsewhere.path() / "notes.txt";
  WriteBytes(target, {'k', 'e', 'e', 'p'});
  std::filesystem::create_symlink(target, In("setup.dat"));

  ASSERT_TRUE(StagedWrite(SystemFileSystem(), folder_.path(), "sms.dat", SampleRecords(4),
                          TrailingRecord::kNone)
                  .ok());
  EXPECT_EQ(ReadBytes(target), (std::vector<std::uint8_t>{'k', 'e', 'e', 'p'}));
  EXPECT_EQ(TempFolder::Entries(folder_.path()), std::set<std::string>{"sms.dat"});
}
#endif

TEST_F(StagedWriteOnDisk, AFolderPathOfAnyLengthWorks) {
  std::filesystem::path deep = folder_.path();
  while (PathToUtf8(deep).size() <= 320) {
    deep /= PathFromUtf8(std::string(60, 'd') + "短信");
  }
#ifdef _WIN32
  // The test's own calls need Windows' extended-length form for so long a
  // path; the writer is given the plain one.
  const std::filesystem::path checked(L"\\\\?\\" + deep.native());
#else
  const std::filesystem::path checked = deep;
#endif
  std::filesystem::create_directories(checked);
  const std::vector<SettingRecord> records = SampleRecords(11);
  const Status status =
      StagedWrite(SystemFileSystem(), deep, "gprs.dat", records, TrailingRecord::kReserved);
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(ReadBytes(checked / "gprs.dat"),
            ScrambledFileBytes(records, TrailingRecord::kReserved));
#ifdef _WIN32
  // mingw's folder listing stops at MAX_PATH: ask for the scratch file by name.
  EXPECT_FALSE(SystemFileSystem().Exists(deep / std::string(kStagingFileName)));
#else
  EXPECT_EQ(TempFolder::Entries(deep), std::set<std::string>{"gprs.dat"});
#endif
}

TEST_F(StagedWriteOnDisk, RefusesNoRecordsAndTheScratchNameAsFinalName) {
  EXPECT_EQ(StagedWrite(SystemFileSystem(), folder_.path(), "sms.dat", {}, TrailingRecord::kNone)
                .error()
                .code,
            ErrorCode::kInvalidArgument);
  EXPECT_EQ(StagedWrite(SystemFileSystem(), folder_.path(), "setup.dat", SampleRecords(4),
                        TrailingRecord::kNone)
                .error()
                .code,
            ErrorCode::kInvalidArgument);
  EXPECT_TRUE(TempFolder::Entries(folder_.path()).empty());
}

}  // namespace
}  // namespace quelmo
