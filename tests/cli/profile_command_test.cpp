#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "camera/camera_file.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "mms/mms_checks.h"
#include "mms/mms_file.h"
#include "random_settings.h"
#include "sms/sms_checks.h"
#include "sms/sms_file.h"
#include "smtp/gprs_checks.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using testing::CliRun;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;
using Bytes = std::vector<std::uint8_t>;

std::set<std::string> Entries(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

class ProfileTest : public ::testing::Test {
 protected:
  CliRun Export(const std::filesystem::path& folder, bool reveal = true) {
    std::vector<std::string> args{"export", folder.string()};
    if (reveal) args.push_back("--reveal");
    return RunQuelmoCli(args);
  }
  CliRun Import(const std::string& profile, const std::filesystem::path& folder,
                std::vector<std::string> extra = {}) {
    WriteTextFile(input_ / "profile.json", profile);
    std::vector<std::string> args{"import", input_ / "profile.json", "--out", folder.string()};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunQuelmoCli(args);
  }

  TempFolder input_;
};

// A card as the forms would leave it, made with random settings: each kind
// present three times in four, the default camera file now and then.
std::map<std::string, Bytes> RandomCard(unsigned seed) {
  testing::RandomSettings random(seed);
  std::map<std::string, Bytes> files;
  if (!random.OneIn(4)) {
    files["camera.dat"] =
        random.OneIn(5) ? CameraFileBytes(BuildDefaultCameraRecord())
                        : CameraFileBytes(BuildCameraRecord(random.Camera(), random.CameraLanguage(),
                                                            random.TvMode()));
  }
  if (!random.OneIn(4)) {
    const MmsSettings mms = random.Mms();
    EXPECT_FALSE(FirstFailedMmsCheck(mms).has_value()) << seed;
    files["mms.dat"] = MmsFileBytes(mms, random.CameraLanguage(), random.TvMode());
  }
  if (!random.OneIn(4)) {
    const GprsSettings gprs = random.Gprs();
    EXPECT_FALSE(FirstFailedGprsCheck(gprs).has_value()) << seed;
    files["gprs.dat"] = GprsFileBytes(gprs, random.CameraLanguage());
  }
  if (files.empty() || !random.OneIn(4)) {
    const SmsSettings sms = random.Sms();
    EXPECT_FALSE(FirstFailedSmsCheck(sms).has_value()) << seed;
    files["sms.dat"] = SmsFileBytes(sms, random.CameraLanguage());
  }
  return files;
}

TEST_F(ProfileTest, ExportRevealThenImportGivesTheSameFilesForRandomSettings) {
  for (unsigned seed = 1; seed <= 40; ++seed) {
    TempFolder card;
    TempFolder copy;
    const auto files = RandomCard(seed);
    for (const auto& [name, bytes] : files) WriteBytes(card / name, bytes);

    const auto exported = Export(card.path());
    ASSERT_EQ(exported.exitCode, kExitOk) << seed << exported.err;
    EXPECT_EQ(exported.err, "") << seed;
    const auto imported = Import(exported.out, copy.path());
    ASSERT_EQ(imported.exitCode, kExitOk) << seed << imported.err << "\n" << exported.out;

    std::set<std::string> names;
    for (const auto& [name, bytes] : files) {
      names.insert(name);
      EXPECT_EQ(ReadBytes(copy / name), bytes) << seed << " " << name << "\n" << exported.out;
    }
    EXPECT_EQ(Entries(copy.path()), names) << seed << ": the files and nothing else";
  }
}

// Auto mode takes the operator's preset; a profile carries the parameters it
// gave, and import, taking the preset again, writes the same files.
TEST_F(ProfileTest, AutoModeFilesRoundTripThroughTheirPresets) {
  const std::pair<int, int> operators[] = {{0, 0}, {0, 1}, {5, 1}, {10, 0}, {20, 0}};
  for (const auto& [country, op] : operators) {
    TempFolder card;
    TempFolder copy;
    const std::string which =
        R"("country": )" + std::to_string(country) + R"(, "operator": )" + std::to_string(op);
    WriteTextFile(input_ / "mms.json", R"({"mode": "Auto", "phone": "+4915112345678", )" + which + "}");
    WriteTextFile(input_ / "gprs.json",
                  R"({"apnMode": "Auto", "smtpServer": "smtp.example.com", "smtpPort": "25",
                      "senderEmail": "cam@example.com", "senderPassword": "pw",
                      "recipientEmail": "me@example.com", )" + which + "}");
    for (const char* kind : {"mms", "gprs"}) {
      const auto written = RunQuelmoCli({"write", kind, "--out", card.path().string(), "--settings",
                                         input_ / (std::string(kind) + ".json")});
      ASSERT_EQ(written.exitCode, kExitOk) << which << written.err;
    }
    const auto exported = Export(card.path());
    ASSERT_EQ(exported.exitCode, kExitOk) << which << exported.err;
    ASSERT_EQ(Import(exported.out, copy.path()).exitCode, kExitOk) << which << exported.out;
    for (const char* name : {"mms.dat", "gprs.dat"}) {
      EXPECT_EQ(ReadBytes(copy / name), ReadBytes(card / name)) << which << " " << name;
    }
  }
}

