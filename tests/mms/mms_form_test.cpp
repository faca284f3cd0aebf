#include "mms/mms_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "mms/mms_file.h"
#include "mms/mms_presets.h"
#include "platform/file_system.h"
#include "smtp/gprs_file.h"
#include "support/form_fixture.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ReferenceSwap;
using ::testing::SizeIs;

constexpr ControlId kParameterEdits[] = {kMmsUrlEdit,  kMmsApnEdit,     kMmsGatewayEdit,
                                         kMmsPortEdit, kMmsAccountEdit, kMmsPasswordEdit};

MmsSettings CustomerFile() {
  MmsSettings s;
  s.mode = kMmsCustomer;
  s.countryIndex = kManualCountry;
  s.url = "http://mms.example.net/mms";
  s.apn = "mms.example";
  s.gateway = "192.0.2.7";
  s.port = "9201";
  s.account = "user";
  s.password = "secret";
  s.phone = "+4917012345678";
  s.receiveEmail = "a@b.cz";
  s.phoneOrEmail2 = "0049301234";
  s.picturesPerDay = 12;
  s.smsControl = 3;
  return s;
}

class MmsFormTest : public FormFixture<MmsForm> {
 protected:
  std::filesystem::path FilePath() const { return home.path() / "mms.dat"; }

  std::vector<std::string> Save() { return ClickForMessages(kMmsSaveButton); }

  void LoadFile(const std::filesystem::path& path) {
    view.ClearMessages();
    view.AnswerFile(PathToUtf8(path));
    view.Click(kMmsLoadButton);
  }

  std::vector<std::string> Parameters() const {
    std::vector<std::string> shown;
    for (ControlId edit : kParameterEdits) shown.push_back(view.Text(edit));
    return shown;
  }
};

