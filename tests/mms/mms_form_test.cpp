#include "mms/mms_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mms/mms_file.h"
#include "platform/file_system.h"
#include "support/form_fixture.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using testing::ReferenceSwap;
using ::testing::SizeIs;

class MmsFormTest : public FormFixture<MmsForm> {
 protected:
  std::filesystem::path FilePath() const { return home.path() / "mms.dat"; }

  std::vector<std::string> Save() { return ClickForMessages(kMmsSaveButton); }
};

// The mode, the lists, the finder and Load are tested for both preset forms
// in tests/presets/preset_forms_test.cpp; here what only the MMS form has.

TEST_F(MmsFormTest, OpensWithTheRecipientsOpenAndTheSecondLocked) {
  OpenForm();
  EXPECT_FALSE(view.IsReadOnly(kMmsPhoneEdit));
  EXPECT_FALSE(view.IsReadOnly(kMmsEmailEdit));
  EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit));
}

TEST_F(MmsFormTest, TheSettingsFollowTheChoice) {
  OpenForm();
  view.Pick(kMmsCountryList, 41);  // United Kingdom
  view.Pick(kMmsOperatorList, 4);
  EXPECT_EQ(form->settings().countryIndex, 41);
  EXPECT_EQ(form->settings().operatorIndex, 4);
  EXPECT_EQ(form->settings().port, "8799");
  view.Pick(kMmsCountryList, 2);  // Brazil
  EXPECT_EQ(form->settings().countryIndex, 2);
  EXPECT_EQ(form->settings().operatorIndex, 0);
  EXPECT_EQ(form->settings().account, "oimms");
  view.Pick(kMmsModeList, kMmsCustomer);
  EXPECT_EQ(form->settings().mode, kMmsCustomer);
  EXPECT_EQ(form->settings().countryIndex, kManualCountry);
  EXPECT_EQ(form->settings().apn, "");
}

TEST_F(MmsFormTest, ModeSwitchEmptiesAndLocksTheSecondRecipient) {
  OpenForm();
  for (int mode : {kMmsCustomer, kMmsAuto}) {
    view.Type(kMmsPhoneEdit, "13800138000");
    view.Type(kMmsSecondEdit, "13900139000");
    ASSERT_FALSE(view.IsReadOnly(kMmsSecondEdit));
    view.Pick(kMmsModeList, mode);
    EXPECT_EQ(view.Text(kMmsSecondEdit), "") << mode;
    EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit)) << mode;
  }
}

