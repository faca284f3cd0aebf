// Import with each step of the file layer failing in turn: the report must
// say exactly which files were written, and every file must be whole, the
// old one or the new one.

#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>
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

constexpr const char* kProfile = R"({
  "camera": {"imageSize": "5MP", "clock": "2020-06-01T08:30:00"},
  "mms": {"mode": "Customer", "url": "http://mms.example.com", "apn": "mms",
          "gateway": "10.0.0.1", "port": "8080", "phone": "+4915112345678"},
  "gprs": {"apnMode": "Customer", "apn": "internet", "smtpServer": "smtp.example.com",
           "smtpPort": "25", "senderEmail": "cam@example.com", "senderPassword": "secret",
           "recipientEmail": "me@example.com"},
  "sms": {"phone1": "+4915112345678"}
})";

const std::vector<std::string> kFiles{"camera.dat", "mms.dat", "gprs.dat", "sms.dat"};

Bytes OldContent(const std::string& name) {
  const std::string text = "old " + name;
  return Bytes(text.begin(), text.end());
}

// "written: a, b; not written, left as they were: c, d" as two sets.
bool ParseReport(const std::string& err, std::set<std::string>& written,
                 std::set<std::string>& not_written) {
  static const std::regex kReport("written: ([^;\n]*); not written, left as they were: ([^\n]*)");
  std::smatch match;
  if (!std::regex_search(err, match, kReport)) return false;
  const auto split = [](const std::string& list, std::set<std::string>& into) {
    if (list == "none") return;
    std::istringstream items(list);
    std::string item;
    while (std::getline(items, item, ',')) into.insert(item.substr(item.find_first_not_of(' ')));
  };
  split(match[1], written);
  split(match[2], not_written);
  return true;
}

class ImportFaultTest : public ::testing::Test {
 protected:
  void SetUp() override { WriteTextFile(input_ / "profile.json", kProfile); }

  void PutOldFiles() {
    std::filesystem::remove_all(card_.path());
    std::filesystem::create_directories(card_.path());
    for (const auto& name : kFiles) WriteBytes(card_ / name, OldContent(name));
  }

  testing::CliRun Import(FileSystem& files) {
    return RunQuelmoCli({"import", input_ / "profile.json", "--out", card_.path().string()}, files);
  }

  testing::TempFolder input_;
  testing::TempFolder card_;
};

TEST_F(ImportFaultTest, AFailureAtAnyStepIsReportedExactlyAndLeavesEachFileWhole) {
  PutOldFiles();
  FailingFileSystem counting(SystemFileSystem());
  const auto clean = Import(counting);
  ASSERT_EQ(clean.exitCode, kExitOk) << clean.err;
  std::map<std::string, Bytes> fresh;
  for (const auto& name : kFiles) fresh[name] = ReadBytes(card_ / name);

  // The folder is synced once, after the last file.
  std::size_t folder_syncs = 0;
  for (const auto& step : counting.steps()) folder_syncs += step.step == FileStep::kSyncFolder;
  EXPECT_EQ(folder_syncs, 1u);
  EXPECT_EQ(counting.steps().back().step, FileStep::kSyncFolder);
  // Every new file is made and synced before the first one is renamed into
  // place, so that a failure on the way changes no file.
  std::size_t first_rename = 0;
  for (std::size_t k = 1; k <= counting.step_count() && first_rename == 0; ++k) {
    if (counting.steps()[k - 1].step == FileStep::kReplace) first_rename = k;
  }
  ASSERT_NE(first_rename, 0u);
  for (std::size_t k = first_rename; k <= counting.step_count(); ++k) {
    const FileStep step = counting.steps()[k - 1].step;
    EXPECT_TRUE(step != FileStep::kCreate && step != FileStep::kWrite && step != FileStep::kSync)
        << counting.Describe(k) << " comes after the first rename";
  }

  for (std::size_t k = 1; k <= counting.step_count(); ++k) {
    PutOldFiles();
    FailingFileSystem failing(SystemFileSystem());
    failing.FaultAt(k);
    const auto run = Import(failing);
    const std::string where = counting.Describe(k) + "\n" + run.err;
    EXPECT_EQ(run.exitCode, kExitWriteFailed) << where;

    std::set<std::string> written;
    std::set<std::string> not_written;
    if (run.err.find("nothing was written") != std::string::npos) {
      not_written = {kFiles.begin(), kFiles.end()};
    } else if (!ParseReport(run.err, written, not_written)) {
      // Only the closing sync can fail with every file in place.
      EXPECT_THAT(run.err, HasSubstr("may not be on the disk yet")) << where;
      written = {kFiles.begin(), kFiles.end()};
    }
    EXPECT_EQ(written.size() + not_written.size(), kFiles.size()) << where;
    for (const auto& name : written) {
      EXPECT_EQ(ReadBytes(card_ / name), fresh[name]) << name << " reported written at " << where;
    }
    for (const auto& name : not_written) {
      EXPECT_EQ(ReadBytes(card_ / name), OldContent(name))
          << name << " reported not written at " << where;
    }
    if (k < first_rename) {
      EXPECT_TRUE(written.empty()) << where;
    }
    // No temporary or scratch file stays, but one whose removal itself failed.
    std::set<std::string> entries(kFiles.begin(), kFiles.end());
    const std::filesystem::path& stepped = failing.steps()[k - 1].path;
    if (failing.steps()[k - 1].step == FileStep::kRemove && std::filesystem::exists(stepped)) {
      entries.insert(stepped.filename().string());
    }
    EXPECT_EQ(TempFolder::Entries(card_.path()), entries) << where;
  }
}

}  // namespace
}  // namespace quelmo
