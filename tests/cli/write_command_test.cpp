#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"

namespace quelmo {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using testing::CliRun;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

class WriteCommandTest : public ::testing::Test {
 protected:
  CliRun Write(const std::string& kind, const std::string& settings_json,
               std::vector<std::string> extra = {}) {
    WriteTextFile(input_ / "settings.json", settings_json);
    std::vector<std::string> args{"write", kind, "--out", out_.path().string(), "--settings",
                                  input_ / "settings.json"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunQuelmoCli(args);
  }
  bool Written(const std::string& name) const { return std::filesystem::exists(out_ / name); }
  std::vector<std::uint8_t> Bytes(const std::string& name) const { return ReadBytes(out_ / name); }

  TempFolder input_;
  TempFolder out_;
};

constexpr const char* kValidMms =
    R"({"mode": "Customer", "url": "http://mms.example.com", "apn": "mms", "gateway": "10.0.0.1",
        "port": "8080", "phone": "+4915112345678", "receiveEmail": "me@example.com"})";
constexpr const char* kValidGprs =
    R"({"apnMode": 1, "apn": "internet", "smtpServer": "smtp.example.com", "smtpPort": "25",
        "senderEmail": "cam@example.com", "senderPassword": "secret",
        "recipientEmail": "me@example.com"})";

TEST_F(WriteCommandTest, CameraRecordCarriesSettingsNamedByEnglishTextAndTheClockOfNow) {
  const auto run = Write("camera",
                         R"({"imageSize": "5MP", "videoLength": "10 Sec", "pirInterval": "0 Sec",
                             "serialChars": ["A", "0", "z", "9"], "sendMode": "SMS",
                             "timer1Enabled": "On", "timer1StartHour": 22})",
                         {"--tv-mode", "1"});
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  const auto bytes = Bytes("camera.dat");
  ASSERT_EQ(bytes.size(), 180u);
  // Worked out by hand: the clock 2012-03-07 14:05:09 in bytes 14..19, serial
  // characters as indices, camera language 2 and TV mode 1 in bytes 29..30.
  const std::vector<std::uint8_t> expected_0_to_39{
      0x00, 0x01, 0x00, 0x00, 0x09, 0x00, 0x80, 0x00, 0x01, 0x01, 0x01, 0x00, 0x00, 0x00,
      0x02, 0x03, 0x07, 0x0E, 0x05, 0x09, 0x16, 0x00, 0x00, 0x00, 0x00, 0x0A, 0x00, 0x23,
      0x09, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x03, 0x00};
  EXPECT_THAT(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 40),
              ElementsAreArray(expected_0_to_39));
  EXPECT_EQ(bytes[56], 0x39);  // CRC-16/XMODEM of bytes 0..49 plus 20 = 0x9839
  EXPECT_EQ(bytes[57], 0x98);
}

