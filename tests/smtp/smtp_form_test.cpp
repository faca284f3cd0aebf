#include "smtp/smtp_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mms/mms_file.h"
#include "platform/file_system.h"
#include "smtp/gprs_file.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

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

TEST_F(SmtpFormTest, OpensOnChinaWithItsFirstOperator) {
  OpenForm();
  EXPECT_EQ(view.Title(), "Quelmo K300X");
  EXPECT_EQ(view.SelectedText(kApnModeList), "Auto");
  EXPECT_EQ(view.Items(kCountryList).size(), 42u);
  EXPECT_EQ(view.SelectedText(kCountryList), "China");
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("China Mobile", "China Unicom"));
  EXPECT_EQ(view.Selection(kOperatorList), 0);
  const std::pair<ControlId, const char*> edits[] = {
      {kApnEdit, "cmnet"}, {kGprsAccountEdit, ""}, {kGprsPasswordEdit, ""}};
  for (const auto& [edit, text] : edits) {
    EXPECT_EQ(view.Text(edit), text) << edit;
    EXPECT_TRUE(view.IsReadOnly(edit)) << edit;
  }
  EXPECT_TRUE(view.IsEnabled(kCountryList));
  EXPECT_EQ(view.SelectedText(kSmtpSmsControlList), "Off");
  EXPECT_EQ(view.Text(kSmtpDailyLimitEdit), "0");
  EXPECT_EQ(view.Text(kSmtpFolderEdit), PathToUtf8(home.path()));
  const std::pair<ControlId, int> limits[] = {
      {kRecipientEdit, 32}, {kSenderEmailEdit, 32}, {kSenderPasswordEdit, 32},
      {kSmtpServerEdit, 40}, {kSmtpPortEdit, 10},   {kGprsAccountEdit, 32},
      {kApnEdit, 32},       {kGprsPasswordEdit, 32}, {kSmsPhoneEdit, 30}};
  for (const auto& [edit, limit] : limits) EXPECT_EQ(view.ByteLimit(edit), limit) << edit;
  EXPECT_TRUE(view.Messages().empty());
  BalloonHint* hint = form->Hint();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->fillColour, Rgb(213, 253, 224));
  EXPECT_EQ(hint->frameColour, Rgb(0, 106, 53));
}

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

TEST_F(SmtpFormTest, ChineseShowsChinaAndItsOperatorsInChinese) {
  OpenForm(kChinese);
  EXPECT_EQ(view.SelectedText(kCountryList), "中国");
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("中国移动", "中国联通"));
  view.Pick(kApnModeList, kApnCustomer);
  EXPECT_THAT(view.Items(kCountryList), ElementsAre("自定义"));
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("自定义"));
}

TEST_F(SmtpFormTest, CountryAndOperatorChangesFillTheAccessPoint) {
  OpenForm();
  view.Pick(kCountryList, 9);
  EXPECT_EQ(view.Items(kOperatorList).size(), 10u);
  view.Pick(kOperatorList, 4);
  view.Pick(kCountryList, 40);  // United Kingdom: operator 0 again
  EXPECT_EQ(view.Items(kOperatorList).size(), 3u);
  EXPECT_EQ(view.Selection(kOperatorList), 0);
  EXPECT_EQ(view.Text(kApnEdit), "pp.vodafone.co.uk");
  view.Pick(kOperatorList, 1);
  EXPECT_EQ(view.Text(kApnEdit), "mobile.o2.co.uk");
  EXPECT_EQ(view.Text(kGprsAccountEdit), "o2web");
  EXPECT_EQ(view.Text(kGprsPasswordEdit), "password");
  view.Pick(kCountryList, 23);  // Namibia: its one operator
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("MTC"));
  EXPECT_EQ(view.Text(kApnEdit), "ppsinternet");
  view.Pick(kCountryList, 1);  // Belgium: Aldi Talk has no public data
  view.Pick(kOperatorList, 3);
  EXPECT_EQ(view.SelectedText(kOperatorList), "Aldi Talk");
  EXPECT_EQ(view.Text(kApnEdit), "");
}