constexpr const char* kValidProfile = R"({
  "camera": {"imageSize": "5MP", "clock": "2020-06-01T08:30:00", "cameraLanguage": 3},
  "mms": {"mode": "Customer", "url": "http://mms.example.com", "apn": "mms",
          "gateway": "10.0.0.1", "port": "8080", "phone": "+4915112345678",
          "password": "secret"},
  "gprs": {"apnMode": "Customer", "apn": "internet", "smtpServer": "smtp.example.com",
           "smtpPort": "25", "senderEmail": "cam@example.com", "senderPassword": "secret",
           "recipientEmail": "me@example.com"},
  "sms": {"phone1": "+4915112345678"}
})";

TEST_F(ProfileTest, ExportLeavesOutAbsentKindsAndHidesPasswordsSayingImportWillRefuseThem) {
  TempFolder card;
  ASSERT_EQ(Import(kValidProfile, card.path()).exitCode, kExitOk);
  std::filesystem::remove(card / "camera.dat");
  std::filesystem::remove(card / "sms.dat");

  const auto hidden = Export(card.path(), /*reveal=*/false);
  ASSERT_EQ(hidden.exitCode, kExitOk) << hidden.err;
  const auto profile = nlohmann::json::parse(hidden.out);
  EXPECT_EQ(profile.size(), 2u);
  EXPECT_TRUE(profile["mms"]["password"].is_null());
  EXPECT_TRUE(profile["gprs"]["senderPassword"].is_null());
  EXPECT_EQ(profile["mms"]["url"], "http://mms.example.com");
  EXPECT_THAT(hidden.err, AllOf(HasSubstr("mms, gprs"), HasSubstr("--reveal")));

  TempFolder copy;
  const auto refused = Import(hidden.out, copy.path());
  EXPECT_EQ(refused.exitCode, kExitBadInput);
  EXPECT_THAT(refused.err, AllOf(HasSubstr("nothing was written"), HasSubstr("mms: password"),
                                 HasSubstr("--reveal")));
  EXPECT_TRUE(Entries(copy.path()).empty());
}

TEST_F(ProfileTest, ExportReportsDamagedAndUnreadableFilesAndStillExportsWhatItCan) {
  struct Case {
    const char* name;
    std::map<std::string, std::string> files;  // "" for a folder of that name
    int exitCode;
    std::set<std::string> kinds;
    const char* err;
  };
  TempFolder source;
  ASSERT_EQ(Import(kValidProfile, source.path()).exitCode, kExitOk);
  const auto good = [&](const char* name) {
    const Bytes bytes = ReadBytes(source / name);
    return std::string(bytes.begin(), bytes.end());
  };
  std::string flipped = good("sms.dat");
  flipped[70] ^= 0x01;

  const Case cases[] = {
      {"intact", {{"camera.dat", good("camera.dat")}, {"sms.dat", good("sms.dat")}},
       kExitOk, {"camera", "sms"}, ""},
      {"a flipped bit", {{"camera.dat", good("camera.dat")}, {"sms.dat", flipped}},
       kExitCheckFailed, {"camera", "sms"}, "sms.dat is damaged"},
      {"cut short", {{"mms.dat", good("mms.dat").substr(0, 700)}},
       kExitCheckFailed, {"mms"}, "size is 700 bytes"},
      {"a folder named gprs.dat", {{"gprs.dat", ""}, {"sms.dat", good("sms.dat")}},
       kExitCheckFailed, {"sms"}, "not exported"},
      {"no setting file", {{"notes.txt", "x"}}, kExitBadInput, {}, "holds no setting file"},
  };
  for (const Case& c : cases) {
    TempFolder card;
    for (const auto& [name, content] : c.files) {
      if (content.empty()) {
        std::filesystem::create_directory(card / name);
      } else {
        WriteTextFile(card / name, content);
      }
    }
    const auto run = Export(card.path());
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.err)) << c.name;
    std::set<std::string> kinds;
    if (!run.out.empty()) {
      const auto profile = nlohmann::json::parse(run.out);
      for (const auto& item : profile.items()) kinds.insert(item.key());
    }
    EXPECT_EQ(kinds, c.kinds) << c.name;
  }
  EXPECT_EQ(Export(source / "missing").exitCode, kExitBadInput);
}