TEST_F(WriteCommandTest, ClockFromSettingsIsClampedToTheCamerasYears) {
  ASSERT_EQ(Write("camera", R"({"clock": "2040-12-31T23:59:58"})").exitCode, kExitOk);
  const auto bytes = Bytes("camera.dat");
  EXPECT_EQ(bytes[14], 21);
  EXPECT_EQ(bytes[15], 12);
  EXPECT_EQ(bytes[19], 58);

  for (const char* bad : {"2012-02-30T00:00:00", "2012-13-01T00:00:00", "2012-1-01T00:00:00",
                          "2012-01-01 00:00:00", "2012-01-01T24:00:00"}) {
    const auto run = Write("camera", std::string(R"({"clock": ")") + bad + R"("})");
    EXPECT_EQ(run.exitCode, kExitBadInput) << bad;
    EXPECT_THAT(run.err, HasSubstr("clock")) << bad;
  }
}

TEST_F(WriteCommandTest, DefaultCameraFileIsTheMarkerRecord) {
  const auto run = RunQuelmoCli({"write", "camera", "--default", "--out", out_.path().string()});
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  std::vector<std::uint8_t> expected(180, 0);
  expected[0] = expected[1] = expected[2] = expected[3] = 0x7F;
  expected[56] = 0x64;
  expected[57] = 0x88;
  expected[58] = expected[118] = 0x0D;
  expected[59] = expected[119] = 0x0A;
  EXPECT_EQ(Bytes("camera.dat"), expected);
}

TEST_F(WriteCommandTest, DefaultIsRefusedForOtherKindsAndWithSettings) {
  EXPECT_EQ(RunQuelmoCli({"write", "sms", "--default", "--out", out_.path().string()}).exitCode,
            kExitBadInput);
  EXPECT_EQ(Write("camera", "{}", {"--default"}).exitCode, kExitBadInput);
  EXPECT_FALSE(Written("camera.dat"));
  EXPECT_FALSE(Written("sms.dat"));
}

TEST_F(WriteCommandTest, FailedSaveCheckEndsStderrWithTheFormsMessageAndWritesNothing) {
  auto run = Write("sms", R"({"phone1": "123"})");
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_EQ(run.LastErrorLine(), "Phone No1. Error");

  run = Write("sms", R"({"phone1": "123"})", {"--language", "1"});
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_EQ(run.LastErrorLine(), "手机号码1错误");

  run = Write("mms", R"({"mode": "Customer"})");
  EXPECT_EQ(run.exitCode, kExitCheckFailed);
  EXPECT_FALSE(run.LastErrorLine().empty());

  run = Write("gprs", R"({"apnMode": "Customer"})");
  EXPECT_EQ(run.exitCode, kExitCheckFailed);

  EXPECT_TRUE(std::filesystem::is_empty(out_.path()));
}

TEST_F(WriteCommandTest, ValidScrambledFilesAreWrittenWithTheirHeaders) {
  ASSERT_EQ(Write("sms", R"({"phone1": "+4915112345678", "picturesPerDay": 7,
                             "smsControl": "2 Hour"})").exitCode,
            kExitOk);
  auto sms = Bytes("sms.dat");
  ASSERT_EQ(sms.size(), 300u);
  EXPECT_EQ(sms[2], 0x40);  // smsControl 4, nibbles swapped
  EXPECT_EQ(sms[4], 0x70);  // 7 pictures a day
  EXPECT_EQ(sms[5], 0x20);  // camera language 2
  EXPECT_EQ(sms[50], 0x01);

  ASSERT_EQ(Write("mms", kValidMms, {"--camera-language", "3", "--tv-mode", "1"}).exitCode, kExitOk);
  auto mms = Bytes("mms.dat");
  ASSERT_EQ(mms.size(), 780u);
  EXPECT_EQ(mms[5], 0x30);  // --camera-language
  EXPECT_EQ(mms[6], 0x10);  // --tv-mode
  EXPECT_EQ(mms[8], 0x08);  // Customer: country 128
  EXPECT_EQ(mms[50], 0x00);

  ASSERT_EQ(Write("gprs", kValidGprs).exitCode, kExitOk);
  EXPECT_EQ(Bytes("gprs.dat").size(), 780u);
  EXPECT_FALSE(Written("setup.dat"));
}

TEST_F(WriteCommandTest, CommandLineLanguageOverridesTheSettingsWhichOverrideTheDefault) {
  ASSERT_EQ(Write("sms", R"({"phone1": "12345", "cameraLanguage": 5})").exitCode, kExitOk);
  EXPECT_EQ(Bytes("sms.dat")[5], 0x50);
  ASSERT_EQ(Write("sms", R"({"phone1": "12345", "cameraLanguage": 5})",
                  {"--camera-language", "1"}).exitCode,
            kExitOk);
  EXPECT_EQ(Bytes("sms.dat")[5], 0x10);
}