TEST_F(MmsFormTest, SaveChecksInOrder) {
  const struct {
    const char* name;
    int mode;
    const char* phone;
    const char* email;
    int sms_control;
    const char* gateway;   // Customer mode only
    const char* expected;  // first message; "" when saved
  } cases[] = {
      {"plus and 13 digits", kMmsAuto, "+8613800138000", "", 5, "", ""},
      {"plus in third place", kMmsAuto, "13+800138000", "", 5, "",
       "Only numbers(+) are allowed phone number"},
      {"a letter first", kMmsAuto, "x13800138000", "", 5, "",
       "Only numbers(+) are allowed phone number"},
      {"four digits", kMmsAuto, "1380", "", 5, "", "Phone number error"},
      {"no recipient", kMmsAuto, "", "", 5, "", "Please input phone number or receive email"},
      {"e-mail only, SMS control off", kMmsAuto, "", "a@b.cz", 5, "", ""},
      {"e-mail only, SMS control on", kMmsAuto, "", "a@b.cz", 0, "",
       "SMS control is already open\xEF\xBC\x8Cplease input Phone No."},
      {"e-mail without dot", kMmsAuto, "", "a@bcz", 5, "", "Error email address"},
      {"Customer gateway without dot", kMmsCustomer, "13800138000", "", 5, "localhost",
       "Error MMS GateWay"},
      {"Customer, empty account and password", kMmsCustomer, "13800138000", "", 5, "10.0.0.1", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(FilePath());
    OpenForm();
    if (c.mode == kMmsCustomer) {
      view.Pick(kMmsModeList, kMmsCustomer);
      view.Type(kMmsUrlEdit, "http://mmsc");
      view.Type(kMmsApnEdit, "cmwap");
      view.Type(kMmsGatewayEdit, c.gateway);
      view.Type(kMmsPortEdit, "80");
    }
    view.Type(kMmsPhoneEdit, c.phone);
    view.Type(kMmsEmailEdit, c.email);
    view.Pick(kMmsSmsControlList, c.sms_control);
    const std::vector<std::string> messages = Save();
    ASSERT_THAT(messages, SizeIs(1));
    if (*c.expected == '\0') {
      EXPECT_EQ(messages[0], "Save All Parameters To MMS Setting File\n" + PathToUtf8(FilePath()));
      EXPECT_EQ(ReadBytes(FilePath()).size(), 780u);
    } else {
      EXPECT_EQ(messages[0], c.expected);
      EXPECT_FALSE(std::filesystem::exists(FilePath()));
    }
  }
}

TEST_F(MmsFormTest, SavedBytesCarryTheChoice) {
  // Auto, China Unicom; then Customer, which stores country 128, operator 0.
  OpenForm();
  view.Pick(kMmsOperatorList, 1);
  view.Type(kMmsPhoneEdit, "13800138000");
  view.Type(kMmsPicturesEdit, "37");
  view.Pick(kMmsSmsControlList, 4);
  Save();
  std::vector<std::uint8_t> file = ReadBytes(FilePath());
  ASSERT_EQ(file.size(), 780u);
  // Header bytes 3..10 as stored: swapped 0,3 / 0,7 / 2 (English) / 0 / 1 / 4 / 1 / 4.
  EXPECT_THAT(std::vector<std::uint8_t>(file.begin() + 3, file.begin() + 11),
              ElementsAre(0x30, 0x70, 0x20, 0x00, 0x10, 0x40, 0x10, 0x40));
  EXPECT_EQ(file[50], 1);  // Auto, outside the swapped bytes
  // Record 1, the URL "http://mmsc.myuni.com.cn": 24 bytes, "h" stored as 0x86.
  EXPECT_EQ(file[60], ReferenceSwap('h'));
  EXPECT_EQ(file[60 + 57], 24);
  EXPECT_EQ(testing::StoredCheckAt(file, 660),
            testing::ReferenceStoredCheck(std::span(file).first(660)));

  view.Pick(kMmsModeList, kMmsCustomer);
  view.Type(kMmsUrlEdit, "http://mmsc");
  view.Type(kMmsApnEdit, "cmwap");
  view.Type(kMmsGatewayEdit, "10.0.0.172");
  view.Type(kMmsPortEdit, "80");
  view.Type(kMmsPhoneEdit, "13800138000");
  Save();
  file = ReadBytes(FilePath());
  EXPECT_EQ(file[8], ReferenceSwap(128));
  EXPECT_EQ(file[9], 0);
  EXPECT_EQ(file[50], 0);
  // Empty account and password: records 7 and 8 hold nothing but CR LF.
  for (std::size_t offset : {420u, 480u}) {
    EXPECT_EQ(std::count(file.begin() + offset, file.begin() + offset + 58, 0), 58);
    EXPECT_EQ(file[offset + 58], 0x0D);
  }
}

TEST_F(MmsFormTest, SecondRecipientFollowsUsableRecipients) {
  OpenForm();
  view.Type(kMmsPhoneEdit, "13800");
  EXPECT_FALSE(view.IsReadOnly(kMmsSecondEdit));
  view.Type(kMmsSecondEdit, "13900139000");
  // The first character of an e-mail does not take away what the phone opened.
  view.Type(kMmsEmailEdit, "a");
  EXPECT_FALSE(view.IsReadOnly(kMmsSecondEdit));
  EXPECT_EQ(view.Text(kMmsSecondEdit), "13900139000");
  // An e-mail with "@" keeps it open when the phone goes.
  view.Type(kMmsEmailEdit, "a@b.cz");
  view.Type(kMmsPhoneEdit, "138");
  EXPECT_FALSE(view.IsReadOnly(kMmsSecondEdit));
  EXPECT_EQ(view.Text(kMmsSecondEdit), "13900139000");
  // Neither usable: emptied and locked.
  view.Type(kMmsEmailEdit, "a@b");
  EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit));
  EXPECT_EQ(view.Text(kMmsSecondEdit), "");

  // A 33rd phone character: the message, then phone and second emptied.
  view.Type(kMmsEmailEdit, "");
  view.Type(kMmsPhoneEdit, std::string(32, '1'));
  view.Type(kMmsSecondEdit, "13900139000");
  view.ClearMessages();
  view.Type(kMmsPhoneEdit, std::string(33, '1'));
  ASSERT_THAT(view.Messages(), SizeIs(1));
  EXPECT_EQ(view.Messages()[0].text, "The max number of phone 32!");
  EXPECT_EQ(view.Text(kMmsPhoneEdit), "");
  EXPECT_EQ(view.Text(kMmsSecondEdit), "");
  EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit));
}

}  // namespace
}  // namespace quelmo