TEST_F(MmsFormTest, OpensInAutoModeAtChinaInTheLanguage) {
  const struct {
    int language;
    const char* country;
    const char* op;
    const char* mode;
    const char* sms_off;
  } cases[] = {
      {1, "中国", "中国移动", "厂家设置", "关闭"},
      {2, "China", "China Mobile", "Auto", "Off"},
      {3, "China", "China Mobile", "Auto", "Aus"},
      {12, "China", "China Mobile", "Auto", "Off"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    OpenForm(c.language);
    EXPECT_EQ(view.Title(), "Quelmo K300X");
    EXPECT_EQ(view.SelectedText(kMmsModeList), c.mode);
    EXPECT_EQ(view.SelectedText(kMmsCountryList), c.country);
    EXPECT_EQ(view.SelectedText(kMmsOperatorList), c.op);
    EXPECT_EQ(view.SelectedText(kMmsSmsControlList), c.sms_off);
    EXPECT_THAT(view.Items(kMmsCountryList), SizeIs(43));
    EXPECT_THAT(Parameters(),
                ElementsAre("http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""));
    for (ControlId edit : kParameterEdits) EXPECT_TRUE(view.IsReadOnly(edit)) << edit;
    EXPECT_FALSE(view.IsReadOnly(kMmsPhoneEdit));
    EXPECT_FALSE(view.IsReadOnly(kMmsEmailEdit));
    EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit));
    EXPECT_TRUE(view.IsEnabled(kMmsCountryList));
    EXPECT_EQ(view.Text(kMmsPicturesEdit), "0");
    EXPECT_EQ(view.Text(kMmsFolderEdit), PathToUtf8(home.path()));
    EXPECT_EQ(view.ByteLimit(kMmsUrlEdit), 50);
    EXPECT_EQ(view.ByteLimit(kMmsGatewayEdit), 20);
    EXPECT_FALSE(view.ByteLimit(kMmsPhoneEdit).has_value());
    EXPECT_TRUE(view.Messages().empty());
    ASSERT_NE(form->Hint(), nullptr);
    EXPECT_EQ(form->Hint()->fillColour, Rgb(213, 253, 224));
  }
}

TEST_F(MmsFormTest, CountryAndOperatorChoicesShowTheirRows) {
  OpenForm();
  view.Pick(kMmsCountryList, 41);  // United Kingdom
  EXPECT_THAT(view.Items(kMmsOperatorList),
              ElementsAre("Vodafone", "O2", "O2 Payandgo", "Orange", "Three"));
  view.Pick(kMmsOperatorList, 4);
  EXPECT_EQ(view.Text(kMmsPortEdit), "8799");
  EXPECT_EQ(view.Text(kMmsApnEdit), "three.co.uk");

  // Another country starts at its first operator, whatever was chosen before.
  view.Pick(kMmsCountryList, 2);  // Brazil
  EXPECT_THAT(view.Items(kMmsOperatorList), ElementsAre("Brazil Telecom"));
  EXPECT_EQ(view.SelectedText(kMmsOperatorList), "Brazil Telecom");
  EXPECT_EQ(view.Text(kMmsApnEdit), "mmsgprs.oi.com.br");
  EXPECT_EQ(view.Text(kMmsAccountEdit), "oimms");
  EXPECT_EQ(form->settings().countryIndex, 2);
  EXPECT_EQ(form->settings().operatorIndex, 0);
}

TEST_F(MmsFormTest, ModeSwitchEmptiesAndComesBackToChina) {
  OpenForm(kChinese);
  view.Type(kMmsPhoneEdit, "13800138000");
  view.Type(kMmsEmailEdit, "a@b.cn");
  view.Pick(kMmsCountryList, 10);

  view.Pick(kMmsModeList, kMmsCustomer);
  for (ControlId list : {kMmsCountryList, kMmsOperatorList}) {
    EXPECT_THAT(view.Items(list), ElementsAre("自定义"));
    EXPECT_EQ(view.Selection(list), 0);
    EXPECT_FALSE(view.IsEnabled(list));
  }
  EXPECT_THAT(Parameters(), ElementsAre("", "", "", "", "", ""));
  for (ControlId edit : kParameterEdits) EXPECT_FALSE(view.IsReadOnly(edit));
  EXPECT_EQ(view.Text(kMmsPhoneEdit), "");
  EXPECT_EQ(view.Text(kMmsEmailEdit), "");
  EXPECT_TRUE(view.IsReadOnly(kMmsSecondEdit));

  view.Pick(kMmsModeList, kMmsAuto);
  EXPECT_EQ(view.SelectedText(kMmsCountryList), "中国");
  EXPECT_EQ(view.SelectedText(kMmsOperatorList), "中国移动");
  EXPECT_TRUE(view.IsEnabled(kMmsCountryList));
  EXPECT_EQ(view.Text(kMmsGatewayEdit), "10.0.0.172");
  for (ControlId edit : kParameterEdits) EXPECT_TRUE(view.IsReadOnly(edit));
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

TEST_F(MmsFormTest, PresetWithoutDataIsRefused) {
  OpenForm();
  view.Pick(kMmsCountryList, 0);
  view.Pick(kMmsOperatorList, 2);  // Mic1: no public parameters
  EXPECT_THAT(Parameters(), ElementsAre("", "", "", "9201", "", ""));
  view.Type(kMmsPhoneEdit, "61400000000");
  const std::vector<std::string> messages = Save();
  ASSERT_THAT(messages, SizeIs(1));
  EXPECT_THAT(messages[0], HasSubstr("Error MMS URL\n"));
  EXPECT_THAT(messages[0], HasSubstr("Customer"));
  EXPECT_FALSE(std::filesystem::exists(FilePath()));
}

const FormSaving kMmsSaving{kMmsSaveButton, "mms.dat",
                            [](FakeView& view) { view.Type(kMmsPhoneEdit, "13800138000"); },
                            [](FakeView& view) { view.Pick(kMmsSmsControlList, 2); }};

TEST_F(MmsFormTest, PictureCountAndFolderAreWired) {
  // Tens 0 and units 7, each with its halves exchanged.
  ExpectIntegerEditWired({kMmsPicturesEdit, 99, RangeWording::kProgram, {{3, 0x00}, {4, 0x70}}},
                         kMmsSaving);
  ExpectFolderFieldWired(kMmsFolderEdit, kMmsFolderButton, kMmsSaving);
}

TEST_F(MmsFormTest, SaveIntoAMissingFolderIsReported) {
  OpenForm();
  view.Type(kMmsPhoneEdit, "13800138000");
  view.SetText(kMmsFolderEdit, PathToUtf8(card.path() / "gone"));  // typed, no event
  const std::vector<std::string> messages = Save();
  ASSERT_THAT(messages, SizeIs(1));
  EXPECT_THAT(messages[0], HasSubstr("mms.dat was not saved"));
  EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
  EXPECT_FALSE(std::filesystem::exists(card.path() / "gone"));
}

TEST_F(MmsFormTest, LoadingACustomerFileInAutoModeSwitchesToCustomer) {
  WriteBytes(card.path() / "mms.dat", MmsFileBytes(CustomerFile(), kChinese, 0));
  OpenForm(kChinese);
  LoadFile(card.path() / "mms.dat");
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsCustomer);
  EXPECT_THAT(view.Items(kMmsCountryList), ElementsAre("自定义"));
  EXPECT_FALSE(view.IsEnabled(kMmsOperatorList));
  for (ControlId edit : kParameterEdits) EXPECT_FALSE(view.IsReadOnly(edit));
  EXPECT_THAT(Parameters(), ElementsAre("http://mms.example.net/mms", "mms.example", "192.0.2.7",
                                        "9201", "user", "secret"));
  EXPECT_EQ(view.Text(kMmsPhoneEdit), "+4917012345678");
  EXPECT_EQ(view.Text(kMmsSecondEdit), "0049301234");
  EXPECT_FALSE(view.IsReadOnly(kMmsSecondEdit));
  EXPECT_EQ(view.Text(kMmsPicturesEdit), "12");
  EXPECT_EQ(view.Selection(kMmsSmsControlList), 3);
  EXPECT_EQ(view.Text(kMmsLoadPathEdit), PathToUtf8(card.path() / "mms.dat"));

  // Saved again unchanged, the same bytes.
  Save();
  EXPECT_EQ(ReadBytes(FilePath()), MmsFileBytes(CustomerFile(), kChinese, 0));
}

TEST_F(MmsFormTest, AFileWithALanguageOutsideTheTableStillLoads) {
  // The program itself writes such a file when the stored language is unusual.
  WriteBytes(card.path() / "mms.dat", MmsFileBytes(CustomerFile(), 12, 0));
  OpenForm();
  LoadFile(card.path() / "mms.dat");
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.Text(kMmsPhoneEdit), "+4917012345678");
}

