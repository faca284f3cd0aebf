#include <filesystem>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "kind/settings_json.h"
#include "session/app_context.h"
#include "session/preference_store.h"
#include "smtp/smtp_form.h"
#include "support/fake_preference_backend.h"
#include "support/fake_view.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;
using testing::CliRun;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

constexpr const char* kMail =
    R"("smtpServer": "smtp.example.com", "smtpPort": "465", "senderEmail": "abcd@example.com",
       "senderPassword": "secret", "recipientEmail": "me@example.org")";

class GprsPresetsCommandTest : public ::testing::Test {
 protected:
  CliRun WriteGprs(const std::string& keys) {
    WriteTextFile(input_ / "settings.json", "{" + keys + ", " + kMail + "}");
    return RunQuelmoCli({"write", "gprs", "--out", out_.path().string(), "--settings",
                         input_ / "settings.json"});
  }

  TempFolder input_;
  TempFolder out_;
};

TEST_F(GprsPresetsCommandTest, AutoModeWritesWhatTheFormWritesForTheSameChoices) {
  const struct {
    int country;
    int op;
  } choices[] = {{4, 0}, {40, 1}, {9, 9}, {27, 0}};
  for (const auto& choice : choices) {
    const std::string where =
        std::to_string(choice.country) + "/" + std::to_string(choice.op);
    const CliRun run = WriteGprs(R"("apnMode": "Auto", "country": )" +
                                 std::to_string(choice.country) +
                                 R"(, "operator": )" + std::to_string(choice.op));
    ASSERT_EQ(run.exitCode, kExitOk) << where << run.err;

    AppState state;
    FakePreferenceBackend backend;
    PreferenceStore preferences{backend, 0x0409};
    TempFolder form_out;
    const testing::FixedClock clock(testing::TestClockTime());
    AppContext context{state, preferences, SystemFileSystem(), clock, form_out.path().string()};
    FakeView view;
    SmtpForm form(view, context);
    view.Bind(form);
    form.Open();
    view.Pick(kCountryList, choice.country);
    view.Pick(kOperatorList, choice.op);
    view.Type(kSmtpServerEdit, "smtp.example.com");
    view.Type(kSmtpPortEdit, "465");
    view.Type(kSenderEmailEdit, "abcd@example.com");
    view.Type(kSenderPasswordEdit, "secret");
    view.Type(kRecipientEdit, "me@example.org");
    view.Click(kSmtpSaveButton);
    EXPECT_EQ(ReadBytes(form_out / "gprs.dat"), ReadBytes(out_ / "gprs.dat")) << where;
  }
}

TEST_F(GprsPresetsCommandTest, WithoutAChoiceTheFileHoldsTheCountryTheFormOpensAt) {
  WriteTextFile(input_ / "settings.json", std::string("{") + kMail + "}");
  ASSERT_EQ(RunQuelmoCli({"write", "gprs", "--out", out_.path().string(), "--settings",
                          input_ / "settings.json"})
                .exitCode,
            kExitOk);
  const auto bytes = ReadBytes(out_ / "gprs.dat");
  ASSERT_EQ(bytes.size(), 780u);
  // Record 0 is stored with its nibbles swapped: country 4 (China) in byte 2
  // reads 0x40, operator 0 in byte 1.
  EXPECT_EQ(bytes[2], 0x40);
  EXPECT_EQ(bytes[1], 0x00);
}

TEST_F(GprsPresetsCommandTest, AutoModeRefusesWhatThePresetsDoNotHold) {
  const struct {
    const char* keys;
    int exit;
    const char* said;
  } cases[] = {
      {R"("apnMode": "Auto", "country": 6, "operator": 1)", kExitBadInput,
       "operator: 1 is not offered in 6 (Cyprus), which has 1 operator (0..0)"},
      {R"("apnMode": "Auto", "country": 128)", kExitBadInput, "country: 128"},
      {R"("apnMode": "Auto", "country": 40, "operator": 1, "apn": "internet")", kExitBadInput,
       "apn: Auto (0) takes the preset of 40 (United Kingdom) operator 1 (O2)"},
      {R"("apnMode": 0, "country": 40, "operator": 1, "gprsPassword": "")", kExitBadInput,
       "gprsPassword:"},
      // Keys equal to the preset are accepted.
      {R"("apnMode": 0, "country": 40, "operator": 1, "apn": "mobile.o2.co.uk",
          "gprsAccount": "o2web")", kExitOk, ""},
      // An operator without a built-in access point: the form's check-1 message.
      {R"("apnMode": "Auto", "country": 1, "operator": 3)", kExitCheckFailed,
       "This operator has no built-in access point"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(out_ / "gprs.dat");
    const CliRun run = WriteGprs(c.keys);
    EXPECT_EQ(run.exitCode, c.exit) << c.keys << run.err;
    EXPECT_THAT(run.err, HasSubstr(c.said)) << c.keys;
    EXPECT_EQ(std::filesystem::exists(out_ / "gprs.dat"), c.exit == kExitOk) << c.keys;
  }
}

TEST_F(GprsPresetsCommandTest, ListsThePresets) {
  const CliRun all = RunQuelmoCli({"presets", "gprs", "--json"});
  ASSERT_EQ(all.exitCode, kExitOk) << all.err;
  const Json countries = Json::parse(all.out);
  ASSERT_EQ(countries.size(), 42u);
  std::size_t operators = 0;
  for (std::size_t i = 0; i < countries.size(); ++i) {
    EXPECT_EQ(countries[i]["country"], i);
    operators += countries[i]["operators"].size();
  }
  EXPECT_EQ(operators, 112u);
  EXPECT_EQ(countries[4]["name"], "China");
  EXPECT_EQ(countries[4]["operators"][1],
            Json::parse(R"({"operator": 1, "name": "China Unicom", "apn": "3gnet",
                            "account": "", "password": ""})"));

  const CliRun one = RunQuelmoCli({"presets", "gprs", "--country", "9", "--json"});
  const Json germany = Json::parse(one.out);
  ASSERT_EQ(germany.size(), 1u);
  EXPECT_EQ(germany[0]["operators"].size(), 10u);

  const CliRun text = RunQuelmoCli({"presets", "gprs", "--country", "23"});
  EXPECT_EQ(text.out,
            "23 Namibia\n  0 MTC\n      apn: ppsinternet\n      account: ppsuser\n"
            "      password: ppsuser\n");
  EXPECT_THAT(RunQuelmoCli({"presets", "gprs", "--country", "1"}).out,
              HasSubstr("  3 Aldi Talk: no built-in parameters (write it in Customer mode)\n"));
  // The same listing as the MMS presets: one value a line, by its settings key.
  EXPECT_THAT(RunQuelmoCli({"presets", "gprs", "--country", "4"}).out,
              HasSubstr("  1 China Unicom\n      apn: 3gnet\n      account:\n      password:\n"));
  for (const char* bad : {"42", "-1", "x"}) {
    EXPECT_EQ(RunQuelmoCli({"presets", "gprs", "--country", bad}).exitCode, kExitBadInput) << bad;
  }
  EXPECT_EQ(RunQuelmoCli({"presets", "camera"}).exitCode, kExitBadInput);
}

}  // namespace
}  // namespace quelmo
