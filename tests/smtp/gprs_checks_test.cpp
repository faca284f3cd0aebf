#include "smtp/gprs_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "mms/mms_checks.h"

namespace quelmo {
namespace {

GprsSettings With(const std::function<void(GprsSettings&)>& change) {
  GprsSettings s;
  s.smtpServer = "smtp.example.com";
  s.smtpPort = "465";
  s.senderEmail = "me@example.com";
  s.senderPassword = "pw";
  s.recipientEmail = "you@example.org";
  change(s);
  return s;
}

TEST(GprsChecksTest, FirstFailedCheckInOrder) {
  using enum GprsCheck;
  const struct {
    GprsSettings settings;
    std::optional<GprsCheck> expected;
  } cases[] = {
      {With([](auto&) {}), std::nullopt},
      {With([](auto& s) { s.apn.clear(); }), std::nullopt},  // Auto takes the preset
      {With([](auto& s) { s.apnMode = kApnCustomer; s.apn = "a"; }), kApnMissing},
      {With([](auto& s) { s.apnMode = kApnCustomer; s.apn = "ab"; }), std::nullopt},
      {With([](auto& s) { s.smtpServer = "s"; s.senderEmail.clear(); }), kSmtpServerMissing},
      {With([](auto& s) { s.smtpPort = "2"; }), kPortMissing},
      {With([](auto& s) { s.smtpPort = "ab"; }), std::nullopt},
      {With([](auto& s) { s.senderEmail = "m"; }), kSenderMissing},
      {With([](auto& s) { s.senderEmail = "me@example"; }), kSenderAddress},
      {With([](auto& s) { s.senderEmail = "me.example"; }), kSenderAddress},
      {With([](auto& s) { s.senderEmail = "m.e@example"; }), std::nullopt},
      {With([](auto& s) { s.senderPassword = "p"; }), kSenderPasswordMissing},
      {With([](auto& s) { s.recipientEmail.clear(); }), kRecipientMissing},
      {With([](auto& s) { s.recipientEmail = "you@host"; }), kRecipientAddress},
      {With([](auto& s) { s.smsControl = 0; s.smsControlPhone = "1380"; }), kSmsControlNeedsPhone},
      {With([](auto& s) { s.smsControl = 4; s.smsControlPhone = "abcde"; }), std::nullopt},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(FirstFailedGprsCheck(cases[i].settings), cases[i].expected) << "case " << i;
  }
}

TEST(GprsChecksTest, SaveRunsThePresetStepBeforeTheChecks) {
  using enum GprsCheck;
  const struct {
    GprsSettings settings;
    std::optional<GprsCheck> expected;
  } cases[] = {
      // Belgium's Aldi Talk has no built-in access point.
      {With([](auto& s) { s.countryIndex = 1; s.operatorIndex = 3; s.smtpServer.clear(); }),
       kPresetWithoutApn},
      {With([](auto& s) { s.countryIndex = 9; s.operatorIndex = 9; s.smtpServer.clear(); }),
       kSmtpServerMissing},
      {With([](auto& s) { s.apnMode = kApnCustomer; s.countryIndex = 23; }), kApnMissing},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    GprsSettings settings = cases[i].settings;
    EXPECT_EQ(FirstFailedGprsSave(settings), cases[i].expected) << "case " << i;
  }
}

TEST(GprsChecksTest, MessagesByLanguage) {
  EXPECT_EQ(GprsCheckMessage(GprsCheck::kRecipientAddress, 2), "Error Receive Email ");
  EXPECT_EQ(GprsCheckMessage(GprsCheck::kRecipientAddress, 1), "接收人邮件地址错误");
  EXPECT_EQ(GprsCheckMessage(GprsCheck::kSenderAddress, 2), "Error email address");
  // The same sentence as the MMS form's, from the same catalogue entry.
  EXPECT_EQ(GprsCheckMessage(GprsCheck::kSmsControlNeedsPhone, 1),
            MmsCheckMessage(MmsCheck::kSmsControlNeedsPhone, 1));
  for (int language = 3; language <= 11; ++language) {
    EXPECT_NE(GprsCheckMessage(GprsCheck::kSmsControlNeedsPhone, language),
              GprsCheckMessage(GprsCheck::kSmsControlNeedsPhone, 2))
        << language;
  }
}

}  // namespace
}  // namespace quelmo
