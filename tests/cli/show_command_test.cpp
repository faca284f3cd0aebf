#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/exit_codes.h"
#include "cli_test_support.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using testing::CliRun;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;
using Json = nlohmann::json;

class ShowCommandTest : public ::testing::Test {
 protected:
  // Writes KIND from `settings` into `folder`; the file's path.
  std::string WriteFile(const std::string& kind, const std::string& settings,
                        const TempFolder& folder) {
    WriteTextFile(input_ / "in.json", settings);
    const auto run = RunQuelmoCli(
        {"write", kind, "--out", folder.path().string(), "--settings", input_ / "in.json"});
    EXPECT_EQ(run.exitCode, kExitOk) << run.err;
    return folder / (kind + ".dat");
  }

  Json ShowJson(const std::string& path, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"show", "--json", path};
    args.insert(args.end(), extra.begin(), extra.end());
    const auto run = RunQuelmoCli(args);
    EXPECT_EQ(run.exitCode, kExitOk) << run.err;
    return Json::parse(run.out);
  }

  TempFolder input_;
  TempFolder first_;
  TempFolder second_;
};

struct RoundTrip {
  const char* kind;
  const char* settings;
};

const RoundTrip kRoundTrips[] = {
    {"camera",
     R"({"cameraMode": 2, "imageSize": "1.3MP", "pirInterval": "60 Min", "timeLapse": "On",
         "timeLapseSeconds": 30, "serialEnabled": 1, "serialChars": ["Q", "7", "0", "Z"],
         "irLight": "Low", "clock": "2009-06-15T08:30:00", "tvMode": 1, "cameraLanguage": 10})"},
    {"mms",
     R"({"mode": "Customer", "url": "http://mms.example.cn/彩信", "apn": "cmwap",
         "gateway": "10.0.0.172", "port": "80", "account": "帐号", "password": "密码 & more",
         "phone": "+8613800138000", "receiveEmail": "me@example.com",
         "phoneOrEmail2": "you@example.com", "picturesPerDay": 99, "smsControl": 0,
         "cameraLanguage": 1, "tvMode": 2})"},
    {"gprs",
     R"({"apnMode": "Customer", "picturesPerDay": 10, "apn": "internet", "gprsAccount": "user",
         "gprsPassword": "pass", "smtpServer": "smtp.example.com", "smtpPort": "587",
         "senderEmail": "camera@example.com", "senderPassword": "s3cret",
         "recipientEmail": "me@example.com", "smsControlPhone": "+4915112345678",
         "smsControl": "1 Hour", "cameraLanguage": 3})"},
    {"sms",
     R"({"phone1": "+4915112345678", "phone2": "0123456", "phone3": "+49+1", "picturesPerDay": 5,
         "smsControl": "5 Min", "cameraLanguage": 11})"},
};

TEST_F(ShowCommandTest, ShowRevealThenWriteReproducesEveryKindByteForByte) {
  for (const auto& trip : kRoundTrips) {
    const std::string original = WriteFile(trip.kind, trip.settings, first_);
    const auto shown = RunQuelmoCli({"show", "--json", "--reveal", original});
    ASSERT_EQ(shown.exitCode, kExitOk) << shown.err;

    // The whole show output is accepted as settings, and so are its "settings".
    WriteTextFile(input_ / "shown.json", shown.out);
    auto again = RunQuelmoCli({"write", trip.kind, "--out", second_.path().string(), "--settings",
                               input_ / "shown.json"});
    ASSERT_EQ(again.exitCode, kExitOk) << trip.kind << ": " << again.err;
    EXPECT_EQ(ReadBytes(second_ / (std::string(trip.kind) + ".dat")), ReadBytes(original))
        << trip.kind;

    WriteTextFile(input_ / "settings.json", Json::parse(shown.out)["settings"].dump());
    std::filesystem::remove(second_ / (std::string(trip.kind) + ".dat"));
    again = RunQuelmoCli({"write", trip.kind, "--out", second_.path().string(), "--settings",
                          input_ / "settings.json"});
    ASSERT_EQ(again.exitCode, kExitOk) << trip.kind << ": " << again.err;
    EXPECT_EQ(ReadBytes(second_ / (std::string(trip.kind) + ".dat")), ReadBytes(original))
        << trip.kind;
  }
}

TEST_F(ShowCommandTest, DefaultCameraFileAsJson) {
  ASSERT_EQ(RunQuelmoCli({"write", "camera", "--default", "--out", first_.path().string()}).exitCode,
            kExitOk);
  const Json shown = ShowJson(first_ / "camera.dat");
  EXPECT_EQ(shown["file"], "camera");
  EXPECT_EQ(shown["default"], true);
  EXPECT_EQ(shown["settings"], Json::object());
  const Json expected_integrity = {{"size", 180},        {"sizeOk", true},
                                   {"lineEndsOk", true}, {"checkStored", 0x8864},
                                   {"checkComputed", 0x8864}, {"checkOk", true}};
  EXPECT_EQ(shown["integrity"], expected_integrity);
  EXPECT_EQ(shown["problems"], Json::array());
  EXPECT_EQ(shown["warnings"], Json::array());

  // Fed back to write, it gives the default file again.
  WriteTextFile(input_ / "shown.json", shown.dump());
  ASSERT_EQ(RunQuelmoCli({"write", "camera", "--out", second_.path().string(), "--settings",
                          input_ / "shown.json"}).exitCode,
            kExitOk);
  EXPECT_EQ(ReadBytes(second_ / "camera.dat"), ReadBytes(first_ / "camera.dat"));
}

