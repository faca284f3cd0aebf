// The SMTP/GPRS form end to end, offscreen: from the launcher to a saved
// gprs.dat, read back with the file's own reader, loaded again, and out.

#include <gtest/gtest.h>

#include <vector>

#include "app/launcher.h"
#include "smtp/gprs_file.h"
#include "smtp/smtp_controls.h"
#include "road_fixture.h"
#include "support/file_bytes.h"

namespace quelmo {
namespace {

class SmtpRoadTest : public RoadFixture {};

TEST_F(SmtpRoadTest, LauncherFormSaveLoadExit) {
  loop_.Start();
  Click(kLauncherSmtpButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kSmtpForm);
  EXPECT_EQ(Window().ListOf(kCountryList)->currentText(), QStringLiteral("China"));
  EXPECT_TRUE(Window().EditOf(kApnEdit)->isReadOnly());

  Pick(kCountryList, 5);   // China -> Deutschland
  Pick(kOperatorList, 3);  // Vodafone -> O2
  EXPECT_EQ(Window().ListOf(kCountryList)->currentText(), QStringLiteral("Deutschland"));
  EXPECT_EQ(Window().ListOf(kOperatorList)->count(), 10);
  EXPECT_EQ(Text(kApnEdit), "internet");
  Type(kSmtpServerEdit, "smtp.example.com");
  Type(kSmtpPortEdit, "587");
  Type(kSenderEmailEdit, "wildcam@example.com");
  Type(kSenderPasswordEdit, "s3cret");
  Type(kRecipientEdit, "me@example.org");
  Type(kSmtpDailyLimitEdit, "12");

  dialogs_.AnswerFolder(QString::fromStdString(PathToUtf8(card_.path())));
  Click(kSmtpSelectFolderButton);
  Click(kSmtpSaveButton);
  const std::filesystem::path written = card_.path() / "gprs.dat";
  ASSERT_FALSE(dialogs_.Messages().empty());
  EXPECT_EQ(dialogs_.Messages().back().text,
            QStringLiteral("Save All Parameters To GPRS Setting File\n") +
                QString::fromStdString(PathToUtf8(written)));

  const std::vector<std::uint8_t> bytes = ReadBytes(written);
  ASSERT_EQ(bytes.size(), 780u);
  const GprsFileContents contents = ReadGprsFile(bytes);
  EXPECT_TRUE(contents.integrity.intact());
  const GprsSettings& saved = contents.settings;
  EXPECT_EQ(saved.apnMode, kApnAuto);
  EXPECT_EQ(saved.countryIndex, 9);
  EXPECT_EQ(saved.operatorIndex, 3);
  EXPECT_EQ(saved.apn, "internet");
  EXPECT_EQ(saved.smtpServer, "smtp.example.com");
  EXPECT_EQ(saved.smtpPort, "587");
  EXPECT_EQ(saved.senderEmail, "wildcam@example.com");
  EXPECT_EQ(saved.senderPassword, "s3cret");
  EXPECT_EQ(saved.recipientEmail, "me@example.org");
  EXPECT_EQ(saved.picturesPerDay, 12);
  EXPECT_EQ(saved.smsControl, 5);
  EXPECT_EQ(contents.cameraLanguage, 2);

  // Switched to Customer, the e-mail fields empty; Load brings the file back
  // in its own mode, all but the sender password.
  Pick(kApnModeList, 1);
  EXPECT_EQ(Text(kSmtpServerEdit), "");
  EXPECT_FALSE(Window().ListOf(kCountryList)->isEnabled());
  const std::size_t messages = dialogs_.Messages().size();
  dialogs_.AnswerFile(QString::fromStdString(PathToUtf8(written)));
  Click(kSmtpLoadButton);
  EXPECT_EQ(dialogs_.Messages().size(), messages);
  EXPECT_EQ(Text(kLoadedPathEdit), PathToUtf8(written));
  EXPECT_EQ(Window().ListOf(kApnModeList)->currentIndex(), 0);
  EXPECT_TRUE(Window().ListOf(kCountryList)->isEnabled());
  EXPECT_EQ(Window().ListOf(kCountryList)->currentText(), QStringLiteral("Deutschland"));
  EXPECT_EQ(Window().ListOf(kOperatorList)->currentText(), QStringLiteral("O2"));
  EXPECT_EQ(Text(kSmtpServerEdit), "smtp.example.com");
  EXPECT_EQ(Text(kRecipientEdit), "me@example.org");
  EXPECT_EQ(Text(kSmtpDailyLimitEdit), "12");
  EXPECT_EQ(Text(kSenderPasswordEdit), "");

  // Enter with no button focused saves nothing and stays; Exit leaves.
  Window().EditOf(kSmtpServerEdit)->setFocus();
  QTest::keyClick(Window().EditOf(kSmtpServerEdit), Qt::Key_Return);
  ProcessQtEvents();
  ASSERT_TRUE(loop_.Running());
  EXPECT_EQ(loop_.Current()->Which(), Next::kSmtpForm);
  Click(kSmtpExitButton);
  EXPECT_EQ(loop_.Current()->Which(), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
