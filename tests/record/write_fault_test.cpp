// Every I/O step of a save is made to fail in turn (and every read, and
// every write the save reads back, to corrupt its bytes silently). Whatever
// the step, the save must report a failure naming a path, and the folder
// must hold the old file untouched or the new one complete, with no scratch
// or temporary file beside it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "record/safe_write.h"
#include "record/staged_write.h"
#include "record/write_test_files.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;

// The default camera.dat, worked out by hand: marker 7F in bytes 0..3, the
// check value 0x8850 + 20 at 56..57, CR LF at 58..59 and 118..119.
std::vector<std::uint8_t> DefaultCameraFile() {
  std::vector<std::uint8_t> bytes(180, 0);
  for (int i = 0; i < 4; ++i) bytes[i] = 0x7F;
  bytes[56] = 0x64;
  bytes[57] = 0x88;
  bytes[58] = 0x0D;
  bytes[59] = 0x0A;
  bytes[118] = 0x0D;
  bytes[119] = 0x0A;
  return bytes;
}

struct SaveCase {
  std::string name;
  std::string finalName;
  std::function<Status(FileSystem&, const std::filesystem::path&)> save;
  std::vector<std::uint8_t> newBytes;
  bool staged = true;  // goes through setup.dat
  // Opens (the lock's included), removes, renames and syncs: what a save
  // costs on a slow card.
  std::size_t fileCalls = 9;
};

std::ostream& operator<<(std::ostream& out, const SaveCase& save_case) {
  return out << save_case.name;
}

SaveCase StagedCase(std::string name, std::string final_name, std::size_t count,
                    TrailingRecord trailing) {
  const std::vector<SettingRecord> records = SampleRecords(count);
  return {std::move(name), final_name,
          [=](FileSystem& files, const std::filesystem::path& folder) {
            return StagedWrite(files, folder, final_name, records, trailing);
          },
          ScrambledFileBytes(records, trailing)};
}

SaveCase CameraCase() {
  const std::vector<std::uint8_t> bytes = DefaultCameraFile();
  return {"camera", "camera.dat",
          [=](FileSystem& files, const std::filesystem::path& folder) {
            return WriteFileAtomically(files, folder, "camera.dat", bytes);
          },
          bytes, false, 5};
}

class WriteFaults : public ::testing::TestWithParam<SaveCase> {
 protected:
  // The steps of a complete save, and the number of the step that renames
  // the new file into place.
  void CountSteps() {
    TempFolder folder;
    FailingFileSystem counting(SystemFileSystem());
    const Status status = GetParam().save(counting, folder.path());
    ASSERT_TRUE(status.ok()) << status.message();
    ASSERT_EQ(ReadBytes(folder.path() / GetParam().finalName), GetParam().newBytes);
    steps_ = counting.steps();
    for (std::size_t k = 0; k < steps_.size(); ++k) {
      if (steps_[k].step == FileStep::kReplace) replace_step_ = k + 1;
    }
    ASSERT_NE(replace_step_, 0u);
  }

  // Runs the save with `fault` at step `k`, the folder prepared with an old
  // final file (when `old_file`) and a stale scratch file.
  void SaveWithFault(std::size_t k, Fault fault, bool old_file) {
    const SaveCase& save_case = GetParam();
    const FileStep step = steps_[k - 1].step;
    TempFolder folder;
    const std::vector<std::uint8_t> old_bytes(save_case.newBytes.size() + 7, 0xEE);
    if (old_file) WriteBytes(folder.path() / save_case.finalName, old_bytes);
    if (save_case.staged) WriteBytes(folder.path() / "setup.dat", {0x55, 0x55});

    FailingFileSystem failing(SystemFileSystem());
    failing.FaultAt(k, fault);
    const Status status = save_case.save(failing, folder.path());
    SCOPED_TRACE(failing.Describe(k) + (fault == Fault::kCorrupt ? " (corrupted)" : " (failed)") +
                 (old_file ? ", old file present" : ", no old file"));

    ASSERT_FALSE(status.ok());
    EXPECT_THAT(status.message(), HasSubstr(PathToUtf8(folder.path())));
    if (fault == Fault::kCorrupt) {
      EXPECT_EQ(status.error().code, ErrorCode::kCorrupt);
    }

    // A save that stops at its first look at the folder, or at its lock,
    // touches nothing.
    if (step == FileStep::kCheckFolder || step == FileStep::kLock) {
      std::set<std::string> untouched = {"setup.dat"};
      if (!save_case.staged) untouched.clear();
      if (old_file) untouched.insert(save_case.finalName);
      EXPECT_EQ(TempFolder::Entries(folder.path()), untouched);
      return;
    }
    std::set<std::string> expected_entries;
    const bool replaced = k > replace_step_;
    if (replaced || old_file) expected_entries.insert(save_case.finalName);
    // Only a file whose removal itself failed may stay, and the message says so.
    if (step == FileStep::kRemove) {
      expected_entries.insert(failing.steps()[k - 1].path.filename().string());
      EXPECT_THAT(status.message(), HasSubstr("stays behind"));
    }
    EXPECT_EQ(TempFolder::Entries(folder.path()), expected_entries);
    if (replaced) {
      EXPECT_EQ(ReadBytes(folder.path() / save_case.finalName), save_case.newBytes);
    } else if (old_file) {
      EXPECT_EQ(ReadBytes(folder.path() / save_case.finalName), old_bytes);
    }
  }

  std::vector<StepRecord> steps_;
  std::size_t replace_step_ = 0;
};

TEST_P(WriteFaults, AFailureAtAnyStepLeavesTheOldFileOrTheNewOneAndNothingElse) {
  ASSERT_NO_FATAL_FAILURE(CountSteps());
  for (std::size_t k = 1; k <= steps_.size(); ++k) {
    for (const bool old_file : {true, false}) SaveWithFault(k, Fault::kFail, old_file);
  }
}

// Where a save reads a file back (the scratch file, which another save may
// have rewritten), bytes changed on the way there or back stop it.
TEST_P(WriteFaults, BytesCorruptedOnTheWayAreCaughtWhereTheSaveReadsThemBack) {
  ASSERT_NO_FATAL_FAILURE(CountSteps());
  for (std::size_t k = 1; k <= steps_.size(); ++k) {
    const FileStep step = steps_[k - 1].step;
    if (step == FileStep::kRead || (step == FileStep::kWrite && ReadAgainLater(steps_, k)))
      SaveWithFault(k, Fault::kCorrupt, true);
  }
}

TEST_P(WriteFaults, ASaveMakesNoMoreFileCallsThanItNeeds) {
  ASSERT_NO_FATAL_FAILURE(CountSteps());
  const std::size_t calls = std::ranges::count_if(steps_, [](const StepRecord& record) {
    switch (record.step) {
      case FileStep::kLock:
      case FileStep::kCreate:
      case FileStep::kRead:
      case FileStep::kSync:
      case FileStep::kReplace:
      case FileStep::kRemove:
      case FileStep::kSyncFolder:
        return true;
      default:
        return false;
    }
  });
  EXPECT_EQ(calls, GetParam().fileCalls);
  // Only the final file's bytes must reach the device before the rename.
  const std::size_t syncs = std::ranges::count_if(
      steps_, [](const StepRecord& record) { return record.step == FileStep::kSync; });
  EXPECT_EQ(syncs, 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Saves, WriteFaults,
    ::testing::Values(StagedCase("mms", "mms.dat", 11, TrailingRecord::kReserved),
                      StagedCase("sms", "sms.dat", 4, TrailingRecord::kNone), CameraCase()),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quelmo
