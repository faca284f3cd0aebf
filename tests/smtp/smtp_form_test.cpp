#include "smtp/smtp_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "smtp/gprs_file.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;

// Bytes 0..49 of a record are stored with their halves exchanged.
std::uint8_t Plain(std::uint8_t stored) {
  return static_cast<std::uint8_t>((stored << 4) | (stored >> 4));
}

// What every save needs, typed as a user would.
void FillMailOf(FakeView& view) {
  view.Type(kSmtpServerEdit, "smtp.example.com");
  view.Type(kSmtpPortEdit, "465");
  view.Type(kSenderEmailEdit, "abcd@example.com");
  view.Type(kSenderPasswordEdit, "secret");
  view.Type(kRecipientEdit, "me@example.org");
}

class SmtpFormTest : public FormFixture<SmtpForm> {
 protected:
  void FillMail() { FillMailOf(view); }

  std::filesystem::path GprsFile() const { return home.path() / "gprs.dat"; }

  std::vector<std::uint8_t> SaveAndRead() { return FormFixture::SaveAndRead(kSmtpSaveButton, "gprs.dat"); }
};

// The mode, the lists, the finder, Load, the daily limit and the folder are
// tested for both preset forms in tests/presets/preset_forms_test.cpp; here
// what only the SMTP/GPRS form has.

TEST_F(SmtpFormTest, TextsByLanguage) {
  const struct {
    int language;
    std::vector<std::pair<ControlId, const char*>> captions;
    std::vector<std::string> modes;
    std::vector<std::string> sms;
  } cases[] = {
      {2,
       {{kApnModeLabel, "GPRS Setting"}, {kCountryLabel, "Select Country"},
        {kOperatorLabel, "Select Operator"}, {kSmtpServerLabel, "Email Server"},
        {kSmtpSaveButton, "Save"}, {kSmtpExitButton, "Exit"}, {kApnLabel, "GPRS APN"},
        {kSmtpLoadButton, "Load configure"}},
       {"Auto", "Customer"},
       {"On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Off"}},
      {3,
       {{kApnModeLabel, "GPRS Einstellungen"}, {kSenderGroup, "Absender Email Einstellung"}},
       {"Auto", "Manuell"},
       {}},
      {1,
       {{kCountryLabel, "选择国家"}, {kSmtpSaveButton, "保存设置"}, {kApnLabel, "GPRS APN"}},
       {"厂家设置", "自定义"},
       {"打开", "5 分钟", "30 分钟", "1 小时", "2 小时", "关闭"}},
      {11, {{kCountryLabel, "Šalis"}}, {"Auto", "Rankinis"}, {}},
      {0, {{kCountryLabel, "Select Country"}, {kSmtpSaveButton, "Save"}}, {"Auto", "Customer"}, {}},
  };
  for (const auto& c : cases) {
    view = FakeView();
    OpenForm(c.language);
    for (const auto& [id, text] : c.captions) EXPECT_EQ(view.Text(id), text) << c.language;
    EXPECT_EQ(view.Items(kApnModeList), c.modes) << c.language;
    if (!c.sms.empty()) {
      EXPECT_EQ(view.Items(kSmtpSmsControlList), c.sms) << c.language;
    }
  }
}

TEST_F(SmtpFormTest, SaveChecksInOrderAndWritesNothingOnFailure) {
  const struct {
    const char* what;
    std::function<void(FakeView&)> change;
    const char* message;
  } cases[] = {
      {"one-character port", [](FakeView& v) { v.Type(kSmtpPortEdit, "4"); },
       "Please Input Port"},
      {"two-character port", [](FakeView& v) { v.Type(kSmtpPortEdit, "ab"); }, ""},
      {"@ without .", [](FakeView& v) { v.Type(kSenderEmailEdit, "abcd@example"); },
       "Error email address"},
      {". before @ only", [](FakeView& v) { v.Type(kSenderEmailEdit, "a.b@example"); }, ""},
      {"server too short", [](FakeView& v) { v.Type(kSmtpServerEdit, "s"); },
       "Please Input Smtp Server address"},
      {"recipient without @", [](FakeView& v) { v.Type(kRecipientEdit, "me.example.org"); },
       "Error Receive Email "},
      {"SMS control on, no phone", [](FakeView& v) { v.Pick(kSmtpSmsControlList, 4); },
       "SMS control is already open，please input Phone No."},
      {"Customer without APN", [](FakeView& v) {
         v.Pick(kApnModeList, kApnCustomer);
         v.Type(kSmtpServerEdit, "smtp.example.com");
       },
       "Please Input GPRS APN"},
  };
  for (const auto& c : cases) {
    view = FakeView();
    OpenForm();
    FillMail();
    c.change(view);
    std::filesystem::remove(GprsFile());
    const std::vector<std::uint8_t> file = SaveAndRead();
    ASSERT_FALSE(view.Messages().empty()) << c.what;
    if (*c.message == '\0') {
      EXPECT_EQ(file.size(), 780u) << c.what;
      EXPECT_EQ(LastMessage(), "Save All Parameters To GPRS Setting File\n" +
                                   PathToUtf8(GprsFile()));
      EXPECT_EQ(view.Messages().back().icon, MessageIcon::kApp);
    } else {
      EXPECT_TRUE(file.empty()) << c.what;
      EXPECT_THAT(LastMessage(), HasSubstr(c.message)) << c.what;
    }
  }
}