TEST_F(MmsFormTest, LoadingAPresetFileShowsItsChoiceAndSavesThePresetOnScreen) {
  MmsSettings file;
  ApplyMmsPreset(file, kMmsChina, 1);
  file.url = "http://other.example";  // not the preset's
  file.phone = "13800138000";
  WriteBytes(card.path() / "mms.dat", MmsFileBytes(file, 1, 0));
  OpenForm(kChinese);
  view.Pick(kMmsModeList, kMmsCustomer);
  LoadFile(card.path() / "mms.dat");
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsAuto);
  EXPECT_EQ(view.SelectedText(kMmsCountryList), "中国");
  EXPECT_EQ(view.SelectedText(kMmsOperatorList), "中国联通");
  EXPECT_EQ(view.Text(kMmsUrlEdit), "http://other.example");
  EXPECT_TRUE(view.IsReadOnly(kMmsUrlEdit));

  Save();
  EXPECT_EQ(ReadMmsFile(ReadBytes(FilePath())).settings.url, "http://mmsc.myuni.com.cn");
}

TEST_F(MmsFormTest, FilesThatCannotBeLoadedChangeNothing) {
  std::vector<std::uint8_t> good = MmsFileBytes(CustomerFile(), 2, 0);
  std::vector<std::uint8_t> flipped = good;
  flipped[300] ^= 0x01;  // a phone byte: the check value no longer fits
  std::vector<std::uint8_t> short_file(good.begin(), good.begin() + 720);
  GprsSettings gprs;
  gprs.apnMode = kApnCustomer;
  gprs.apn = "internet";
  gprs.recipientEmail = "a@b.cz";

  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* reason;
  } cases[] = {
      {"damaged", flipped, "not an intact MMS setting file"},
      {"short", short_file, "720 bytes"},
      // Recognised by its recipient in record 10 before its frame is read.
      {"gprs.dat", GprsFileBytes(gprs, 2), "not an MMS setting file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenForm();
    view.Type(kMmsPhoneEdit, "13800138000");
    const std::filesystem::path path = card.path() / "mms.dat";
    WriteBytes(path, c.bytes);
    LoadFile(path);
    ASSERT_THAT(view.Messages(), SizeIs(1));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(path) + " could not be loaded"));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(c.reason));
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(view.Text(kMmsPhoneEdit), "13800138000");
    EXPECT_EQ(view.SelectedText(kMmsCountryList), "China");
    EXPECT_EQ(view.Text(kMmsUrlEdit), "http://mmsc.monternet.com");
    EXPECT_EQ(view.Text(kMmsLoadPathEdit), "");
  }
  // A cancelled choice does nothing at all.
  view.ClearMessages();
  view.Click(kMmsLoadButton);
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.FileFilters().back(), "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||");
}