TEST_F(WriteCommandTest, BadSettingsAreRefusedNamingTheKey) {
  struct Case {
    const char* kind;
    const char* json;
    const char* named;
  };
  const Case cases[] = {
      {"camera", R"({"imagesize": 1})", "imagesize"},            // unknown key (case matters)
      {"camera", R"({"beep": true})", "beep"},                   // wrong type
      {"camera", R"({"beep": 1.0})", "beep"},                    // a fraction is no index
      {"camera", R"({"imageSize": 3})", "imageSize"},            // outside the list
      {"camera", R"({"imageSize": "6MP"})", "imageSize"},        // no such entry
      {"camera", R"({"timer2StopMinute": 60})", "timer2StopMinute"},
      {"camera", R"({"serialChars": ["A", "0"]})", "serialChars"},
      {"camera", R"({"serialChars": ["A", "0", "Z", "#"]})", "serialChars[3]"},
      {"camera", R"({"tvMode": 256})", "tvMode"},
      {"sms", R"({"phone1": 12345})", "phone1"},
      {"sms", R"({"picturesPerDay": 100})", "picturesPerDay"},
      {"sms", R"({"phone1": "😀12345"})", "phone1"},           // not encodable in GBK
      {"mms", R"({"mode": 1, "url": "http://example.com/aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"})",
       "url"},                                                   // 51 bytes
      {"mms", R"({"mode": 1, "apn": "中文中文中文中文中文中文中文中文"})", "apn"},  // 32 bytes
      {"mms", R"({"mode": 1, "country": 43})", "country"},
      {"gprs", R"({"apnMode": 1, "senderPassword": null})", "senderPassword"},
      {"gprs", R"({"apnMode": 1, "tvMode": 0})", "tvMode"},     // gprs.dat has none
  };
  for (const auto& c : cases) {
    const auto run = Write(c.kind, c.json);
    EXPECT_EQ(run.exitCode, kExitBadInput) << c.json;
    EXPECT_THAT(run.err, HasSubstr(c.named)) << c.json << "\n" << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(out_.path()));
}

TEST_F(WriteCommandTest, SettingsThatAreNoJsonObjectAreBadInput) {
  for (const char* text : {"", "{", "[1, 2]", "\"sms\"", "{\"phone1\": \"\xff\"}",
                           R"({"phone1": "12345", "phone1": "67890"})"}) {
    const auto run = Write("sms", text);
    EXPECT_EQ(run.exitCode, kExitBadInput) << text;
    EXPECT_THAT(run.err, HasSubstr("settings.json")) << text;
  }
  const auto run = RunQuelmoCli({"write", "sms", "--out", out_.path().string(), "--settings",
                                 input_ / "missing.json"});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("missing.json"));
}

// Settings made to hurt: each is refused with exit 2 and a short message
// that names the key but never repeats a password, and nothing is written.
TEST_F(WriteCommandTest, HostileSettingsGiveAShortMessageAndNoFile) {
  const std::string deep = std::string(50000, '[') + std::string(50000, ']');
  const std::string long_text(100000, 'x');
  struct Case {
    const char* name;
    std::string kind;
    std::string json;
    std::string named;
    std::string never;  // must not appear in the message
  };
  const Case cases[] = {
      {"nested arrays at the top", "sms", deep, "nest deeper", "[[[["},
      {"nested arrays as a value", "sms", R"({"phone1": )" + deep + "}", "nest deeper", "[[[["},
      {"password of another type", "gprs", R"({"apnMode": 1, "senderPassword": 98765432})",
       "senderPassword", "98765432"},
      {"password in an array", "gprs", R"({"apnMode": 1, "gprsPassword": ["hunter2"]})",
       "gprsPassword", "hunter2"},
      {"password GBK cannot hold", "mms", R"({"mode": 1, "password": "hunter2😀"})", "password",
       "😀"},
      {"password cut short", "mms", R"({"mode": 1, "password": "hunter2)", "not valid JSON",
       "hunter2"},
      {"zero in a text", "sms", R"({"phone1": "123\u00004"})", "phone1", std::string(1, '\0')},
      {"bell in a text", "mms", R"({"mode": 1, "apn": "mms\u0007"})", "U+0007", "\a"},
      {"C1 control in a text", "sms", "{\"phone2\": \"12\xC2\x85\"}", "phone2", "\xC2\x85"},
      {"long list entry", "camera", R"({"imageSize": ")" + long_text + "\"}", "imageSize",
       long_text.substr(0, 40)},
      {"long clock", "camera", R"({"clock": ")" + long_text + "\"}", "clock",
       long_text.substr(0, 40)},
      {"long unknown key", "sms", "{\"" + long_text + "\": 1}", "unknown key",
       long_text.substr(0, 40)},
      {"long duplicate key", "sms",
       "{\"" + long_text + "\": 1, \"" + long_text + "\": 2}", "appears twice",
       long_text.substr(0, 40)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto run = Write(c.kind, c.json);
    EXPECT_EQ(run.exitCode, kExitBadInput);
    EXPECT_THAT(run.err, HasSubstr(c.named));
    EXPECT_THAT(run.err, ::testing::Not(HasSubstr(c.never)));
    EXPECT_LT(run.err.size(), 400u) << run.err.substr(0, 400);
  }
  EXPECT_TRUE(std::filesystem::is_empty(out_.path()));
}