TEST_F(ProfileTest, ImportRefusesAProfileWithOneBadKindAndWritesNothing) {
  struct Case {
    const char* name;
    std::string profile;
    int exitCode;
    std::vector<const char*> err;
  };
  const auto with = [](const std::string& kind, const std::string& value) {
    auto profile = nlohmann::ordered_json::parse(kValidProfile);
    profile[kind] = nlohmann::ordered_json::parse(value);
    return profile.dump();
  };
  const Case cases[] = {
      {"sms fails its save check", with("sms", R"({"phone1": "123"})"), kExitCheckFailed,
       {"the sms settings fail", "Phone No1. Error"}},
      {"gprs fails its save check", with("gprs", R"({"apnMode": 1, "apn": "x"})"),
       kExitCheckFailed, {"the gprs settings fail"}},
      {"an unknown key", with("mms", R"({"mode": "Customer", "colour": 1})"), kExitBadInput,
       {"mms: ", "colour"}},
      {"a value outside its list", with("camera", R"({"imageSize": "50MP"})"), kExitBadInput,
       {"camera: ", "imageSize"}},
      {"show's output of another kind", with("sms", R"({"file": "mms", "settings": {}})"),
       kExitBadInput, {"sms: ", "mms\" file"}},
      {"no kind", with("printer", "{}"), kExitBadInput, {"\"printer\" is no kind"}},
      {"no settings at all", "{}", kExitBadInput, {"holds no settings"}},
      {"not an object", "[1, 2]", kExitBadInput, {"a profile is a JSON object"}},
      {"a kind twice", R"({"sms": {"phone1": "+4915112345678"}, "sms": {}})", kExitBadInput,
       {"\"sms\" appears twice"}},
      {"no JSON", "camera.dat", kExitBadInput, {"not valid JSON"}},
  };
  for (const Case& c : cases) {
    TempFolder card;
    WriteTextFile(card / "camera.dat", "old");
    const auto run = Import(c.profile, card.path());
    EXPECT_EQ(run.exitCode, c.exitCode) << c.name << run.err;
    EXPECT_THAT(run.err, HasSubstr("nothing was written")) << c.name;
    for (const char* part : c.err) EXPECT_THAT(run.err, HasSubstr(part)) << c.name;
    EXPECT_EQ(Entries(card.path()), std::set<std::string>{"camera.dat"}) << c.name;
    EXPECT_EQ(ReadBytes(card / "camera.dat"), (Bytes{'o', 'l', 'd'})) << c.name;
  }

  // The form's message in the form's language, on the last line as with write.
  TempFolder card;
  const auto chinese = Import(with("sms", R"({"phone1": "123"})"), card.path(), {"--language", "1"});
  EXPECT_EQ(chinese.LastErrorLine(), "手机号码1错误");
}

TEST_F(ProfileTest, ClockNowTakesTheCameraClockFromTheTimeOfTheImport) {
  struct Case {
    std::vector<std::string> extra;
    Bytes clock;  // bytes 14..19: year - 2010, month, day, hour, minute, second
  };
  const Case cases[] = {
      {{}, {10, 6, 1, 8, 30, 0}},                   // the profile's 2020-06-01 08:30:00
      {{"--clock-now"}, {2, 3, 7, 14, 5, 9}},       // the test clock, 2012-03-07 14:05:09
  };
  for (const Case& c : cases) {
    TempFolder card;
    ASSERT_EQ(Import(kValidProfile, card.path(), c.extra).exitCode, kExitOk);
    const Bytes bytes = ReadBytes(card / "camera.dat");
    ASSERT_EQ(bytes.size(), 180u);
    EXPECT_EQ(Bytes(bytes.begin() + 14, bytes.begin() + 20), c.clock);
    EXPECT_EQ(bytes[29], 3) << "the profile's camera language";
  }
}

}  // namespace
}  // namespace quelmo