// The header bytes worked out by hand: record 0 byte 1 operator, 2 country
// (0x80 in Customer mode), 3 and 4 the limit's digits, 5 the camera language,
// 6 and 7 always 1, 8 SMS control; byte 50 the Auto flag, never swapped.
TEST_F(SmtpFormTest, SavedHeaderAndAccessPoint) {
  const struct {
    const char* what;
    int language;
    std::function<void(FakeView&)> change;
    std::vector<std::uint8_t> header;  // bytes 0..8, plain
    std::uint8_t auto_flag;
    std::string apn;
  } cases[] = {
      {"opened as is", kEnglish, [](FakeView&) {}, {0, 0, 4, 0, 0, 2, 1, 1, 5}, 1,
       "cmnet"},
      {"Deutschland, O2, 37 a day", kGerman,
       [](FakeView& v) {
         v.Pick(kCountryList, 9);
         v.Pick(kOperatorList, 3);
         v.Type(kSmtpDailyLimitEdit, "37");
       },
       {0, 3, 9, 3, 7, 3, 1, 1, 5}, 1, "internet"},
      {"Customer, 2 Hour", kChinese,
       [](FakeView& v) {
         v.Pick(kApnModeList, kApnCustomer);
         v.Type(kApnEdit, "my.apn");
         v.Pick(kSmtpSmsControlList, 4);
         v.Type(kSmsPhoneEdit, "12345");
       },
       {0, 0, 0x80, 0, 0, 1, 1, 1, 4}, 0, "my.apn"},
  };
  for (const auto& c : cases) {
    view = FakeView();
    OpenForm(c.language);
    c.change(view);
    FillMail();
    const std::vector<std::uint8_t> file = SaveAndRead();
    ASSERT_EQ(file.size(), 780u) << c.what;
    std::vector<std::uint8_t> header;
    for (std::size_t i = 0; i < 9; ++i) header.push_back(Plain(file[i]));
    EXPECT_EQ(header, c.header) << c.what;
    EXPECT_EQ(file[50], c.auto_flag) << c.what;
    std::string apn;
    for (std::size_t i = 0; i < file[60 + 57]; ++i) apn.push_back(static_cast<char>(Plain(file[60 + i])));
    EXPECT_EQ(apn, c.apn) << c.what;
  }
}

TEST_F(SmtpFormTest, SaveTakesEveryTextEvenAfterABadLimit) {
  OpenForm();
  view.Type(kSmtpDailyLimitEdit, "");  // nothing said yet; the limit stays 0
  FillMail();
  view.ClearMessages();
  view.Click(kSmtpSaveButton);
  EXPECT_EQ(LastMessage(), "Please enter an integer.");
  EXPECT_FALSE(std::filesystem::exists(GprsFile()));
  view.Type(kSmtpDailyLimitEdit, "7");
  const std::vector<std::uint8_t> file = SaveAndRead();
  ASSERT_EQ(file.size(), 780u);
  EXPECT_EQ(Plain(file[4]), 7);
  EXPECT_EQ(file[240 + 57], std::string("smtp.example.com").size());
}

TEST_F(SmtpFormTest, EnterDoesNothing) {
  OpenForm();
  FillMail();
  EXPECT_EQ(view.Click(kIdOk), Next::kStay);
  EXPECT_FALSE(std::filesystem::exists(GprsFile()));
  EXPECT_EQ(view.Text(kSmtpServerEdit), "smtp.example.com");
}

}  // namespace
}  // namespace quelmo