TEST_F(WriteCommandTest, UnwritableDestinationIsExitThreeNamingThePath) {
  WriteTextFile(input_ / "settings.json", R"({"phone1": "12345"})");
  const std::string missing = out_ / "no-such-folder";
  auto run = RunQuelmoCli(
      {"write", "sms", "--out", missing, "--settings", input_ / "settings.json"});
  EXPECT_EQ(run.exitCode, kExitWriteFailed);
  EXPECT_THAT(run.err, HasSubstr("no-such-folder"));
  EXPECT_FALSE(std::filesystem::exists(missing));

  WriteTextFile(out_ / "a-file", "x");
  run = RunQuelmoCli({"write", "camera", "--out", out_ / "a-file"});
  EXPECT_EQ(run.exitCode, kExitWriteFailed);
  EXPECT_THAT(run.err, HasSubstr("a-file"));
}

// The real file system, except that the final rename fails.
class RenameFailingFileSystem : public FileSystem {
 public:
  Result<std::unique_ptr<WritableFile>> Create(const std::filesystem::path& path) override {
    return real_.Create(path);
  }
  Result<std::vector<std::uint8_t>> ReadRegularFile(const std::filesystem::path& path,
                                                    std::uintmax_t limit) override {
    return real_.ReadRegularFile(path, limit);
  }
  Status Replace(const std::filesystem::path& from, const std::filesystem::path&) override {
    return Error{ErrorCode::kIoError, "cannot rename " + from.string() + ": device is full"};
  }
  Status Remove(const std::filesystem::path& path) override { return real_.Remove(path); }
  Status SyncFolder(const std::filesystem::path& folder) override {
    return real_.SyncFolder(folder);
  }
  bool Exists(const std::filesystem::path& path) override { return real_.Exists(path); }
  Status CheckWritableFolder(const std::filesystem::path& folder) override {
    return real_.CheckWritableFolder(folder);
  }

 private:
  FileSystem& real_ = SystemFileSystem();
};

TEST_F(WriteCommandTest, FailedWriteLeavesTheOldFileAndReportsTheReason) {
  testing::WriteTextFile(out_ / "camera.dat", "old");
  RenameFailingFileSystem failing;
  const auto run = RunQuelmoCli({"write", "camera", "--out", out_.path().string()}, failing);
  EXPECT_EQ(run.exitCode, kExitWriteFailed);
  EXPECT_THAT(run.err, AllOf(HasSubstr("camera.dat"), HasSubstr("device is full")));
  EXPECT_EQ(Bytes("camera.dat"), (std::vector<std::uint8_t>{'o', 'l', 'd'}));
  const auto entries = std::distance(std::filesystem::directory_iterator(out_.path()),
                                     std::filesystem::directory_iterator());
  EXPECT_EQ(entries, 1) << "no temporary file is left behind";
}

TEST(CliUsageTest, HelpForEveryCommandVersionAndBadUsage) {
  // A command named first is set up alone; its help is still its own, and
  // the program's help still lists every command.
  const std::vector<std::string> commands = {"write",   "show",  "check",     "export",    "import",
                                             "cards",   "presets", "operators", "test-email"};
  const auto help = RunQuelmoCli({"--help"});
  EXPECT_EQ(help.exitCode, kExitOk);
  for (const std::string& command : commands) {
    EXPECT_THAT(help.out, HasSubstr("\n  " + command + " ")) << command;
    const auto run = RunQuelmoCli({command, "--help"});
    EXPECT_EQ(run.exitCode, kExitOk) << command;
    EXPECT_THAT(run.out, HasSubstr("Usage: quelmo-cli " + command)) << command;
  }
  const auto version = RunQuelmoCli({"--version"});
  EXPECT_EQ(version.exitCode, kExitOk);
  // std::regex: GoogleTest's own matchers have only a simple syntax on Windows.
  EXPECT_TRUE(std::regex_match(version.out, std::regex("[0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << version.out;

  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"frobnicate"}, {"write", "camera"}, {"write", "printer", "--out", "."},
           {"write", "sms", "--out", ".", "--language", "12"}, {"show"}, {"check"}, {"export"},
           {"import", "profile.json"}, {"cards", "extra"}}) {
    EXPECT_EQ(RunQuelmoCli(args).exitCode, kExitBadInput);
  }
}

}  // namespace
}  // namespace quelmo
