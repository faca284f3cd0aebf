#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "support/failing_file_system.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using testing::ReferenceStoredCheck;
using testing::ReferenceSwap;
using testing::RunQuelmoCli;
using testing::TempFolder;
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
  // std::regex: GoogleTest's own matchers have only a simple syntax on Windows.
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("check value stored 0x[0-9A-F]{4}, computed 0x[0-9A-F]{4}")))
      << run.out;
}

TEST_F(CheckCommandTest, DamageFailsAndStillListsUnusualValues) {
  auto bytes = ReadBytes(folder_ / "camera.dat");
  bytes[29] = 12;  // the camera language, outside 1..11, under the old check value
  WriteBytes(folder_ / "camera.dat", bytes);
  const auto run = RunQuelmoCli({"check", folder_ / "camera.dat"});
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_TRUE(std::regex_search(run.out, std::regex(": damaged: check value stored 0x[0-9A-F]{4}, "
                                                    "computed 0x[0-9A-F]{4}; warning: record 0 "
                                                    "byte 29 \\(cameraLanguage\\): 12 ")))
      << run.out;
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

// A card may name its files with any byte: each file stays one line, its
// name escaped, in check and in show.
TEST_F(CheckCommandTest, FileNamesFromACardAreEscapedOntoOneLine) {
#ifdef _WIN32
  GTEST_SKIP() << "Windows file names hold no line breaks or escape characters";
#endif
  const std::string odd = "sms\n\x1B[2Jfake: intact\xE2\x80\xAE.dat";
  std::filesystem::copy_file(folder_ / "sms.dat", folder_ / odd);
  const auto run = RunQuelmoCli({"check", folder_ / odd, folder_ / "missing\n.dat"});
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_THAT(run.out, HasSubstr("/sms\\n\\u001b[2Jfake: intact\\u202e.dat: intact\n"));
  EXPECT_THAT(run.out, HasSubstr("missing\\n.dat"));
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2) << run.out;
  const auto shown = RunQuelmoCli({"show", folder_ / odd});
  EXPECT_THAT(shown.out, HasSubstr("\\u001b[2Jfake: intact\\u202e.dat\n"));
  EXPECT_EQ(shown.out.find('\x1B'), std::string::npos);
}

// Values outside their lists or ranges under a check value that fits: the
// frame is sound, so the file is intact and each value is a warning. A stored
// language outside 1..11 is written unchanged by every form, so the program's
// own files carry it. A value the reader can make valid is shown so that
// write accepts it; settings that fail the form's save check stay refused.
TEST_F(CheckCommandTest, UnusualValuesUnderAFittingCheckValueAreWarnings) {
  struct Case {
    const char* kind;
    const char* settings;
    std::size_t offset;
    std::uint8_t value;
    std::size_t dataRecords;  // 0: camera.dat, checked over bytes 0..49, unscrambled
    const char* reported;
    int rewriteExit = kExitOk;
  };
  const Case cases[] = {
      {"camera", R"({"clock": "2012-02-07T10:00:00"})", 16, 30, 0, "clockDay"},
      {"camera", "{}", 29, 12, 0, "(cameraLanguage): 12 is outside 1..11, read as 2"},
      {"camera", "{}", 29, 0, 0, "(cameraLanguage): 0 is outside 1..11"},
      {"mms", R"({"mode": "Customer", "url": "u", "apn": "a", "gateway": "g.h", "port": "80",
                  "phone": "12345"})",
       5, 12, 11, "(cameraLanguage): 12 is outside"},
      {"gprs", R"({"apnMode": "Customer", "apn": "ap", "smtpServer": "smtp.x", "smtpPort": "25",
                   "senderEmail": "a@b.c", "senderPassword": "pw", "recipientEmail": "c@d.e"})",
       5, 0, 11, "(cameraLanguage): 0 is outside"},
      {"sms", R"({"phone1": "12345"})", 5, 200, 4, "(cameraLanguage): 200 is outside"},
      {"sms", R"({"phone1": "12345"})", 62, 'x', 4, "save check: Please check the phone number",
       kExitCheckFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + c.reported);
    TempFolder first;
    TempFolder second;
    WriteTextFile(first / "in.json", c.settings);
    ASSERT_EQ(RunQuelmoCli({"write", c.kind, "--out", first.path().string(), "--settings",
                            first / "in.json"}).exitCode,
              kExitOk);
    const std::string path = first / (std::string(c.kind) + ".dat");
    auto bytes = ReadBytes(path);
    const bool camera = c.dataRecords == 0;
    bytes[c.offset] = camera ? c.value : ReferenceSwap(c.value);
    const std::size_t checked = camera ? 50 : c.dataRecords * 60;
    const std::size_t check_at = camera ? 56 : checked + 56;
    const std::uint16_t check = ReferenceStoredCheck(std::span(bytes).first(checked));
    bytes[check_at] = static_cast<std::uint8_t>(check & 0xFF);
    bytes[check_at + 1] = static_cast<std::uint8_t>(check >> 8);
    WriteBytes(path, bytes);

    const auto checked_run = RunQuelmoCli({"check", path});
    EXPECT_EQ(checked_run.exitCode, kExitOk);
    EXPECT_THAT(checked_run.out, HasSubstr(path + ": intact; warning: "));
    EXPECT_THAT(checked_run.out, HasSubstr(c.reported));

    const auto shown = RunQuelmoCli({"show", "--json", "--reveal", path});
    ASSERT_EQ(shown.exitCode, kExitOk);
    WriteTextFile(first / "shown.json", shown.out);
    const auto rewritten = RunQuelmoCli({"write", c.kind, "--out", second.path().string(),
                                         "--settings", first / "shown.json"});
    EXPECT_EQ(rewritten.exitCode, c.rewriteExit) << rewritten.err;
  }
}

}  // namespace
}  // namespace quelmo

namespace quelmo {
namespace {

// show, check and export read the card's files through the file layer they
// are given, so that a failing one is seen; nothing reaches past it.
TEST_F(CheckCommandTest, ShowCheckAndExportReadThroughTheFileLayerGiven) {
  const std::string sms = folder_ / "sms.dat";
  const std::vector<std::vector<std::string>> commands = {
      {"show", sms}, {"show", "--json", sms}, {"check", sms},
      {"export", folder_.path().string()}};
  for (const auto& args : commands) {
    FailingFileSystem failing(SystemFileSystem());
    failing.FaultAt(1);
    const auto run = RunQuelmoCli(args, failing);
    ASSERT_FALSE(failing.steps().empty()) << args[0];
    EXPECT_EQ(failing.steps()[0].step, FileStep::kRead) << args[0];
    EXPECT_NE(run.exitCode, kExitOk) << args[0];
    EXPECT_THAT(run.out + run.err, HasSubstr("injected failure")) << args[0];
  }
}

}  // namespace
}  // namespace quelmo
