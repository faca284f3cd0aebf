#include "sms/sms_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace quelmo {
namespace {

std::string Text(ControlId id, int language) {
  return std::string(SmsControlText(id, language).value_or("<none>"));
}

// A text of the form's own rows and one of the shared rows in every language:
// a shifted column shows up here.
TEST(SmsTextsTest, SampleTextsOfEveryLanguage) {
  const struct {
    int language;
    const char *phone1, *exit;
  } samples[] = {
      {1, "手机号码 1", "退出"},          {2, "Phone Number 1", "Exit"},
      {3, "Telefonnummer 1", "Exit"},    {4, "puhelinnumero 1", "poistu"},
      {5, "No. Telefono 1", "Indiet"},   {6, "No telephone 1", "Retour"},
      {7, "Telefonsz. 1", "Vissz."},     {8, "Telefonska st. 1", "Nazaj"},
      {9, "Tel. Cislo 1", "Vystup"},     {10, "電話 01", "終了"},
      {11, "Telefono Nr. 1", "Iseiti"},
  };
  for (const auto& s : samples) {
    SCOPED_TRACE(s.language);
    EXPECT_EQ(Text(kSmsPhone1Label, s.language), s.phone1);
    EXPECT_EQ(Text(kSmsExitButton, s.language), s.exit);
  }
  EXPECT_EQ(Text(kSmsPhone2Label, 8), "Telefonska st. 2");
  EXPECT_EQ(Text(kSmsDailyLimitLabel, 2), "Max Image No./ day");
  EXPECT_EQ(Text(kSmsControlLabel, 11), " SMS nuotol.valdymas");  // leading blank kept
  EXPECT_EQ(Text(kSmsSaveButton, 11), " Save");
}

TEST(SmsTextsTest, EveryCaptionedControlHasATextInEveryCode) {
  for (int language : {-1, 0, 1, 2, 6, 11, 12, 1033}) {
    for (ControlId id : SmsTextControls()) {
      EXPECT_TRUE(SmsControlText(id, language).has_value()) << language << " " << id;
    }
  }
  EXPECT_EQ(SmsTextControls().size(), 9u);
  EXPECT_EQ(SmsControlText(kSmsFolderEdit, 2), std::nullopt);
  for (int code : {0, 12, 1033}) {
    EXPECT_EQ(Text(kSmsPhone3Label, code), "Phone Number 3");
    EXPECT_EQ(Text(kSmsSelectFolderButton, code), "Select");
  }
}

TEST(SmsTextsTest, HintsAndConfirmationInChineseOrEnglish) {
  const struct {
    int language;
    const char *phone_hint, *saved;
  } cases[] = {
      {1, "注意：手机号码1可以作为远程短信控制号码", "短信设置文件已生成"},
      {2, "Note：The phone number 1 can be used as a remote control number",
       "Save SMS configuration file"},
      {10, "Note：The phone number 1 can be used as a remote control number",
       "Save SMS configuration file"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SmsPhoneNumberHint(c.language), c.phone_hint);
    EXPECT_EQ(SmsSavedConfirmation(c.language), c.saved);
  }
  EXPECT_EQ(SmsControlHint(3),
            "Note: the recommended settings for 2 hours, you can get a longer battery life");
}

}  // namespace
}  // namespace quelmo
