#include "smtp/gprs_load.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "mms/mms_file.h"
#include "record/setting_record.h"
#include "smtp/gprs_file.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
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

// Bytes of a file as the program writes it, then changed by `damage`.
std::vector<std::uint8_t> FileWith(const GprsSettings& settings,
                                   const std::function<void(std::vector<std::uint8_t>&)>& damage) {
  std::vector<std::uint8_t> bytes = GprsFileBytes(settings, 2);
  damage(bytes);
  return bytes;
}

// The same with its check value made to fit again, so that the values are
// read rather than the file refused as damaged.
std::vector<std::uint8_t> ResealedFileWith(
    const GprsSettings& settings, const std::function<void(std::vector<std::uint8_t>&)>& change) {
  std::vector<std::uint8_t> bytes = FileWith(settings, change);
  constexpr std::size_t kCheckRecord = 660;
  const std::uint16_t check =
      testing::ReferenceStoredCheck(std::span(bytes).first(kCheckRecord));
  bytes[kCheckRecord + 56] = static_cast<std::uint8_t>(check & 0xFF);
  bytes[kCheckRecord + 57] = static_cast<std::uint8_t>(check >> 8);
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
    LoadRefusalKind kind;
  } cases[] = {
      {"empty", {}, LoadRefusalKind::kWrongSize},
      {"a record short", std::vector<std::uint8_t>(720, 0), LoadRefusalKind::kWrongSize},
      {"one byte more", FileWith(Typical(), [](auto& b) { b.push_back(0); }),
       LoadRefusalKind::kWrongSize},
      {"mms.dat", MmsFileBytes(mms, 2, 0), LoadRefusalKind::kOtherKind},
      // TV mode 1 puts a 1 where gprs.dat has its fixed 1s; the empty
      // record 10 still tells them apart.
      {"mms.dat, TV mode 1", MmsFileBytes(mms, 2, 1), LoadRefusalKind::kOtherKind},
      {"zeros", std::vector<std::uint8_t>(780, 0), LoadRefusalKind::kOtherKind},
      // A recipient byte changed: the check value no longer fits.
      {"check value", FileWith(Typical(), [](auto& b) { b[600] ^= 0x01; }),
       LoadRefusalKind::kDamaged},
      {"line end", FileWith(Typical(), [](auto& b) { b[59] = ' '; }), LoadRefusalKind::kDamaged},
  };
  for (const auto& c : cases) {
    const auto loaded = LoadGprsSettings(c.bytes);
    ASSERT_TRUE(std::holds_alternative<LoadRefusal>(loaded)) << c.what;
    EXPECT_EQ(std::get<LoadRefusal>(loaded).kind, c.kind) << c.what;
    EXPECT_EQ(std::get<LoadRefusal>(loaded).size, c.bytes.size()) << c.what;
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
    EXPECT_THAT(got.findings, IsEmpty());
    GprsSettings expected = written;
    expected.senderPassword.clear();  // the texts stay as stored, GBK
    EXPECT_EQ(got.settings, expected);
  }
}

TEST(GprsLoadTest, ValuesTheFormCannotShowAreReportedOnceAndReplaced) {
  const struct {
    const char* what;
    std::function<void(std::vector<std::uint8_t>&)> change;
    int country;
    int op;
    int sms_control;
    std::string apn;
    GprsFinding finding;
  } cases[] = {
      // Cyprus offers one operator: index 3 would read past its list.
      {"operator past the country's", [](auto& b) { b[1] = Swapped(3); b[2] = Swapped(6); }, 6, 0,
       4, "internet", {FindingKind::kOutsideList, GprsField::kOperator}},
      {"country byte 0xFF", [](auto& b) { b[1] = Swapped(1); b[2] = 0xFF; }, 0, 1, 4, "internet",
       {FindingKind::kOutsideList, GprsField::kCountry}},
      {"SMS control 0xFF", [](auto& b) { b[8] = 0xFF; }, 9, 3, 5, "internet",
       {FindingKind::kOutsideList, GprsField::kSmsControl}},
      // 0xFF starts no GBK character.
      {"APN bytes not GBK", [](auto& b) { b[60] = 0xFF; b[61] = 0xFF; }, 9, 3, 4, "",
       {FindingKind::kNotGbk, GprsField::kApn}},
  };
  for (const auto& c : cases) {
    const auto loaded = LoadGprsSettings(ResealedFileWith(Typical(), c.change));
    ASSERT_TRUE(std::holds_alternative<GprsLoaded>(loaded)) << c.what;
    const GprsLoaded& got = std::get<GprsLoaded>(loaded);
    EXPECT_EQ(got.settings.countryIndex, c.country) << c.what;
    EXPECT_EQ(got.settings.operatorIndex, c.op) << c.what;
    EXPECT_EQ(got.settings.smsControl, c.sms_control) << c.what;
    EXPECT_EQ(got.settings.apn, c.apn) << c.what;
    EXPECT_THAT(got.findings, ElementsAre(c.finding)) << c.what;
  }
}

TEST(GprsLoadTest, AnUnusualCameraLanguageIsAFindingTheUserIsNotToldOf) {
  const auto loaded = LoadGprsSettings(GprsFileBytes(Typical(), 12));
  ASSERT_TRUE(std::holds_alternative<GprsLoaded>(loaded));
  const GprsLoaded& got = std::get<GprsLoaded>(loaded);
  EXPECT_THAT(got.findings,
              ElementsAre(GprsFinding{FindingKind::kUnusualCameraLanguage,
                                      GprsField::kCameraLanguage}));
  EXPECT_FALSE(TellsTheUser(got.findings.front().kind));
}

}  // namespace
}  // namespace quelmo
