// quelmo-cli write mms in Auto mode, and its agreement with the form.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "mms/mms_file.h"
#include "mms/mms_form.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

using testing::CliRun;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

class MmsAutoWriteTest : public ::testing::Test {
 protected:
  CliRun Write(const std::string& settings_json, std::vector<std::string> extra = {}) {
    WriteTextFile(input_ / "settings.json", settings_json);
    std::vector<std::string> args{
        "write", "mms", "--out", cli_out_.path().string(), "--settings", input_ / "settings.json"};
    args.insert(args.end(), extra.begin(), extra.end());
    return RunQuelmoCli(args);
  }

  // The form's file for a country, operator and phone, saved in `language`.
  std::vector<std::uint8_t> FormFile(int country, int op, const std::string& phone, int language) {
    AppState state;
    state.languageIndex = language;
    FakePreferenceBackend backend;
    PreferenceStore preferences{backend, 0x0409};
    testing::FixedClock clock(testing::TestClockTime());
    AppContext context{state, preferences, SystemFileSystem(), clock, form_out_.path().string()};
    FakeView view;
    MmsForm form(view, context);
    view.Bind(form);
    form.Open();
    view.Pick(kMmsCountryList, country);
    view.Pick(kMmsOperatorList, op);
    view.Type(kMmsPhoneEdit, phone);
    view.Click(kMmsSaveButton);
    return ReadBytes(form_out_ / "mms.dat");
  }

  TempFolder input_;
  TempFolder cli_out_;
  TempFolder form_out_;
};

TEST_F(MmsAutoWriteTest, WritesTheSameBytesAsTheForm) {
  const struct {
    int country;
    int op;
    int language;
  } cases[] = {{4, 0, 2}, {41, 4, 2}, {10, 1, 3}, {4, 1, 1}, {42, 4, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.country) + "/" + std::to_string(c.op));
    const std::vector<std::uint8_t> form = FormFile(c.country, c.op, "+4915112345678", c.language);
    ASSERT_EQ(form.size(), 780u);
    const std::string json = R"({"country": )" + std::to_string(c.country) + R"(, "operator": )" +
                             std::to_string(c.op) + R"(, "phone": "+4915112345678"})";
    const CliRun run = Write(json, {"--camera-language", std::to_string(c.language)});
    ASSERT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_EQ(ReadBytes(cli_out_ / "mms.dat"), form);
  }
}

TEST_F(MmsAutoWriteTest, ShownSettingsAreWrittenBackUnchanged) {
  ASSERT_EQ(Write(R"({"mode": "Auto", "country": 26, "operator": 1, "phone": "+31612345678",
                      "smsControl": "2 Hour", "picturesPerDay": 5})")
                .exitCode,
            kExitOk);
  const std::vector<std::uint8_t> first = ReadBytes(cli_out_ / "mms.dat");
  const CliRun shown = RunQuelmoCli({"show", cli_out_ / "mms.dat", "--json", "--reveal"});
  ASSERT_EQ(shown.exitCode, kExitOk);
  const auto document = nlohmann::ordered_json::parse(shown.out);
  WriteTextFile(input_ / "shown.json", document.dump());
  std::filesystem::remove(cli_out_ / "mms.dat");
  const CliRun again = RunQuelmoCli(
      {"write", "mms", "--out", cli_out_.path().string(), "--settings", input_ / "shown.json"});
  ASSERT_EQ(again.exitCode, kExitOk) << again.err;
  EXPECT_EQ(ReadBytes(cli_out_ / "mms.dat"), first);
}

TEST_F(MmsAutoWriteTest, RefusalsNameTheKey) {
  const struct {
    const char* json;
    int exit;
    const char* names;
  } cases[] = {
      {R"({"country": 2, "operator": 1, "phone": "12345"})", kExitBadInput, "operator: 1"},
      {R"({"country": 41, "operator": 5, "phone": "12345"})", kExitBadInput, "United Kingdom"},
      {R"({"country": 128, "phone": "12345"})", kExitBadInput, "country: 128"},
      {R"({"country": 4, "apn": "cmnet", "phone": "12345"})", kExitBadInput, "apn: \"cmnet\""},
      {R"({"country": 0, "operator": 2, "phone": "12345"})", kExitCheckFailed, "Error MMS URL"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.json);
    const CliRun run = Write(c.json);
    EXPECT_EQ(run.exitCode, c.exit);
    EXPECT_THAT(run.err, HasSubstr(c.names));
    EXPECT_FALSE(std::filesystem::exists(cli_out_ / "mms.dat"));
  }
  // Keys equal to the preset are accepted.
  EXPECT_EQ(Write(R"({"country": 4, "apn": "cmwap", "port": "80", "phone": "12345"})").exitCode,
            kExitOk);
}

TEST(PresetsCommandTest, ListsCountriesOperatorsAndValues) {
  CliRun run = RunQuelmoCli({"presets", "mms", "--json"});
  ASSERT_EQ(run.exitCode, kExitOk) << run.err;
  const auto all = nlohmann::ordered_json::parse(run.out);
  ASSERT_EQ(all.size(), 43u);
  EXPECT_EQ(all[4]["name"], "China");
  EXPECT_EQ(all[41]["operators"].size(), 5u);
  EXPECT_EQ(all[2]["operators"].size(), 1u);
  const auto& mobile = all[4]["operators"][0];
  EXPECT_EQ(mobile.dump(),
            R"({"operator":0,"name":"China Mobile","url":"http://mmsc.monternet.com",)"
            R"("apn":"cmwap","gateway":"10.0.0.172","port":"80","account":"",)"
            R"("password":""})");
  EXPECT_EQ(all[0]["operators"][2]["url"], "");  // Mic1: no data

  run = RunQuelmoCli({"presets", "MMS", "--country", "41"});
  ASSERT_EQ(run.exitCode, kExitOk);
  EXPECT_THAT(run.out, HasSubstr("41 United Kingdom\n  0 Vodafone\n"));
  EXPECT_THAT(run.out, Not(HasSubstr("Ukraine")));
  run = RunQuelmoCli({"presets", "mms", "--country", "0"});
  EXPECT_THAT(run.out, HasSubstr("2 Mic1: no built-in parameters"));

  EXPECT_EQ(RunQuelmoCli({"presets", "mms", "--country", "43"}).exitCode, kExitBadInput);
  EXPECT_EQ(RunQuelmoCli({"presets", "sms"}).exitCode, kExitBadInput);
  EXPECT_EQ(RunQuelmoCli({"presets", "--help"}).exitCode, kExitOk);
}

}  // namespace
}  // namespace quelmo
