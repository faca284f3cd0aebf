// Import into a card where something stands in a file's way: a folder, a
// pipe or a link to a device, or the card's folder itself swapped for a link
// halfway. Whatever it is, import must end promptly, say exactly what it
// wrote, and leave no file of its own behind.

#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "support/failing_file_system.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using testing::RunQuelmoCli;
using testing::WriteTextFile;
using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

constexpr const char* kProfile = R"({
  "camera": {"imageSize": "5MP", "clock": "2020-06-01T08:30:00"},
  "mms": {"mode": "Customer", "url": "http://mms.example.com", "apn": "mms",
          "gateway": "10.0.0.1", "port": "8080", "phone": "+4915112345678"},
  "gprs": {"apnMode": "Customer", "apn": "internet", "smtpServer": "smtp.example.com",
           "smtpPort": "25", "senderEmail": "cam@example.com", "senderPassword": "secret",
           "recipientEmail": "me@example.com"},
  "sms": {"phone1": "+4915112345678"}
})";

constexpr const char* kNothingWritten =
    "written: none; not written, left as they were: camera.dat, mms.dat, gprs.dat, sms.dat";

class ImportObstacleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteTextFile(PathToUtf8(input_.path() / "profile.json"), kProfile);
    WriteTextFile(PathToUtf8(card_.path() / "camera.dat"), "old");
  }

  testing::CliRun Import(FileSystem& files = SystemFileSystem()) {
    return RunQuelmoCli({"import", PathToUtf8(input_.path() / "profile.json"), "--out",
                         PathToUtf8(card_.path())},
                        files);
  }

  TempFolder input_;
  TempFolder card_;
};

// Each obstacle could be seen before the first write: import writes nothing,
// not even the camera.dat ahead of it, and waits on nothing.
TEST_F(ImportObstacleTest, WhatStandsInAFilesWayStopsImportBeforeItWritesAnything) {
  struct Case {
    const char* name;
    std::function<void(const fs::path& card)> place;
    const char* named;  // the path the message names
  };
  const Case cases[] = {
      {"a folder in place of mms.dat",
       [](const fs::path& card) { fs::create_directory(card / "mms.dat"); }, "mms.dat"},
      {"a pipe in place of sms.dat",
       [](const fs::path& card) { ASSERT_EQ(::mkfifo((card / "sms.dat").c_str(), 0600), 0); },
       "sms.dat"},
      {"setup.dat a folder, gprs.dat a pipe",
       [](const fs::path& card) {
         fs::create_directory(card / "setup.dat");
         ASSERT_EQ(::mkfifo((card / "gprs.dat").c_str(), 0600), 0);
       },
       "gprs.dat"},
      {"setup.dat a folder, gprs.dat a link to an endless device",
       [](const fs::path& card) {
         fs::create_directory(card / "setup.dat");
         fs::create_symlink("/dev/zero", card / "gprs.dat");
       },
       "setup.dat"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(card_.path());
    fs::create_directories(card_.path());
    WriteTextFile(PathToUtf8(card_.path() / "camera.dat"), "old");
    ASSERT_NO_FATAL_FAILURE(c.place(card_.path()));
    const std::set<std::string> before = TempFolder::Entries(card_.path());

    const auto run = Import();
    EXPECT_EQ(run.exitCode, kExitWriteFailed) << run.err;
    EXPECT_THAT(run.err, HasSubstr("nothing was written: "));
    EXPECT_THAT(run.err, HasSubstr(PathToUtf8(card_.path() / c.named)));
    EXPECT_THAT(run.err, HasSubstr(kNothingWritten));
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(ReadBytes(card_.path() / "camera.dat"), (Bytes{'o', 'l', 'd'}));
    EXPECT_EQ(TempFolder::Entries(card_.path()), before);
  }
}

// What a file's place holds after a rename reported failure is read to
// tell whether the file got there. A pipe or a link to an endless device put
// in the place meanwhile must neither hang import nor make it read without
// end, and the report must still come.
TEST_F(ImportObstacleTest, AFailedRenameIsToldWithoutWaitingOnWhatTookTheFilesPlace) {
  struct Case {
    const char* name;
    std::function<void(const fs::path& place)> put;
  };
  const Case cases[] = {
      {"a pipe", [](const fs::path& place) { ::mkfifo(place.c_str(), 0600); }},
      {"a link to an endless device",
       [](const fs::path& place) { fs::create_symlink("/dev/zero", place); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(card_.path());
    fs::create_directories(card_.path());
    FailingFileSystem files(SystemFileSystem());
    files.BeforeEachStep([&](const StepRecord& step) {
      if (step.step != FileStep::kReplace || step.path.filename() != "gprs.dat") return;
      c.put(step.path);
      files.FaultAt(files.step_count());
    });

    const auto run = Import(files);
    EXPECT_EQ(run.exitCode, kExitWriteFailed) << run.err;
    EXPECT_THAT(run.err, HasSubstr("written: camera.dat, mms.dat; not written, left as they "
                                   "were: gprs.dat, sms.dat"));
    EXPECT_EQ(TempFolder::Entries(card_.path()),
              (std::set<std::string>{"camera.dat", "mms.dat", "gprs.dat"}));
  }
}

// A link where a file goes is a name, not an obstacle: the rename replaces
// the link and never writes through it.
TEST_F(ImportObstacleTest, ALinkInAFilesPlaceIsReplacedNotFollowed) {
  fs::create_symlink("/dev/zero", card_.path() / "gprs.dat");
  const auto run = Import();
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_FALSE(fs::is_symlink(card_.path() / "gprs.dat"));
  EXPECT_EQ(fs::file_size(card_.path() / "gprs.dat"), 780u);
}

// The card's folder renamed and a link to another folder put in its name
// once import has begun: every file still goes into the folder import
// opened, and nothing of it lands in the other one.
TEST_F(ImportObstacleTest, AFolderSwappedForALinkDuringImportDoesNotRedirectTheFiles) {
  TempFolder decoy;
  const fs::path moved = card_.path().string() + ".moved";
  FailingFileSystem files(SystemFileSystem());
  bool swapped = false;
  files.BeforeEachStep([&](const StepRecord& step) {
    if (swapped || step.step != FileStep::kCreate) return;
    fs::rename(card_.path(), moved);
    fs::create_directory_symlink(decoy.path(), card_.path());
    swapped = true;
  });

  const auto run = Import(files);
  const std::set<std::string> in_moved = TempFolder::Entries(moved);
  const std::set<std::string> in_decoy = TempFolder::Entries(decoy.path());
  fs::remove(card_.path());
  fs::rename(moved, card_.path());

  ASSERT_TRUE(swapped);
  EXPECT_EQ(run.exitCode, kExitOk) << run.err;
  EXPECT_EQ(in_moved, (std::set<std::string>{"camera.dat", "mms.dat", "gprs.dat", "sms.dat"}));
  EXPECT_EQ(in_decoy, std::set<std::string>{});
}

}  // namespace
}  // namespace quelmo
