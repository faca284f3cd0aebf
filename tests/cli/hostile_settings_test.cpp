// Settings and profiles built to break the JSON reader: numbers no double
// holds, more keys than any file has, values that must not be echoed. Each
// must come back as exit 2 with our own message naming the key, never as the
// library's exception text.

#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli_test_support.h"

namespace quelmo {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;
using testing::CliRun;
using testing::RunQuelmoCli;
using testing::TempFolder;
using testing::WriteTextFile;

class HostileSettingsTest : public ::testing::Test {
 protected:
  CliRun Write(const std::string& kind, const std::string& json) {
    WriteTextFile(input_ / "settings.json", json);
    return RunQuelmoCli({"write", kind, "--out", out_.path().string(), "--settings",
                         input_ / "settings.json"});
  }
  CliRun Import(const std::string& json) {
    WriteTextFile(input_ / "profile.json", json);
    return RunQuelmoCli({"import", input_ / "profile.json", "--out", out_.path().string()});
  }
  bool NothingWritten() const { return std::filesystem::is_empty(out_.path()); }

  TempFolder input_;
  TempFolder out_;
};

// Numbers beyond a double, written as JSON allows them.
std::vector<std::string> HugeNumbers() {
  return {"1e999", "-1e999", "4e26587", std::string(10000, '9'), "1" + std::string(100000, '0')};
}

TEST_F(HostileSettingsTest, NumbersNoFileCanHoldAreRefusedNamingTheKey) {
  const struct {
    const char* kind;
    const char* key;
  } keys[] = {{"camera", "imageSize"}, {"mms", "picturesPerDay"}, {"gprs", "smtpPort"},
              {"sms", "smsControl"}};
  for (const auto& key : keys) {
    for (const std::string& number : HugeNumbers()) {
      const std::string json = std::string("{\"") + key.key + "\": " + number + "}";
      const auto run = Write(key.kind, json);
      const std::string shown = number.substr(0, 12);
      EXPECT_EQ(run.exitCode, kExitBadInput) << key.kind << " " << shown;
      EXPECT_THAT(run.err, AllOf(HasSubstr(std::string(key.key) + ": "),
                                 HasSubstr("is not a number this file can hold"),
                                 Not(HasSubstr("json.exception"))))
          << shown;
      EXPECT_LT(run.err.size(), 400u) << "the number is quoted whole";

      const auto imported =
          Import(std::string("{\"") + key.kind + "\": {\"" + key.key + "\": " + number + "}}");
      EXPECT_EQ(imported.exitCode, kExitBadInput) << shown;
      EXPECT_THAT(imported.err,
                  HasSubstr(std::string(key.kind) + "." + key.key + ": "))
          << shown;
    }
  }
  EXPECT_TRUE(NothingWritten());
}

TEST_F(HostileSettingsTest, NumbersTooSmallOrOutsideTheRangeAreQuotedAsGiven) {
  const struct {
    const char* number;
    const char* says;
  } cases[] = {
      {"1e-999", "expected a whole number"},  // a fraction that rounds to zero
      {"18446744073709551615", "18446744073709551615 is outside 0 to 99"},
      {"-9223372036854775808", "-9223372036854775808 is outside 0 to 99"},
  };
  for (const auto& c : cases) {
    const auto run = Write("sms", std::string(R"({"phone1": "+4915112345678", "picturesPerDay": )") +
                                      c.number + "}");
    EXPECT_EQ(run.exitCode, kExitBadInput) << c.number;
    EXPECT_THAT(run.err, AllOf(HasSubstr("picturesPerDay: "), HasSubstr(c.says))) << c.number;
  }
}

TEST_F(HostileSettingsTest, AFileOfTooManyKeysIsRefusedBeforeItIsParsed) {
  std::string json = "{";
  // Just under the 1 MiB a settings file may have.
  for (int i = 0; i < 95000; ++i) json += (i ? ",\"" : "\"") + std::to_string(i) + "\":0";
  json += "}";
  const auto run = Write("camera", json);
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("keys"));
  // Colons inside texts are no keys.
  const auto colons =
      Write("sms", R"({"phone1": "+4915112345678", "phone2": ")" + std::string(3000, ':') + "\"}");
  EXPECT_THAT(colons.err, Not(HasSubstr("keys")));
}

TEST_F(HostileSettingsTest, TheDefaultCameraFileTakesNoSettingsBesideIt) {
  const auto run =
      Write("camera", R"({"file": "camera", "default": true, "settings": {"imageSize": 1}})");
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, HasSubstr("\"default\""));
  EXPECT_EQ(Write("camera", R"({"file": "camera", "default": "yes", "settings": {}})").exitCode,
            kExitBadInput);
  EXPECT_TRUE(NothingWritten());
  EXPECT_EQ(Write("camera", R"({"file": "camera", "default": true, "settings": {}})").exitCode,
            kExitOk);
}

TEST_F(HostileSettingsTest, AnAutoModePasswordThatDiffersFromThePresetIsNotQuoted) {
  const auto run = Write("mms", R"({"country": 41, "operator": 1, "phone": "+447700900123",
                                    "password": "hunter2-secret"})");
  EXPECT_EQ(run.exitCode, kExitBadInput);
  EXPECT_THAT(run.err, AllOf(HasSubstr("password: "), Not(HasSubstr("hunter2"))));
}

}  // namespace
}  // namespace quelmo
