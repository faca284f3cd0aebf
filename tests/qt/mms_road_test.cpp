// The MMS form in the real window, offscreen: from the launcher to a saved
// mms.dat, a loaded Customer file, and back.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "app/launcher.h"
#include "mms/mms_controls.h"
#include "mms/mms_file.h"
#include "road_fixture.h"
#include "support/file_bytes.h"

namespace quelmo {
namespace {

class MmsRoadTest : public RoadFixture {};

TEST_F(MmsRoadTest, LauncherToSavedFileToLoadedCustomerFileAndBack) {
  loop_.Start();
  Click(kLauncherMmsButton);
  ASSERT_EQ(loop_.Current()->Which(), Next::kMmsForm);
  EXPECT_EQ(Window().ListOf(kMmsCountryList)->currentText(), QStringLiteral("China"));
  EXPECT_EQ(Text(kMmsApnEdit), "cmwap");
  EXPECT_TRUE(Window().EditOf(kMmsApnEdit)->isReadOnly());

  // Bulgaria, just above China, then its second operator.
  QComboBox* countries = Window().ListOf(kMmsCountryList);
  countries->setFocus();
  QTest::keyClick(countries, Qt::Key_Up);
  ProcessQtEvents();
  EXPECT_EQ(countries->currentText(), QStringLiteral("Bulgaria"));
  EXPECT_EQ(Window().ListOf(kMmsOperatorList)->currentText(), QStringLiteral("Globul"));
  Pick(kMmsOperatorList, 1);
  EXPECT_EQ(Window().ListOf(kMmsOperatorList)->currentText(), QStringLiteral("Mtel"));
  EXPECT_EQ(Text(kMmsApnEdit), "mms-gprs.mtel.bg");

  Type(kMmsPhoneEdit, QStringLiteral("+359888123456"));
  EXPECT_FALSE(Window().EditOf(kMmsSecondEdit)->isReadOnly());
  dialogs_.AnswerFolder(QString::fromStdString(PathToUtf8(card_.path())));
  Click(kMmsFolderButton);
  Click(kMmsSaveButton);
  ASSERT_FALSE(dialogs_.Messages().empty());
  EXPECT_TRUE(dialogs_.Messages().back().text.startsWith(
      QStringLiteral("Save All Parameters To MMS Setting File\n")));

  const std::vector<std::uint8_t> bytes = ReadBytes(card_.path() / "mms.dat");
  ASSERT_EQ(bytes.size(), 780u);
  EXPECT_EQ(bytes[8], 0x30);   // country 3, nibbles swapped
  EXPECT_EQ(bytes[9], 0x10);   // operator 1
  EXPECT_EQ(bytes[50], 0x01);  // Auto
  const MmsFileContents saved = ReadMmsFile(bytes);
  EXPECT_TRUE(saved.integrity.intact());
  EXPECT_EQ(saved.settings.phone, "+359888123456");
  EXPECT_EQ(saved.settings.apn, "mms-gprs.mtel.bg");
  EXPECT_EQ(saved.settings.port, "8080");
  EXPECT_FALSE(std::filesystem::exists(card_.path() / "setup.dat"));

  // Load a Customer file: the form turns to Customer mode with its values.
  MmsSettings customer;
  customer.mode = kMmsCustomer;
  customer.countryIndex = kManualCountry;
  customer.url = "http://mms.example.net";
  customer.apn = "mms";
  customer.gateway = "192.0.2.1";
  customer.port = "8080";
  customer.receiveEmail = "me@example.org";
  const std::filesystem::path customer_file = card_.path() / "customer.dat";
  WriteBytes(customer_file, MmsFileBytes(customer, 2, 0));
  dialogs_.AnswerFile(QString::fromStdString(PathToUtf8(customer_file)));
  Click(kMmsLoadButton);
  EXPECT_EQ(Window().ListOf(kMmsModeList)->currentText(), QStringLiteral("Customer"));
  EXPECT_FALSE(Window().ListOf(kMmsCountryList)->isEnabled());
  EXPECT_FALSE(Window().EditOf(kMmsUrlEdit)->isReadOnly());
  EXPECT_EQ(Text(kMmsUrlEdit), "http://mms.example.net");
  EXPECT_EQ(Text(kMmsEmailEdit), "me@example.org");
  EXPECT_EQ(Text(kMmsPhoneEdit), "");

  Click(kMmsExitButton);
  EXPECT_EQ(loop_.Current()->Which(), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