TEST_F(SmtpFormTest, ModeSwitchKeepsOnlyThePhoneTheLimitAndTheFolder) {
  OpenForm();
  FillMail();
  view.Type(kSmsPhoneEdit, "13800138000");
  view.Type(kSmtpDailyLimitEdit, "25");
  view.Type(kSmtpFolderEdit, "/card");
  for (int round = 0; round < 2; ++round) {
    view.Pick(kApnModeList, kApnCustomer);
    EXPECT_FALSE(view.IsEnabled(kCountryList));
    EXPECT_FALSE(view.IsEnabled(kOperatorList));
    EXPECT_THAT(view.Items(kCountryList), ElementsAre("Customer"));
    EXPECT_EQ(view.SelectedText(kOperatorList), "Customer");
    for (ControlId edit : {kApnEdit, kGprsAccountEdit, kGprsPasswordEdit}) {
      EXPECT_FALSE(view.IsReadOnly(edit)) << edit;
      EXPECT_EQ(view.Text(edit), "") << edit;
    }
    for (ControlId edit : {kSmtpServerEdit, kSmtpPortEdit, kSenderEmailEdit, kSenderPasswordEdit,
                           kRecipientEdit}) {
      EXPECT_EQ(view.Text(edit), "") << edit;
    }
    EXPECT_EQ(view.Text(kSmsPhoneEdit), "13800138000");
    EXPECT_EQ(view.Text(kSmtpDailyLimitEdit), "25");
    EXPECT_EQ(view.Text(kSmtpFolderEdit), "/card");
    view.Type(kApnEdit, "my.apn");
    FillMail();
    view.Pick(kApnModeList, kApnAuto);
    EXPECT_TRUE(view.IsEnabled(kCountryList));
    EXPECT_EQ(view.SelectedText(kCountryList), "China");
    EXPECT_EQ(view.Text(kApnEdit), "cmnet");
    EXPECT_TRUE(view.IsReadOnly(kApnEdit));
    EXPECT_EQ(view.Text(kRecipientEdit), "");
    EXPECT_EQ(view.Text(kSmsPhoneEdit), "13800138000");
  }
  EXPECT_TRUE(view.Messages().empty());
}

const FormSaving kGprsSaving{kSmtpSaveButton, "gprs.dat", FillMailOf, [](FakeView& view) {
                               view.Type(kSmsPhoneEdit, "13800138000");  // SMS control needs it
                               view.Pick(kSmtpSmsControlList, 2);
                             }};