// A sound file with values the form cannot show loads with what it can, and
// the user is told which fields were odd.
TEST_F(MmsFormTest, SoundFilesWithOddValuesLoadAndSaySo) {
  MmsSettings no_such_operator;
  no_such_operator.phone = "13800138000";
  no_such_operator.countryIndex = 2;  // Brazil offers one operator
  no_such_operator.operatorIndex = 3;
  MmsSettings not_gbk = CustomerFile();
  not_gbk.phoneOrEmail2 = "\x81\x20\x81\x20\x81";

  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    const char* finding;
    const char* country;   // as the lists show them
    const char* op;
    const char* phone;
    const char* second;
  } cases[] = {
      // Brazil's only operator takes the place of the one it does not offer.
      {"operator not offered", MmsFileBytes(no_such_operator, 2, 0),
       "Operator: a value the form does not offer, replaced", "Brazil", "Brazil Telecom",
       "13800138000", ""},
      {"not GBK", MmsFileBytes(not_gbk, 2, 0), "Second recipient: not valid GBK text, left empty",
       "Customer", "Customer", "+4917012345678", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenForm();
    const std::filesystem::path path = card.path() / "mms.dat";
    WriteBytes(path, c.bytes);
    LoadFile(path);
    ASSERT_THAT(view.Messages(), SizeIs(1));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(path) + " was loaded"));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(c.finding));
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(view.SelectedText(kMmsCountryList), c.country);
    EXPECT_EQ(view.SelectedText(kMmsOperatorList), c.op);
    EXPECT_EQ(view.Text(kMmsPhoneEdit), c.phone);
    EXPECT_EQ(view.Text(kMmsSecondEdit), c.second);
    EXPECT_EQ(view.Text(kMmsLoadPathEdit), PathToUtf8(path));
  }
  // Saved again, the file carries the preset the lists show.
  OpenForm();
  WriteBytes(card.path() / "mms.dat", MmsFileBytes(no_such_operator, 2, 0));
  LoadFile(card.path() / "mms.dat");
  Save();
  const MmsSettings saved = ReadMmsFile(ReadBytes(FilePath())).settings;
  EXPECT_EQ(saved.countryIndex, 2);
  EXPECT_EQ(saved.operatorIndex, 0);
  EXPECT_EQ(saved.url, "http://200.222.42.204:8002/");
}

// Under a host that cannot wait, the file comes after the click returned:
// nothing changes until then, and then the file loads as it would at once. A
// form that ends first never hears the answer.
TEST_F(MmsFormTest, AFileChosenAfterTheClickReturnedLoads) {
  WriteBytes(card.path() / "mms.dat", MmsFileBytes(CustomerFile(), kChinese, 0));
  OpenForm(kChinese);
  view.HoldAnswers();
  view.AnswerFile(PathToUtf8(card.path() / "mms.dat"));
  EXPECT_EQ(view.Click(kMmsLoadButton), Next::kStay);
  EXPECT_EQ(view.HeldQuestions(), 1);
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsAuto);
  EXPECT_EQ(view.Text(kMmsLoadPathEdit), "");

  EXPECT_TRUE(view.AnswerHeld());
  EXPECT_TRUE(view.Messages().empty());
  EXPECT_EQ(view.Selection(kMmsModeList), kMmsCustomer);
  EXPECT_THAT(Parameters(), ElementsAre("http://mms.example.net/mms", "mms.example", "192.0.2.7",
                                        "9201", "user", "secret"));
  EXPECT_EQ(view.Text(kMmsLoadPathEdit), PathToUtf8(card.path() / "mms.dat"));

  view.Click(kMmsLoadButton);
  OpenForm(kChinese);
  EXPECT_FALSE(view.AnswerHeld());
}

TEST_F(MmsFormTest, ExitReturnsToTheLauncher) {
  OpenForm();
  EXPECT_EQ(view.Click(kMmsExitButton), Next::kLauncher);
}

}  // namespace
}  // namespace quelmo
