// The mail account the e-mail test takes from the form's or a file's settings.

#include <gtest/gtest.h>

#include "smtp/mail_account.h"

namespace quelmo {
namespace {

TEST(MailAccountFromSettings, TakesTheCameraUserNameAndAPortNumber) {
  GprsSettings settings;
  settings.smtpServer = "smtp.example.com";
  settings.smtpPort = "587";
  settings.senderEmail = "trail.cam@example.com";
  settings.senderPassword = "secret";
  settings.recipientEmail = "me@example.com";
  const auto account = MailAccountFromSettings(settings);
  ASSERT_TRUE(account.ok()) << account.message();
  EXPECT_EQ(account->port, 587);
  EXPECT_EQ(account->userName, "trail.cam");
  EXPECT_EQ(account->password, "secret");

  for (const char* port : {"", "0", "65536", "25a", " 25", "-1"}) {
    settings.smtpPort = port;
    EXPECT_FALSE(MailAccountFromSettings(settings).ok()) << port;
  }
}

TEST(MailAccountFromSettings, ConvertsGbkTexts) {
  GprsSettings settings;
  settings.smtpPort = "25";
  settings.senderEmail = "\xD5\xC5@example.com";  // 张
  const auto account = MailAccountFromSettings(settings);
  ASSERT_TRUE(account.ok());
  EXPECT_EQ(account->senderEmail, "\xE5\xBC\xA0@example.com");
}

}  // namespace
}  // namespace quelmo
