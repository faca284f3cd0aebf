#include "smtp/gprs_load.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mms/mms_file.h"
#include "record/setting_record.h"
#include "smtp/gprs_file.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

GprsSettings Typical() {
  GprsSettings s;
  s.countryIndex = 9;
  s.operatorIndex = 3;
  s.apn = "internet";
  s.smtpServer = "smtp.example.com";
  s.smtpPort = "465";
  s.senderEmail = "cam@example.com";
  s.senderPassword = "secret";
  s.recipientEmail = "me@example.org";
  s.smsControlPhone = "+49301234567";
  s.smsControl = 4;
  s.picturesPerDay = 12;
  return s;
}

// Bytes of a file as the program writes it, then changed by `damage`. The
// header byte is given as stored plain; it is swapped into place here.
std::vector<std::uint8_t> FileWith(const GprsSettings& settings,
                                   const std::function<void(std::vector<std::uint8_t>&)>& damage) {
  std::vector<std::uint8_t> bytes = GprsFileBytes(settings, 2);
  damage(bytes);
  return bytes;
}

std::uint8_t Swapped(std::uint8_t plain) {
  return static_cast<std::uint8_t>((plain << 4) | (plain >> 4));
}

TEST(GprsLoadTest, RefusesFilesOfAnotherSizeOrKind) {
  MmsSettings mms;
  mms.smsControl = 0;
  const struct {
    const char* what;
    std::vector<std::uint8_t> bytes;
    GprsLoadRefusal::Kind kind;
  } cases[] = {
      {"empty", {}, GprsLoadRefusal::kWrongSize},
      {"a record short", std::vector<std::uint8_t>(720, 0), GprsLoadRefusal::kWrongSize},
      {"one byte more", FileWith(Typical(), [](auto& b) { b.push_back(0); }),
       GprsLoadRefusal::kWrongSize},
      {"mms.dat", MmsFileBytes(mms, 2, 0), GprsLoadRefusal::kNotGprs},
      // TV mode 1 puts a 1 where gprs.dat has its fixed 1s; the empty
      // record 10 still tells them apart.
      {"mms.dat, TV mode 1", MmsFileBytes(mms, 2, 1), GprsLoadRefusal::kNotGprs},
      {"zeros", std::vector<std::uint8_t>(780, 0), GprsLoadRefusal::kNotGprs},
  };
  for (const auto& c : cases) {
    const auto loaded = LoadGprsSettings(c.bytes);
    ASSERT_TRUE(std::holds_alternative<GprsLoadRefusal>(loaded)) << c.what;
    EXPECT_EQ(std::get<GprsLoadRefusal>(loaded).kind, c.kind) << c.what;
    EXPECT_EQ(std::get<GprsLoadRefusal>(loaded).size, c.bytes.size()) << c.what;
  }
}

TEST(GprsLoadTest, LoadsEverythingButTheSenderPassword) {
  GprsSettings customer = Typical();
  customer.apnMode = kApnCustomer;
  customer.countryIndex = 0;
  customer.operatorIndex = 0;
  customer.apn = "\xD6\xD0\xB9\xFA.apn";  // GBK "中国.apn"
  for (const GprsSettings& written : {Typical(), customer}) {
    const auto loaded = LoadGprsSettings(GprsFileBytes(written, 1));
    ASSERT_TRUE(std::holds_alternative<GprsLoaded>(loaded));
    const GprsLoaded& got = std::get<GprsLoaded>(loaded);
    EXPECT_THAT(got.problems, IsEmpty());
    GprsSettings expected = written;
    expected.senderPassword.clear();
    if (written.apnMode == kApnCustomer) expected.apn = "中国.apn";  // UTF-8 for the edit
    EXPECT_EQ(got.settings, expected);
  }
}

TEST(GprsLoadTest, ValuesTheFormCannotShowAreReportedOnceAndReplaced) {
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> damage;
    int country;
    int op;
    int sms_control;
    std::string apn;
    const char* problem;
  } cases[] = {
      // Cyprus offers one operator: index 3 would read past its list.
      {"operator past the country's", [](auto& b) { b[1] = Swapped(3); b[2] = Swapped(6); }, 6, 0,
       4, "internet", "operatorIndex): 3 is past the operators of Cyprus, read as 0"},
      {"country byte 0xFF", [](auto& b) { b[1] = Swapped(1); b[2] = 0xFF; }, 0, 1, 4, "internet",
       "countryIndex): 255 is outside"},
      {"SMS control 0xFF", [](auto& b) { b[8] = 0xFF; }, 9, 3, 5, "internet",
       "smsControl): 255 is outside"},
      // 0xFF starts no GBK character.
      {"APN bytes not GBK", [](auto& b) { b[60] = 0xFF; b[61] = 0xFF; }, 9, 3, 4, "",
       "record 1 (apn): bytes are not valid GBK text; left empty"},
  };
  for (const auto& c : cases) {
    const auto loaded = LoadGprsSettings(FileWith(Typical(), c.damage));
    ASSERT_TRUE(std::holds_alternative<GprsLoaded>(loaded)) << c.what;
    const GprsLoaded& got = std::get<GprsLoaded>(loaded);
    EXPECT_EQ(got.settings.countryIndex, c.country) << c.what;
    EXPECT_EQ(got.settings.operatorIndex, c.op) << c.what;
    EXPECT_EQ(got.settings.smsControl, c.sms_control) << c.what;
    EXPECT_EQ(got.settings.apn, c.apn) << c.what;
    // The damage also breaks the check value: that is the other finding.
    ASSERT_EQ(got.problems.size(), 2u) << c.what;
    EXPECT_THAT(got.problems, ::testing::Contains(HasSubstr("check value"))) << c.what;
    EXPECT_THAT(got.problems, ::testing::Contains(HasSubstr(c.problem))) << c.what;
  }
}

}  // namespace
}  // namespace quelmo