TEST_F(SmtpFormTest, DailyLimitAndFolderAreWired) {
  // Tens 0 and units 7, each with its halves exchanged.
  ExpectIntegerEditWired(
      {kSmtpDailyLimitEdit, 99, RangeWording::kFramework, {{3, 0x00}, {4, 0x70}}}, kGprsSaving);
  ExpectFolderFieldWired(kSmtpFolderEdit, kSmtpSelectFolderButton, kGprsSaving);
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
      {"Auto, Belgium / Aldi Talk", [](FakeView& v) {
         v.Pick(kCountryList, 1);
         v.Pick(kOperatorList, 3);
       },
       "Please Input GPRS APN\nThis operator has no built-in access point"},
      {"no such folder", [](FakeView& v) { v.Type(kSmtpFolderEdit, "/no/such/folder"); },
       "gprs.dat was not saved:"},
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

TEST_F(SmtpFormTest, EnterDoesNothingAndExitReturnsToTheLauncher) {
  OpenForm();
  FillMail();
  EXPECT_EQ(view.Click(kIdOk), Next::kStay);
  EXPECT_FALSE(std::filesystem::exists(GprsFile()));
  EXPECT_EQ(view.Text(kSmtpServerEdit), "smtp.example.com");
  EXPECT_EQ(view.Click(kSmtpExitButton), Next::kLauncher);
}

TEST_F(SmtpFormTest, LoadShowsTheFileInItsOwnMode) {
  OpenForm(kChinese);
  // A Customer file loaded while the form is in Auto mode.
  GprsSettings customer;
  customer.apnMode = kApnCustomer;
  customer.apn = "\xD6\xD0\xB9\xFA.apn";  // GBK "中国.apn"
  customer.gprsAccount = "acc";
  customer.smtpServer = "smtp.example.com";
  customer.smtpPort = "25";
  customer.senderEmail = "abcd@example.com";
  customer.senderPassword = "never-shown";
  customer.recipientEmail = "me@example.org";
  customer.smsControlPhone = "13800138000";
  customer.smsControl = 2;
  customer.picturesPerDay = 40;
  const std::filesystem::path source = home.path() / "card-gprs.dat";
  WriteBytes(source, GprsFileBytes(customer, 1));
  view.AnswerFile(PathToUtf8(source));
  view.Click(kSmtpLoadButton);
  EXPECT_THAT(view.Messages(), IsEmpty());
  EXPECT_EQ(view.FileFilters().back(), "Quelmo 文件 (*.dat)|*.dat|所有文件 (*.*)|*.*||");
  EXPECT_EQ(view.Text(kLoadedPathEdit), PathToUtf8(source));
  EXPECT_EQ(view.SelectedText(kApnModeList), "自定义");
  EXPECT_THAT(view.Items(kCountryList), ElementsAre("自定义"));
  EXPECT_FALSE(view.IsEnabled(kCountryList));
  EXPECT_FALSE(view.IsReadOnly(kApnEdit));
  const std::pair<ControlId, const char*> shown[] = {
      {kApnEdit, "中国.apn"}, {kSmtpPortEdit, "25"}, {kSenderPasswordEdit, ""},
      {kSmsPhoneEdit, "13800138000"}, {kSmtpDailyLimitEdit, "40"}};
  for (const auto& [edit, text] : shown) EXPECT_EQ(view.Text(edit), text) << edit;
  EXPECT_EQ(view.Selection(kSmtpSmsControlList), 2);

  // Saved again (with a password typed anew) it keeps its own access point.
  view.Type(kSenderPasswordEdit, "again");
  const std::vector<std::uint8_t> file = SaveAndRead();
  ASSERT_EQ(file.size(), 780u);
  EXPECT_EQ(Plain(file[2]), 0x80);
  EXPECT_EQ(file[60 + 57], 8);  // "中国.apn" in GBK

  // An Auto file for China shows the table's own operator names.
  GprsSettings china = customer;
  china.apnMode = kApnAuto;
  china.countryIndex = 4;
  china.operatorIndex = 1;
  WriteBytes(source, GprsFileBytes(china, 1));
  view.AnswerFile(PathToUtf8(source));
  view.Click(kSmtpLoadButton);
  EXPECT_EQ(view.SelectedText(kApnModeList), "厂家设置");
  EXPECT_EQ(view.SelectedText(kCountryList), "中国");
  EXPECT_THAT(view.Items(kOperatorList), ElementsAre("China Mobile", "China Unicom"));
  EXPECT_EQ(view.Selection(kOperatorList), 1);
  EXPECT_TRUE(view.IsReadOnly(kApnEdit));
}

TEST_F(SmtpFormTest, LoadRefusesWhatItCannotUseAndChangesNothing) {
  const std::filesystem::path source = home.path() / "other.dat";
  const struct {
    const char* what;
    std::function<void()> prepare;
    const char* reason;
  } cases[] = {
      {"missing", [] {}, "could not be loaded"},
      {"sms.dat size", [&] { WriteBytes(source, std::vector<std::uint8_t>(300, 0)); },
       "The file is 300 bytes long; a GPRS setting file has 780 bytes."},
      {"mms.dat", [&] { WriteBytes(source, MmsFileBytes(MmsSettings{}, 2, 0)); },
       "not a GPRS setting file"},
      {"check value wrong",
       [&] {
         GprsSettings sound;
         sound.recipientEmail = "me@example.org";
         std::vector<std::uint8_t> bytes = GprsFileBytes(sound, 2);
         bytes[600] ^= 0x01;  // a recipient byte
         WriteBytes(source, bytes);
       },
       "not an intact GPRS setting file"},
      {"a folder", [&] { std::filesystem::create_directory(source); }, "could not be loaded"},
  };
  for (const auto& c : cases) {
    std::filesystem::remove_all(source);
    c.prepare();
    view = FakeView();
    OpenForm();
    FillMail();
    view.Pick(kCountryList, 9);
    view.AnswerFile(PathToUtf8(source));
    view.ClearMessages();
    view.Click(kSmtpLoadButton);
    ASSERT_EQ(view.Messages().size(), 1u) << c.what;
    EXPECT_THAT(LastMessage(), HasSubstr(c.reason)) << c.what;
    EXPECT_THAT(LastMessage(), HasSubstr(PathToUtf8(source))) << c.what;
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning) << c.what;
    EXPECT_EQ(view.SelectedText(kCountryList), "Deutschland") << c.what;
    EXPECT_EQ(view.Text(kSenderPasswordEdit), "secret") << c.what;
    EXPECT_EQ(view.Text(kLoadedPathEdit), "") << c.what;
  }
  // Cancelling the dialog does nothing at all.
  view.AnswerFile(std::nullopt);
  view.ClearMessages();
  view.Click(kSmtpLoadButton);
  EXPECT_THAT(view.Messages(), IsEmpty());
}