TEST_F(ShowCommandTest, PasswordsAreHiddenUnlessRevealedAndHiddenOnesAreRefusedByWrite) {
  const std::string gprs = WriteFile("gprs", kRoundTrips[2].settings, first_);
  const Json hidden = ShowJson(gprs);
  EXPECT_TRUE(hidden["settings"]["gprsPassword"].is_null());
  EXPECT_TRUE(hidden["settings"]["senderPassword"].is_null());
  EXPECT_EQ(hidden["settings"]["country"], 128);  // Customer, as stored
  EXPECT_EQ(ShowJson(gprs, {"--reveal"})["settings"]["senderPassword"], "s3cret");

  const auto text = RunQuelmoCli({"show", gprs});
  EXPECT_THAT(text.out, Not(HasSubstr("s3cret")));
  EXPECT_THAT(text.out, HasSubstr("smsControl: 3 (1 Hour)"));

  WriteTextFile(input_ / "hidden.json", hidden.dump());
  const auto run = RunQuelmoCli({"write", "gprs", "--out", second_.path().string(), "--settings",
                                 input_ / "hidden.json"});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("--reveal"));
}

TEST_F(ShowCommandTest, ChineseTextsAreShownAsUtf8) {
  const std::string mms = WriteFile("mms", kRoundTrips[1].settings, first_);
  const Json shown = ShowJson(mms, {"--reveal"});
  EXPECT_EQ(shown["settings"]["account"], "帐号");
  EXPECT_EQ(shown["settings"]["url"], "http://mms.example.cn/彩信");
  EXPECT_EQ(shown["settings"]["country"], 128);
}

TEST_F(ShowCommandTest, RenamedMmsAndGprsFilesAreToldApartByContent) {
  const std::string mms = WriteFile("mms", kRoundTrips[1].settings, first_);
  const std::string gprs = WriteFile("gprs", kRoundTrips[2].settings, first_);
  std::filesystem::copy_file(mms, second_ / "card-a.bin");
  std::filesystem::copy_file(gprs, second_ / "card-b.bin");
  EXPECT_EQ(ShowJson(second_ / "card-a.bin")["file"], "mms");
  EXPECT_EQ(ShowJson(second_ / "card-b.bin")["file"], "gprs");
  // --kind overrides recognition.
  EXPECT_EQ(ShowJson(second_ / "card-a.bin", {"--kind", "gprs"})["file"], "gprs");
}

TEST_F(ShowCommandTest, HostileInputsGiveAReportOrAClearError) {
  // A damaged file that announces its kind by name: a report, never intact.
  WriteBytes(first_ / "camera.dat", {});
  auto run = RunQuelmoCli({"show", first_ / "camera.dat"});
  EXPECT_EQ(run.exitCode, kExitOk);
  EXPECT_THAT(run.out, HasSubstr("State: damaged"));

  // Nothing to tell the kind by: an error that says so.
  WriteBytes(second_ / "empty.bin", {});
  run = RunQuelmoCli({"show", second_ / "empty.bin"});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("not recognised"));

  std::mt19937 random(20120307);
  std::vector<std::uint8_t> noise(780);
  for (auto& byte : noise) byte = static_cast<std::uint8_t>(random());
  WriteBytes(second_ / "noise.bin", noise);
  run = RunQuelmoCli({"show", "--json", second_ / "noise.bin"});
  if (run.exitCode == kExitOk) {
    const Json shown_noise = Json::parse(run.out);
    EXPECT_FALSE(shown_noise["problems"].empty() && shown_noise["warnings"].empty());
  } else {
    EXPECT_EQ(run.exitCode, kExitBadInput);
    EXPECT_THAT(run.err, HasSubstr("noise.bin"));
  }
  for (const char* kind : {"camera", "mms", "gprs", "sms"}) {
    run = RunQuelmoCli({"show", "--json", "--kind", kind, second_ / "noise.bin"});
    EXPECT_EQ(run.exitCode, kExitOk) << kind;
    const Json shown_noise = Json::parse(run.out);
    EXPECT_FALSE(shown_noise["problems"].empty() && shown_noise["warnings"].empty()) << kind;
  }

  run = RunQuelmoCli({"show", first_.path().string()});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("folder"));

  run = RunQuelmoCli({"show", first_ / "missing.dat"});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("missing.dat"));

  // A huge file is judged by its size, not read.
  WriteBytes(first_ / "mms.dat", {});
  std::filesystem::resize_file(first_.path() / "mms.dat", 4ull << 30);  // sparse
  run = RunQuelmoCli({"show", first_ / "mms.dat"});
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("4294967296 bytes"));

  if (std::filesystem::exists("/dev/zero")) {
    run = RunQuelmoCli({"show", "--kind", "sms", "/dev/zero"});
    EXPECT_EQ(run.exitCode, kExitBadInput);
    EXPECT_THAT(run.err, HasSubstr("not a regular file"));
  }
}

}  // namespace
}  // namespace quelmo
