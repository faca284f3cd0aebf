// Saves that meet another program in the folder: one that plants a link or
// rewrites a file while the save runs, and other saves into the same folder.
// A save either writes its own bytes and says so, or writes nothing through
// anyone else's file and says why.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "record/safe_write.h"
#include "record/staged_write.h"
#include "record/write_test_files.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;

const std::vector<std::uint8_t> kVictimBytes = {'k', 'e', 'e', 'p'};
const std::vector<std::uint8_t> kOldFinalBytes(300, 0xEE);

std::vector<SettingRecord> OtherRecords() {
  std::vector<SettingRecord> records = SampleRecords(4);
  records[0][3] = 9;  // another save's settings
  return records;
}

bool IsCreateOf(const StepRecord& step, std::string_view name_part) {
  return step.step == FileStep::kCreate &&
         PathToUtf8(step.path.filename()).find(name_part) != std::string::npos;
}

struct Interference {
  std::string name;
  // Acts on the folder just before `step`; `victim` is a file outside it.
  std::function<void(const StepRecord& step, const std::filesystem::path& victim)> act;
  std::string message;
};

std::ostream& operator<<(std::ostream& out, const Interference& interference) {
  return out << interference.name;
}

#ifndef _WIN32
void PlantLinkBeforeCreate(const StepRecord& step, const std::filesystem::path& victim,
                           std::string_view name_part) {
  if (IsCreateOf(step, name_part)) std::filesystem::create_symlink(victim, step.path);
}
#endif

const Interference kInterferences[] = {
#ifndef _WIN32
    {"LinkPlantedAsTheScratchFile",
     [](const StepRecord& step, const std::filesystem::path& victim) {
       PlantLinkBeforeCreate(step, victim, "setup.dat");
     },
     "another program made a file of that name"},
    {"LinkPlantedAsTheTemporaryFile",
     [](const StepRecord& step, const std::filesystem::path& victim) {
       PlantLinkBeforeCreate(step, victim, ".tmp");
     },
     "another program made a file of that name"},
#endif
    // A second save without the lock (another file system, another program)
    // rewrites the scratch file with records that pass their own check.
    {"ScratchFileRewrittenByAnotherSave",
     [](const StepRecord& step, const std::filesystem::path&) {
       if (step.step == FileStep::kRead && step.path.filename() == "setup.dat") {
         WriteBytes(step.path, StagingFileBytes(OtherRecords()));
       }
     },
     "bytes this save wrote"},
};

class SaveMeetingAnotherProgram : public ::testing::TestWithParam<Interference> {};

TEST_P(SaveMeetingAnotherProgram, FailsWritingNothingThroughAndKeepsTheOldFile) {
  TempFolder folder;
  TempFolder elsewhere;
  const std::filesystem::path victim = elsewhere.path() / "victim";
  WriteBytes(victim, kVictimBytes);
  WriteBytes(folder.path() / "sms.dat", kOldFinalBytes);

  FailingFileSystem files(SystemFileSystem());
  files.BeforeEachStep([&](const StepRecord& step) { GetParam().act(step, victim); });
  const Status status =
      StagedWrite(files, folder.path(), "sms.dat", SampleRecords(4), TrailingRecord::kNone);

  ASSERT_FALSE(status.ok());
  EXPECT_THAT(status.message(), HasSubstr(GetParam().message));
  EXPECT_THAT(status.message(), HasSubstr(PathToUtf8(folder.path())));
  EXPECT_EQ(ReadBytes(victim), kVictimBytes);
  EXPECT_EQ(ReadBytes(folder.path() / "sms.dat"), kOldFinalBytes);
}

INSTANTIATE_TEST_SUITE_P(Interferences, SaveMeetingAnotherProgram,
                         ::testing::ValuesIn(kInterferences),
                         [](const auto& info) { return info.param.name; });

TEST(FolderLock, ASecondLockOnTheFolderWaitsThenReportsTheOtherSave) {
  TempFolder folder;
  Result<std::unique_ptr<FolderLock>> held =
      SystemFileSystem().LockFolder(folder.path(), std::chrono::milliseconds(0));
  ASSERT_TRUE(held.ok()) << held.message();

  const Result<std::unique_ptr<FolderLock>> second =
      SystemFileSystem().LockFolder(folder.path(), std::chrono::milliseconds(30));
  ASSERT_FALSE(second.ok());
  EXPECT_EQ(second.error().code, ErrorCode::kBusy);
  EXPECT_EQ(second.message(), "Another save into " + PathToUtf8(folder.path()) +
                                  " is under way; try again when it has finished.");

  held->reset();
  EXPECT_TRUE(SystemFileSystem().LockFolder(folder.path(), std::chrono::milliseconds(0)).ok());
  EXPECT_TRUE(TempFolder::Entries(folder.path()).empty()) << "no lock is left on the card";
}

TEST(FolderLock, ASaveWaitsForTheOneBeforeItToFinish) {
  TempFolder folder;
  Result<std::unique_ptr<FolderLock>> held =
      SystemFileSystem().LockFolder(folder.path(), std::chrono::milliseconds(0));
  ASSERT_TRUE(held.ok());
  std::thread release([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    held->reset();
  });
  const Status status = StagedWrite(SystemFileSystem(), folder.path(), "sms.dat",
                                    SampleRecords(4), TrailingRecord::kNone);
  release.join();
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(ReadBytes(folder.path() / "sms.dat"),
            ScrambledFileBytes(SampleRecords(4), TrailingRecord::kNone));
}

// Several saves of different settings into one folder at once, round after
// round: each reports success, and the file is always one whole version.
TEST(ConcurrentSaves, EverySaveSucceedsAndTheFileIsOneWholeVersion) {
  TempFolder folder;
  constexpr int kSavers = 3;
  std::vector<std::vector<std::uint8_t>> versions;
  std::vector<std::vector<SettingRecord>> records;
  for (int saver = 0; saver < kSavers; ++saver) {
    records.push_back(SampleRecords(4));
    records.back()[0][3] = static_cast<std::uint8_t>(saver);
    versions.push_back(ScrambledFileBytes(records.back(), TrailingRecord::kNone));
  }
  for (int round = 0; round < 10; ++round) {
    std::vector<Status> outcomes(kSavers);
    std::vector<std::thread> savers;
    for (int saver = 0; saver < kSavers; ++saver) {
      savers.emplace_back([&, saver] {
        outcomes[saver] = StagedWrite(SystemFileSystem(), folder.path(), "sms.dat",
                                      records[saver], TrailingRecord::kNone);
      });
    }
    for (std::thread& saver : savers) saver.join();
    for (const Status& outcome : outcomes) EXPECT_TRUE(outcome.ok()) << outcome.message();
    EXPECT_THAT(versions, ::testing::Contains(ReadBytes(folder.path() / "sms.dat")));
    EXPECT_EQ(TempFolder::Entries(folder.path()), std::set<std::string>{"sms.dat"});
  }
}

}  // namespace
}  // namespace quelmo
