// The Auto/Customer part of the MMS and SMTP/GPRS forms (PresetChooser),
// driven through each form as a user would: the mode, the lists and the
// parameters they fill, the save of a preset, the wiring of the daily limit
// and the folder, and Load. One test over both kinds; what only one kind has
// is tested with its form (tests/mms, tests/smtp).

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "mms/mms_file.h"
#include "mms/mms_form.h"
#include "mms/mms_presets.h"
#include "platform/file_system.h"
#include "smtp/gprs_file.h"
#include "smtp/smtp_form.h"
#include "support/form_fixture.h"

namespace quelmo {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using EditTexts = std::vector<std::pair<ControlId, std::string>>;

void TypeAll(FakeView& view, const EditTexts& edits) {
  for (const auto& [edit, text] : edits) view.Type(edit, text);
}

void ExpectTexts(const FakeView& view, const EditTexts& edits) {
  for (const auto& [edit, text] : edits) EXPECT_EQ(view.Text(edit), text) << "edit " << edit;
}

// A file of the kind loaded with what it gave the form, and how a save
// afterwards stores the choice.
struct LoadedChoice {
  int country;
  int operatorIndex;
  std::string firstParameter;
};

// A choice in Auto mode, and what the form shows then.
struct Step {
  int country;  // -1: not picked
  int operatorIndex;
  std::vector<std::string> operators;  // empty: only their number looked at
  std::size_t operatorCount;
  std::string operatorShown;
  EditTexts shown;
};

// A sound file with values the form cannot show, and what it shows of it.
struct OddFile {
  const char* name;
  std::vector<std::uint8_t> bytes;
  std::vector<std::string> findings;
  const char* country;  // as the lists show them
  const char* op;
  EditTexts shown;
};

// ---- The two kinds ----------------------------------------------------------

MmsSettings MmsCustomerSettings() {
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

MmsSettings MmsNoSuchOperator() {
  MmsSettings s;
  s.phone = "13800138000";
  s.countryIndex = 2;  // Brazil offers one operator
  s.operatorIndex = 3;
  return s;
}

struct MmsKind {
  using Form = MmsForm;
  static constexpr const char* kFile = "mms.dat";
  static constexpr const char* kKindWords = "an MMS setting file";
  static constexpr ControlId kModeList = kMmsModeList;
  static constexpr ControlId kCountryList = kMmsCountryList;
  static constexpr ControlId kOperatorList = kMmsOperatorList;
  static constexpr ControlId kSmsControlList = kMmsSmsControlList;
  static constexpr ControlId kSave = kMmsSaveButton;
  static constexpr ControlId kExit = kMmsExitButton;
  static constexpr ControlId kLoad = kMmsLoadButton;
  static constexpr ControlId kLoadPath = kMmsLoadPathEdit;
  static constexpr ControlId kFolder = kMmsFolderEdit;
  static constexpr ControlId kFolderButton = kMmsFolderButton;
  static constexpr ControlId kDailyLimit = kMmsPicturesEdit;
  static constexpr RangeWording kDailyLimitWording = RangeWording::kProgram;
  static constexpr int kCountries = 43;
  static std::vector<ControlId> Parameters() {
    return {kMmsUrlEdit, kMmsApnEdit, kMmsGatewayEdit, kMmsPortEdit, kMmsAccountEdit,
            kMmsPasswordEdit};
  }
  static std::vector<std::string> OpeningParameters() {
    return {"http://mmsc.monternet.com", "cmwap", "10.0.0.172", "80", "", ""};
  }
  static std::vector<std::pair<ControlId, std::optional<int>>> ByteLimits() {
    // The phone has none: a 33rd character is refused with a message.
    return {{kMmsUrlEdit, 50}, {kMmsGatewayEdit, 20}, {kMmsPhoneEdit, std::nullopt}};
  }
  static FormSaving Saving() {
    return {kMmsSaveButton, kFile, [](FakeView& view) { view.Type(kMmsPhoneEdit, "13800138000"); },
            [](FakeView& view) { view.Pick(kMmsSmsControlList, 2); }};
  }
  // What a mode switch empties, and what it keeps, typed beforehand.
  static EditTexts EmptiedBySwitch() {
    return {{kMmsPhoneEdit, "13800138000"}, {kMmsEmailEdit, "a@b.cn"}};
  }
  static EditTexts KeptBySwitch() { return {{kMmsPicturesEdit, "25"}, {kMmsFolderEdit, "/card"}}; }

  static std::vector<Step> Steps() {
    return {
        {41, -1, {"Vodafone", "O2", "O2 Payandgo", "Orange", "Three"}, 5, "Vodafone", {}},
        {-1, 4, {}, 5, "Three", {{kMmsPortEdit, "8799"}, {kMmsApnEdit, "three.co.uk"}}},
        // Another country starts at its first operator, whatever was chosen before.
        {2, -1, {"Brazil Telecom"}, 1, "Brazil Telecom",
         {{kMmsApnEdit, "mmsgprs.oi.com.br"}, {kMmsAccountEdit, "oimms"}}},
    };
  }
  // A row without public parameters, and the first message a save shows.
  static constexpr int kEmptyCountry = 0;
  static constexpr int kEmptyOperator = 2;  // Australia / Mic1
  static std::vector<std::string> EmptyRowShows() { return {"", "", "", "9201", "", ""}; }
  static std::vector<std::string> EmptyRowRefusal() { return {"Error MMS URL\n", "Customer"}; }

  static std::vector<std::uint8_t> CustomerFile(int camera_language) {
    return MmsFileBytes(MmsCustomerSettings(), camera_language, 0);
  }
  static std::vector<std::string> CustomerParameters() {
    return {"http://mms.example.net/mms", "mms.example", "192.0.2.7", "9201", "user", "secret"};
  }
  static EditTexts CustomerShown() {
    return {{kMmsPhoneEdit, "+4917012345678"}, {kMmsSecondEdit, "0049301234"},
            {kMmsPicturesEdit, "12"}};
  }
  static constexpr int kCustomerSmsControl = 3;
  // A second recipient in the file stays open for editing.
  static std::vector<ControlId> EditableAfterCustomerLoad() { return {kMmsSecondEdit}; }
  static void PrepareResave(FakeView&) {}
  static void ExpectCustomerResaved(const std::vector<std::uint8_t>& saved) {
    // Saved again unchanged, the same bytes.
    EXPECT_EQ(saved, MmsFileBytes(MmsCustomerSettings(), kChinese, 0));
  }

  // China's second operator, with a URL that is not the preset's.
  static std::vector<std::uint8_t> AutoFile() {
    MmsSettings file;
    ApplyMmsPreset(file, kMmsChina, 1);
    file.url = "http://other.example";
    file.phone = "13800138000";
    return MmsFileBytes(file, 1, 0);
  }
  static constexpr const char* kAutoFileParameter = "http://other.example";
  // The operators of a loaded file's country, in Chinese.
  static std::vector<std::string> LoadedChinaOperators() { return {"中国移动", "中国联通"}; }
  static constexpr const char* kChinaSecondPreset = "http://mmsc.myuni.com.cn";

  static std::vector<std::uint8_t> SoundFile() { return CustomerFile(2); }
  static constexpr std::size_t kDamagedByte = 300;  // a phone byte
  static std::vector<std::uint8_t> OtherKindFile() {
    // Recognised by its recipient in record 10 before its frame is read.
    GprsSettings gprs;
    gprs.apnMode = kApnCustomer;
    gprs.apn = "internet";
    gprs.recipientEmail = "a@b.cz";
    return GprsFileBytes(gprs, 2);
  }
  static EditTexts OwnFields() { return {{kMmsPhoneEdit, "13800138000"}}; }

  static std::vector<OddFile> OddFiles() {
    MmsSettings not_gbk = MmsCustomerSettings();
    not_gbk.phoneOrEmail2 = "\x81\x20\x81\x20\x81";
    return {
        // Brazil's only operator takes the place of the one it does not offer.
        {"operator not offered", MmsFileBytes(MmsNoSuchOperator(), 2, 0),
         {"Operator: a value the form does not offer, replaced"}, "Brazil", "Brazil Telecom",
         {{kMmsPhoneEdit, "13800138000"}, {kMmsSecondEdit, ""}}},
        {"not GBK", MmsFileBytes(not_gbk, 2, 0),
         {"Second recipient: not valid GBK text, left empty"}, "Customer", "Customer",
         {{kMmsPhoneEdit, "+4917012345678"}, {kMmsSecondEdit, ""}}},
    };
  }
  static std::vector<std::uint8_t> NoSuchOperatorFile() {
    return MmsFileBytes(MmsNoSuchOperator(), 2, 0);
  }
  static LoadedChoice NoSuchOperatorSaved() { return {2, 0, "http://200.222.42.204:8002/"}; }
  static LoadedChoice SavedChoice(const std::vector<std::uint8_t>& bytes) {
    const MmsSettings saved = ReadMmsFile(bytes).settings;
    return {saved.countryIndex, saved.operatorIndex, saved.url};
  }
};

GprsSettings GprsCustomerSettings() {
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
  return customer;
}

GprsSettings GprsOdd() {
  GprsSettings odd;
  odd.countryIndex = 6;  // Cyprus offers one operator
  odd.operatorIndex = 3;
  odd.smtpServer = "\xFF\xFF";  // no GBK text
  odd.smtpPort = "25";
  odd.recipientEmail = "me@example.org";
  return odd;
}

// What every save of the SMTP/GPRS form needs, typed as a user would.
void FillMail(FakeView& view) {
  view.Type(kSmtpServerEdit, "smtp.example.com");
  view.Type(kSmtpPortEdit, "465");
  view.Type(kSenderEmailEdit, "abcd@example.com");
  view.Type(kSenderPasswordEdit, "secret");
  view.Type(kRecipientEdit, "me@example.org");
}

struct GprsKind {
  using Form = SmtpForm;
  static constexpr const char* kFile = "gprs.dat";
  static constexpr const char* kKindWords = "a GPRS setting file";
  static constexpr ControlId kModeList = kApnModeList;
  static constexpr ControlId kCountryList = quelmo::kCountryList;
  static constexpr ControlId kOperatorList = quelmo::kOperatorList;
  static constexpr ControlId kSmsControlList = kSmtpSmsControlList;
  static constexpr ControlId kSave = kSmtpSaveButton;
  static constexpr ControlId kExit = kSmtpExitButton;
  static constexpr ControlId kLoad = kSmtpLoadButton;
  static constexpr ControlId kLoadPath = kLoadedPathEdit;
  static constexpr ControlId kFolder = kSmtpFolderEdit;
  static constexpr ControlId kFolderButton = kSmtpSelectFolderButton;
  static constexpr ControlId kDailyLimit = kSmtpDailyLimitEdit;
  static constexpr RangeWording kDailyLimitWording = RangeWording::kFramework;
  static constexpr int kCountries = 42;
  static std::vector<ControlId> Parameters() {
    return {kApnEdit, kGprsAccountEdit, kGprsPasswordEdit};
  }
  static std::vector<std::string> OpeningParameters() { return {"cmnet", "", ""}; }
  static std::vector<std::pair<ControlId, std::optional<int>>> ByteLimits() {
    return {{kRecipientEdit, 32},   {kSenderEmailEdit, 32}, {kSenderPasswordEdit, 32},
            {kSmtpServerEdit, 40},  {kSmtpPortEdit, 10},    {kGprsAccountEdit, 32},
            {kApnEdit, 32},         {kGprsPasswordEdit, 32}, {kSmsPhoneEdit, 30}};
  }
  static FormSaving Saving() {
    return {kSmtpSaveButton, kFile, FillMail, [](FakeView& view) {
              view.Type(kSmsPhoneEdit, "13800138000");  // SMS control needs it
              view.Pick(kSmtpSmsControlList, 2);
            }};
  }
  static EditTexts EmptiedBySwitch() {
    return {{kSmtpServerEdit, "smtp.example.com"}, {kSmtpPortEdit, "465"},
            {kSenderEmailEdit, "abcd@example.com"}, {kSenderPasswordEdit, "secret"},
            {kRecipientEdit, "me@example.org"}};
  }
  static EditTexts KeptBySwitch() {
    return {{kSmsPhoneEdit, "13800138000"}, {kSmtpDailyLimitEdit, "25"}, {kSmtpFolderEdit, "/card"}};
  }

  static std::vector<Step> Steps() {
    return {
        {9, -1, {}, 10, "Vodafone", {}},
        {-1, 4, {}, 10, "Alditalk(dayflat-rate)", {}},
        // Another country starts at its first operator, whatever was chosen before.
        {40, -1, {}, 3, "Vodafone", {{kApnEdit, "pp.vodafone.co.uk"}}},
        {-1, 1, {}, 3, "O2",
         {{kApnEdit, "mobile.o2.co.uk"}, {kGprsAccountEdit, "o2web"},
          {kGprsPasswordEdit, "password"}}},
        {23, -1, {"MTC"}, 1, "MTC", {{kApnEdit, "ppsinternet"}}},
        // Belgium: Aldi Talk has no public data.
        {1, 3, {}, 4, "Aldi Talk", {{kApnEdit, ""}}},
    };
  }
  static constexpr int kEmptyCountry = 1;
  static constexpr int kEmptyOperator = 3;  // Belgium / Aldi Talk
  static std::vector<std::string> EmptyRowShows() { return {"", "", ""}; }
  static std::vector<std::string> EmptyRowRefusal() {
    return {"Please Input GPRS APN\nThis operator has no built-in access point"};
  }

  static std::vector<std::uint8_t> CustomerFile(int camera_language) {
    return GprsFileBytes(GprsCustomerSettings(), camera_language);
  }
  static std::vector<std::string> CustomerParameters() { return {"中国.apn", "acc", ""}; }
  static EditTexts CustomerShown() {
    // The sender password is never taken from a file.
    return {{kSmtpPortEdit, "25"}, {kSenderPasswordEdit, ""}, {kSmsPhoneEdit, "13800138000"},
            {kSmtpDailyLimitEdit, "40"}};
  }
  static constexpr int kCustomerSmsControl = 2;
  static std::vector<ControlId> EditableAfterCustomerLoad() { return {}; }
  static void PrepareResave(FakeView& view) { view.Type(kSenderPasswordEdit, "again"); }
  static void ExpectCustomerResaved(const std::vector<std::uint8_t>& saved) {
    // It keeps its own access point: country 128, "中国.apn" in GBK.
    ASSERT_EQ(saved.size(), 780u);
    EXPECT_EQ(saved[2], 0x08);  // 0x80, its halves exchanged
    EXPECT_EQ(saved[60 + 57], 8);
  }

  static std::vector<std::uint8_t> AutoFile() {
    GprsSettings china = GprsCustomerSettings();
    china.apnMode = kApnAuto;
    china.countryIndex = 4;
    china.operatorIndex = 1;
    return GprsFileBytes(china, 1);
  }
  static constexpr const char* kAutoFileParameter = "中国.apn";
  // After a load the operators show the table's own names, in every language.
  static std::vector<std::string> LoadedChinaOperators() { return {"China Mobile", "China Unicom"}; }
  static constexpr const char* kChinaSecondPreset = "3gnet";

  static std::vector<std::uint8_t> SoundFile() {
    GprsSettings sound;
    sound.recipientEmail = "me@example.org";
    return GprsFileBytes(sound, 2);
  }
  static constexpr std::size_t kDamagedByte = 600;  // a recipient byte
  static std::vector<std::uint8_t> OtherKindFile() { return MmsFileBytes(MmsSettings{}, 2, 0); }
  static EditTexts OwnFields() { return EmptiedBySwitch(); }

  static std::vector<OddFile> OddFiles() {
    return {{"operator not offered, server not GBK", GprsFileBytes(GprsOdd(), 2),
             {"Operator: a value the form does not offer, replaced",
              "Email Server: not valid GBK text, left empty"},
             "Cyprus", "Cyta", {{kSmtpServerEdit, ""}, {kSmtpPortEdit, "25"}}}};
  }
  static std::vector<std::uint8_t> NoSuchOperatorFile() { return GprsFileBytes(GprsOdd(), 2); }
  static LoadedChoice NoSuchOperatorSaved() { return {6, 0, "cytamobile"}; }
  static LoadedChoice SavedChoice(const std::vector<std::uint8_t>& bytes) {
    const GprsSettings saved = ReadGprsFile(bytes).settings;
    return {saved.countryIndex, saved.operatorIndex, saved.apn};
  }
};

// ---- The test ---------------------------------------------------------------

template <class Kind>
class PresetFormTest : public FormFixture<typename Kind::Form> {
 protected:
  using Fixture = FormFixture<typename Kind::Form>;
  using Fixture::card;
  using Fixture::form;
  using Fixture::home;
  using Fixture::view;

  void Open(int language = kEnglish) {
    view = FakeView();
    this->OpenForm(language);
  }

  std::filesystem::path SavedPath() const { return home.path() / Kind::kFile; }

  std::vector<std::string> Save() { return this->ClickForMessages(Kind::kSave); }

  // Saves as the form stands with what a save needs typed beforehand.
  std::vector<std::uint8_t> PrepareAndSave() {
    Kind::Saving().prepare(view);
    std::filesystem::remove(SavedPath());
    Save();
    return ReadBytes(SavedPath());
  }

  void Load(const std::filesystem::path& path) {
    view.ClearMessages();
    view.AnswerFile(PathToUtf8(path));
    view.Click(Kind::kLoad);
  }

  std::vector<std::string> Parameters() const {
    std::vector<std::string> shown;
    for (ControlId edit : Kind::Parameters()) shown.push_back(view.Text(edit));
    return shown;
  }

  void ExpectParametersReadOnly(bool read_only) const {
    for (ControlId edit : Kind::Parameters()) {
      EXPECT_EQ(view.IsReadOnly(edit), read_only) << "edit " << edit;
    }
  }

  void ExpectListsEnabled(bool enabled) const {
    EXPECT_EQ(view.IsEnabled(Kind::kCountryList), enabled);
    EXPECT_EQ(view.IsEnabled(Kind::kOperatorList), enabled);
  }
};

using Kinds = ::testing::Types<MmsKind, GprsKind>;
class KindNames {
 public:
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, MmsKind> ? "Mms" : "Gprs";
  }
};
TYPED_TEST_SUITE(PresetFormTest, Kinds, KindNames);

TYPED_TEST(PresetFormTest, OpensInAutoModeAtChinaInTheLanguage) {
  using K = TypeParam;
  const struct {
    int language;
    std::vector<std::string> modes;
    const char* country;  // nullptr: the system's name, not looked at
    std::vector<std::string> operators;
    const char* smsOff;  // nullptr: not looked at
  } cases[] = {
      {1, {"厂家设置", "自定义"}, "中国", {"中国移动", "中国联通"}, "关闭"},
      {2, {"Auto", "Customer"}, "China", {"China Mobile", "China Unicom"}, "Off"},
      {3, {"Auto", "Manuell"}, "China", {"China Mobile", "China Unicom"}, "Aus"},
      {11, {"Auto", "Rankinis"}, nullptr, {"China Mobile", "China Unicom"}, nullptr},
      {12, {"Auto", "Customer"}, "China", {"China Mobile", "China Unicom"}, "Off"},
      {0, {"Auto", "Customer"}, "China", {"China Mobile", "China Unicom"}, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    this->Open(c.language);
    auto& view = this->view;
    EXPECT_EQ(view.Title(), "Quelmo K300X");
    EXPECT_EQ(view.Items(K::kModeList), c.modes);
    EXPECT_EQ(view.SelectedText(K::kModeList), c.modes[0]);
    EXPECT_THAT(view.Items(K::kCountryList), SizeIs(K::kCountries));
    if (c.country != nullptr) EXPECT_EQ(view.SelectedText(K::kCountryList), c.country);
    EXPECT_EQ(view.Selection(K::kCountryList), 4);
    EXPECT_EQ(view.Items(K::kOperatorList), c.operators);
    EXPECT_EQ(view.Selection(K::kOperatorList), 0);
    if (c.smsOff != nullptr) EXPECT_EQ(view.SelectedText(K::kSmsControlList), c.smsOff);
    EXPECT_EQ(this->Parameters(), K::OpeningParameters());
    this->ExpectParametersReadOnly(true);
    this->ExpectListsEnabled(true);
    EXPECT_EQ(view.Text(K::kDailyLimit), "0");
    EXPECT_EQ(view.Text(K::kFolder), PathToUtf8(this->home.path()));
    EXPECT_EQ(view.Text(K::kLoadPath), "");
    for (const auto& [edit, limit] : K::ByteLimits()) {
      EXPECT_EQ(view.ByteLimit(edit), limit) << "edit " << edit;
    }
    EXPECT_THAT(view.Messages(), IsEmpty());
    BalloonHint* hint = this->form->Hint();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->fillColour, Rgb(213, 253, 224));
    EXPECT_EQ(hint->frameColour, Rgb(0, 106, 53));
  }
}

TYPED_TEST(PresetFormTest, CountryAndOperatorChoicesShowTheirRows) {
  using K = TypeParam;
  this->Open();
  auto& view = this->view;
  for (const auto& step : K::Steps()) {
    SCOPED_TRACE(testing::Message() << "country " << step.country << ", operator "
                                    << step.operatorIndex);
    if (step.country >= 0) view.Pick(K::kCountryList, step.country);
    if (step.operatorIndex >= 0) view.Pick(K::kOperatorList, step.operatorIndex);
    if (!step.operators.empty()) EXPECT_EQ(view.Items(K::kOperatorList), step.operators);
    EXPECT_THAT(view.Items(K::kOperatorList), SizeIs(step.operatorCount));
    EXPECT_EQ(view.Selection(K::kOperatorList), step.operatorIndex >= 0 ? step.operatorIndex : 0);
    EXPECT_EQ(view.SelectedText(K::kOperatorList), step.operatorShown);
    ExpectTexts(view, step.shown);
    this->ExpectParametersReadOnly(true);
  }
  EXPECT_THAT(view.Messages(), IsEmpty());
}

TYPED_TEST(PresetFormTest, ModeSwitchEmptiesTheParametersAndComesBackToChina) {
  using K = TypeParam;
  const struct {
    int language;
    const char* customer;
    const char* country;
    const char* op;
  } cases[] = {{kEnglish, "Customer", "China", "China Mobile"},
               {kChinese, "自定义", "中国", "中国移动"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    this->Open(c.language);
    auto& view = this->view;
    TypeAll(view, K::EmptiedBySwitch());
    TypeAll(view, K::KeptBySwitch());
    view.Pick(K::kCountryList, 10);
    for (int round = 0; round < 2; ++round) {
      SCOPED_TRACE(round);
      view.Pick(K::kModeList, kPresetCustomer);
      for (ControlId list : {K::kCountryList, K::kOperatorList}) {
        EXPECT_EQ(view.Items(list), std::vector<std::string>{c.customer});
        EXPECT_EQ(view.Selection(list), 0);
        EXPECT_FALSE(view.IsEnabled(list));
      }
      EXPECT_EQ(this->Parameters(), std::vector<std::string>(K::Parameters().size()));
      this->ExpectParametersReadOnly(false);
      for (const auto& [edit, text] : K::EmptiedBySwitch()) EXPECT_EQ(view.Text(edit), "") << edit;
      ExpectTexts(view, K::KeptBySwitch());

      view.Type(K::Parameters()[0], "my.parameter");
      TypeAll(view, K::EmptiedBySwitch());
      view.Pick(K::kModeList, kPresetAuto);
      EXPECT_EQ(view.SelectedText(K::kCountryList), c.country);
      EXPECT_EQ(view.SelectedText(K::kOperatorList), c.op);
      this->ExpectListsEnabled(true);
      EXPECT_EQ(this->Parameters(), K::OpeningParameters());
      this->ExpectParametersReadOnly(true);
      for (const auto& [edit, text] : K::EmptiedBySwitch()) EXPECT_EQ(view.Text(edit), "") << edit;
      ExpectTexts(view, K::KeptBySwitch());
    }
    EXPECT_THAT(view.Messages(), IsEmpty());
  }
}

TYPED_TEST(PresetFormTest, APresetWithoutDataIsShownEmptyAndRefused) {
  using K = TypeParam;
  this->Open();
  auto& view = this->view;
  view.Pick(K::kCountryList, K::kEmptyCountry);
  view.Pick(K::kOperatorList, K::kEmptyOperator);
  EXPECT_EQ(this->Parameters(), K::EmptyRowShows());
  K::Saving().prepare(view);
  const std::vector<std::string> messages = this->Save();
  ASSERT_THAT(messages, SizeIs(1));
  for (const std::string& part : K::EmptyRowRefusal()) EXPECT_THAT(messages[0], HasSubstr(part));
  EXPECT_FALSE(std::filesystem::exists(this->SavedPath()));
}

TYPED_TEST(PresetFormTest, DailyLimitAndFolderAreWired) {
  using K = TypeParam;
  // Tens 0 and units 7, each with its halves exchanged.
  this->ExpectIntegerEditWired({K::kDailyLimit, 99, K::kDailyLimitWording, {{3, 0x00}, {4, 0x70}}},
                               K::Saving());
  this->ExpectFolderFieldWired(K::kFolder, K::kFolderButton, K::Saving());
}

TYPED_TEST(PresetFormTest, SaveIntoAMissingFolderIsReported) {
  using K = TypeParam;
  for (const bool typed : {false, true}) {
    SCOPED_TRACE(typed ? "typed" : "set without an event");
    this->Open();
    auto& view = this->view;
    K::Saving().prepare(view);
    const std::string gone = PathToUtf8(this->card.path() / "gone");
    if (typed) {
      view.Type(K::kFolder, gone);
    } else {
      view.SetText(K::kFolder, gone);
    }
    const std::vector<std::string> messages = this->Save();
    ASSERT_THAT(messages, SizeIs(1));
    EXPECT_THAT(messages[0], HasSubstr(std::string(K::kFile) + " was not saved:"));
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    EXPECT_FALSE(std::filesystem::exists(this->card.path() / "gone"));
  }
}

TYPED_TEST(PresetFormTest, ExitReturnsToTheLauncher) {
  this->Open();
  EXPECT_EQ(this->view.Click(TypeParam::kExit), Next::kLauncher);
}

TYPED_TEST(PresetFormTest, ACustomerFileLoadedInAutoModeShowsCustomerMode) {
  using K = TypeParam;
  const std::filesystem::path source = this->card.path() / "card.dat";
  WriteBytes(source, K::CustomerFile(kChinese));
  this->Open(kChinese);
  auto& view = this->view;
  this->Load(source);
  EXPECT_THAT(view.Messages(), IsEmpty());
  EXPECT_EQ(view.FileFilters().back(), "Quelmo 文件 (*.dat)|*.dat|所有文件 (*.*)|*.*||");
  EXPECT_EQ(view.Text(K::kLoadPath), PathToUtf8(source));
  EXPECT_EQ(view.Selection(K::kModeList), kPresetCustomer);
  EXPECT_EQ(view.SelectedText(K::kModeList), "自定义");
  EXPECT_EQ(view.Items(K::kCountryList), std::vector<std::string>{"自定义"});
  EXPECT_EQ(view.Items(K::kOperatorList), std::vector<std::string>{"自定义"});
  this->ExpectListsEnabled(false);
  this->ExpectParametersReadOnly(false);
  EXPECT_EQ(this->Parameters(), K::CustomerParameters());
  ExpectTexts(view, K::CustomerShown());
  for (ControlId edit : K::EditableAfterCustomerLoad()) EXPECT_FALSE(view.IsReadOnly(edit));
  EXPECT_EQ(view.Selection(K::kSmsControlList), K::kCustomerSmsControl);

  // Saved again, it keeps its own parameters: no preset.
  K::PrepareResave(view);
  this->Save();
  K::ExpectCustomerResaved(ReadBytes(this->SavedPath()));
}

// Under a host that cannot wait, the file comes after the click returned:
// nothing changes until then, and then the file loads as it would at once. A
// form that ends first never hears the answer.
TYPED_TEST(PresetFormTest, AFileChosenAfterTheClickReturnedLoads) {
  using K = TypeParam;
  const std::filesystem::path source = this->card.path() / "card.dat";
  WriteBytes(source, K::CustomerFile(kChinese));
  this->Open(kChinese);
  auto& view = this->view;
  view.HoldAnswers();
  view.AnswerFile(PathToUtf8(source));
  EXPECT_EQ(view.Click(K::kLoad), Next::kStay);
  EXPECT_EQ(view.HeldQuestions(), 1);
  EXPECT_EQ(view.Selection(K::kModeList), kPresetAuto);
  EXPECT_EQ(view.Text(K::kLoadPath), "");

  EXPECT_TRUE(view.AnswerHeld());
  EXPECT_THAT(view.Messages(), IsEmpty());
  EXPECT_EQ(view.Selection(K::kModeList), kPresetCustomer);
  EXPECT_EQ(this->Parameters(), K::CustomerParameters());
  ExpectTexts(view, K::CustomerShown());
  EXPECT_EQ(view.Text(K::kLoadPath), PathToUtf8(source));

  view.Click(K::kLoad);
  this->OpenForm(kChinese);
  EXPECT_FALSE(view.AnswerHeld());
}

TYPED_TEST(PresetFormTest, AFileWithACameraLanguageOutsideTheTableStillLoads) {
  using K = TypeParam;
  // The program itself writes such a file when the stored language is unusual.
  const std::filesystem::path source = this->card.path() / "card.dat";
  WriteBytes(source, K::CustomerFile(12));
  this->Open();
  this->Load(source);
  EXPECT_THAT(this->view.Messages(), IsEmpty());
  ExpectTexts(this->view, K::CustomerShown());
}

TYPED_TEST(PresetFormTest, AnAutoFileShowsItsChoiceAndSavesThePresetOnScreen) {
  using K = TypeParam;
  const std::filesystem::path source = this->card.path() / "card.dat";
  WriteBytes(source, K::AutoFile());
  this->Open(kChinese);
  auto& view = this->view;
  view.Pick(K::kModeList, kPresetCustomer);
  this->Load(source);
  EXPECT_THAT(view.Messages(), IsEmpty());
  EXPECT_EQ(view.Selection(K::kModeList), kPresetAuto);
  EXPECT_EQ(view.SelectedText(K::kModeList), "厂家设置");
  this->ExpectListsEnabled(true);
  EXPECT_EQ(view.SelectedText(K::kCountryList), "中国");
  EXPECT_EQ(view.Items(K::kOperatorList), K::LoadedChinaOperators());
  EXPECT_EQ(view.Selection(K::kOperatorList), 1);
  // The file's own value until a save, which stores the preset of the lists.
  EXPECT_EQ(view.Text(K::Parameters()[0]), K::kAutoFileParameter);
  this->ExpectParametersReadOnly(true);

  K::PrepareResave(view);
  this->Save();
  const LoadedChoice saved = K::SavedChoice(ReadBytes(this->SavedPath()));
  EXPECT_EQ(saved.country, 4);
  EXPECT_EQ(saved.operatorIndex, 1);
  EXPECT_EQ(saved.firstParameter, K::kChinaSecondPreset);
}

TYPED_TEST(PresetFormTest, FilesThatCannotBeLoadedChangeNothing) {
  using K = TypeParam;
  const std::filesystem::path source = this->card.path() / "other.dat";
  const std::string kind = K::kKindWords;
  std::vector<std::uint8_t> damaged = K::SoundFile();
  damaged[K::kDamagedByte] ^= 0x01;  // the check value no longer fits
  const std::vector<std::uint8_t> sound = K::SoundFile();
  const struct {
    const char* what;
    std::function<void()> prepare;
    std::string reason;
  } cases[] = {
      {"missing", [] {}, "could not be loaded"},
      {"a folder", [&] { std::filesystem::create_directory(source); }, "could not be loaded"},
      {"sms.dat size", [&] { WriteBytes(source, std::vector<std::uint8_t>(300, 0)); },
       "The file is 300 bytes long; " + kind + " has 780 bytes."},
      {"cut short",
       [&] { WriteBytes(source, std::vector<std::uint8_t>(sound.begin(), sound.begin() + 720)); },
       "The file is 720 bytes long"},
      {"the other kind", [&] { WriteBytes(source, K::OtherKindFile()); },
       "This is not " + kind},
      {"check value wrong", [&] { WriteBytes(source, damaged); },
       "This is not an intact " + kind.substr(kind.find(' ') + 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::filesystem::remove_all(source);
    c.prepare();
    this->Open();
    auto& view = this->view;
    TypeAll(view, K::OwnFields());
    view.Pick(K::kCountryList, 9);
    const std::string country = view.SelectedText(K::kCountryList);
    const std::vector<std::string> parameters = this->Parameters();
    this->Load(source);
    ASSERT_THAT(view.Messages(), SizeIs(1));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(source) + " could not be loaded"));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(c.reason));
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    ExpectTexts(view, K::OwnFields());
    EXPECT_EQ(view.Selection(K::kModeList), kPresetAuto);
    EXPECT_EQ(view.SelectedText(K::kCountryList), country);
    EXPECT_EQ(this->Parameters(), parameters);
    EXPECT_EQ(view.Text(K::kLoadPath), "");
  }
  // A cancelled choice, or an empty one, does nothing at all.
  for (const std::optional<std::string>& answer : {std::optional<std::string>(),
                                                  std::optional<std::string>("")}) {
    this->view.ClearMessages();
    this->view.AnswerFile(answer);
    this->view.Click(K::kLoad);
    EXPECT_THAT(this->view.Messages(), IsEmpty());
    EXPECT_EQ(this->view.FileFilters().back(), "Quelmo Files (*.dat)|*.dat|All Files (*.*)|*.*||");
  }
}

// A sound file with values the form cannot show loads with what it can, and
// the user is told which fields were odd.
TYPED_TEST(PresetFormTest, SoundFilesWithOddValuesLoadAndSaySo) {
  using K = TypeParam;
  const std::filesystem::path source = this->card.path() / "odd.dat";
  for (const auto& c : K::OddFiles()) {
    SCOPED_TRACE(c.name);
    this->Open();
    auto& view = this->view;
    WriteBytes(source, c.bytes);
    this->Load(source);
    ASSERT_THAT(view.Messages(), SizeIs(1));
    EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(source) + " was loaded"));
    for (const std::string& finding : c.findings) {
      EXPECT_THAT(view.Messages()[0].text, HasSubstr(finding));
    }
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
    EXPECT_EQ(view.SelectedText(K::kCountryList), c.country);
    EXPECT_EQ(view.SelectedText(K::kOperatorList), c.op);
    ExpectTexts(view, c.shown);
    EXPECT_EQ(view.Text(K::kLoadPath), PathToUtf8(source));
  }
  // Saved again, the file carries the preset the lists show.
  this->Open();
  WriteBytes(source, K::NoSuchOperatorFile());
  this->Load(source);
  const LoadedChoice saved = K::SavedChoice(this->PrepareAndSave());
  const LoadedChoice expected = K::NoSuchOperatorSaved();
  EXPECT_EQ(saved.country, expected.country);
  EXPECT_EQ(saved.operatorIndex, expected.operatorIndex);
  EXPECT_EQ(saved.firstParameter, expected.firstParameter);
}

}  // namespace
}  // namespace quelmo