// A sound file with values the form cannot show loads with what it can, and
// the user is told which fields were odd.
TEST_F(SmtpFormTest, LoadShowsWhatItCanOfASoundFileWithOddValuesAndSaysSo) {
  GprsSettings odd;
  odd.countryIndex = 6;  // Cyprus offers one operator
  odd.operatorIndex = 3;
  odd.smtpServer = "\xFF\xFF";  // no GBK text
  odd.smtpPort = "25";
  odd.recipientEmail = "me@example.org";
  const std::filesystem::path source = home.path() / "odd.dat";
  WriteBytes(source, GprsFileBytes(odd, 2));
  OpenForm();
  view.AnswerFile(PathToUtf8(source));
  view.Click(kSmtpLoadButton);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_THAT(LastMessage(), HasSubstr(PathToUtf8(source) + " was loaded"));
  EXPECT_THAT(LastMessage(), HasSubstr("Operator: a value the form does not offer, replaced"));
  EXPECT_THAT(LastMessage(), HasSubstr("Email Server: not valid GBK text, left empty"));
  EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
  EXPECT_EQ(view.SelectedText(kCountryList), "Cyprus");
  EXPECT_EQ(view.Selection(kOperatorList), 0);
  EXPECT_EQ(view.Text(kSmtpServerEdit), "");
  EXPECT_EQ(view.Text(kSmtpPortEdit), "25");
  EXPECT_EQ(view.Text(kLoadedPathEdit), PathToUtf8(source));
}

// Under a host that cannot wait, the file comes after the click returned:
// nothing changes until then, and then the file loads as it would at once.
TEST_F(SmtpFormTest, AFileChosenAfterTheClickReturnedLoads) {
  GprsSettings customer;
  customer.apnMode = kApnCustomer;
  customer.apn = "later.apn";
  customer.smtpServer = "smtp.example.com";
  customer.smtpPort = "25";
  customer.senderEmail = "abcd@example.com";
  customer.recipientEmail = "me@example.org";
  const std::filesystem::path source = home.path() / "later-gprs.dat";
  WriteBytes(source, GprsFileBytes(customer, 2));
  OpenForm();
  view.HoldAnswers();
  view.AnswerFile(PathToUtf8(source));
  EXPECT_EQ(view.Click(kSmtpLoadButton), Next::kStay);
  EXPECT_EQ(view.Selection(kApnModeList), kApnAuto);
  EXPECT_EQ(view.Text(kLoadedPathEdit), "");

  EXPECT_TRUE(view.AnswerHeld());
  EXPECT_THAT(view.Messages(), IsEmpty()) << LastMessage();
  EXPECT_EQ(view.Selection(kApnModeList), kApnCustomer);
  EXPECT_EQ(view.Text(kSmtpServerEdit), "smtp.example.com");
  EXPECT_EQ(view.Text(kLoadedPathEdit), PathToUtf8(source));
}

}  // namespace
}  // namespace quelmo
