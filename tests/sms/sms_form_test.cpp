#include "sms/sms_form.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/framework_messages.h"
#include "platform/file_system.h"
#include "remote_control/remote_control_texts.h"
#include "sms/sms_texts.h"
#include "support/failing_file_system.h"
#include "support/fake_hint_host.h"
#include "support/form_fixture.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using quelmo::testing::ReferenceStoredCheck;
using quelmo::testing::ReferenceSwap;
using quelmo::testing::StoredCheckAt;

// A stored text record's text: its first `length` bytes swapped back.
std::string StoredText(const std::vector<std::uint8_t>& file, std::size_t record) {
  std::string text;
  for (std::size_t i = 0; i < file.at(record * 60 + 57); ++i) {
    text += static_cast<char>(ReferenceSwap(file[record * 60 + i]));
  }
  return text;
}

class SmsFormTest : public FormFixture<SmsForm> {
 protected:
  // Types the numbers in order, as the chaining lets a user.
  void TypeNumbers(const std::string& one, const std::string& two = "",
                   const std::string& three = "") {
    view.Type(kSmsPhone1Edit, one);
    if (!two.empty()) view.Type(kSmsPhone2Edit, two);
    if (!three.empty()) view.Type(kSmsPhone3Edit, three);
  }

  std::filesystem::path SmsFile() const { return home.path() / "sms.dat"; }

  std::vector<std::uint8_t> SaveAndRead() { return FormFixture::SaveAndRead(kSmsSaveButton, "sms.dat"); }
};

TEST_F(SmsFormTest, OpensWithNumberOneOnlyAndTheScheduleOffInEveryLanguage) {
  struct Case {
    int language;
    std::string phone1, off;
  };
  std::vector<Case> cases = {
      {1, "手机号码 1", "关闭"}, {2, "Phone Number 1", "Off"},
      {0, "Phone Number 1", "Off"},  // a code no row has: English
  };
  // The other languages from their catalogues: the label on its control, and
  // "Off" (the list's last entry) chosen.
  for (int language = 3; language <= 11; ++language) {
    cases.push_back({language, std::string(SmsControlText(kSmsPhone1Label, language).value_or("")),
                     SmsControlEntries(language).back()});
  }
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    OpenForm(c.language);
    EXPECT_EQ(view.Title(), "Quelmo K300X");
    EXPECT_EQ(view.Text(kSmsPhone1Label), c.phone1);
    EXPECT_EQ(view.Items(kSmsControlList).size(), 6u);
    EXPECT_EQ(view.SelectedText(kSmsControlList), c.off);
    EXPECT_FALSE(view.IsReadOnly(kSmsPhone1Edit));
    EXPECT_TRUE(view.IsReadOnly(kSmsPhone2Edit));
    EXPECT_TRUE(view.IsReadOnly(kSmsPhone3Edit));
    EXPECT_EQ(view.ByteLimit(kSmsPhone3Edit), 32);
    EXPECT_EQ(view.Text(kSmsDailyLimitEdit), "0");
  }
  OpenForm(kEnglish);
  EXPECT_EQ(view.Text(kSmsPhone3Label), "Phone Number 3");
  EXPECT_EQ(view.Text(kSmsSaveButton), "Save");
  EXPECT_EQ(view.Text(kSmsFolderEdit), PathToUtf8(home.path()));
}

TEST_F(SmsFormTest, HintsOnNumberOneAndTheSchedule) {
  OpenForm(kChinese);
  FakeHintHost host;
  BalloonHint& hint = *form->Hint();
  hint.Attach(&host);
  EXPECT_EQ(hint.width, 200);
  EXPECT_EQ(hint.fillColour, Rgb(213, 253, 224));
  EXPECT_EQ(hint.frameColour, Rgb(0, 106, 53));
  hint.RelayEvent({HintEventKind::kLeftButtonDown, {10, 10}, kSmsPhone1Edit});
  EXPECT_EQ(hint.Text(), "注意：手机号码1可以作为远程短信控制号码");
  hint.RelayEvent({HintEventKind::kLeftButtonDown, {10, 50}, kSmsControlList});
  EXPECT_EQ(hint.Text(), "注意：推荐设置为2小时，可以获取更长电池使用寿命");
  hint.Attach(nullptr);
}

TEST_F(SmsFormTest, NumbersAreEnteredInOrder) {
  OpenForm();
  const struct {
    ControlId edit;
    const char *typed, *shown2, *shown3;
    bool open2, open3;
  } steps[] = {
      {kSmsPhone1Edit, "1234", "", "", false, false},
      {kSmsPhone1Edit, "12345", "", "", true, false},
      {kSmsPhone2Edit, "6789", "6789", "", true, false},
      {kSmsPhone2Edit, "67890", "67890", "", true, true},
      {kSmsPhone3Edit, "55555", "67890", "55555", true, true},
      {kSmsPhone1Edit, "123456", "67890", "55555", true, true},
      // Shortening number 2 empties and locks number 3 only...
      {kSmsPhone2Edit, "678", "678", "", true, false},
      {kSmsPhone2Edit, "67890", "67890", "", true, true},
      {kSmsPhone3Edit, "55555", "67890", "55555", true, true},
      // ...shortening number 1 to 4 bytes empties and locks both.
      {kSmsPhone1Edit, "1234", "", "", false, false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.typed);
    view.Type(step.edit, step.typed);
    EXPECT_EQ(view.Text(kSmsPhone2Edit), step.shown2);
    EXPECT_EQ(view.Text(kSmsPhone3Edit), step.shown3);
    EXPECT_EQ(view.IsReadOnly(kSmsPhone2Edit), !step.open2);
    EXPECT_EQ(view.IsReadOnly(kSmsPhone3Edit), !step.open3);
  }
  EXPECT_TRUE(view.Messages().empty());
}

TEST_F(SmsFormTest, SaveChecksInOrder) {
  const struct {
    int language;
    const char *one, *two, *three;
    const char* message;  // nullptr: saved
  } cases[] = {
      {2, "12345", "", "", nullptr},
      {2, "+1234567", "", "", nullptr},
      {2, "+123-4567", "", "", "Please check the phone number"},
      {2, "123", "", "", "Phone No1. Error"},
      {2, "12345", "1234", "", "Phone No2. Error"},
      {2, "12345", "12345", "1", "Phone No3. Error"},
      {2, "12345", "1234a", "", "Please check the phone number"},
      // Number 3 is held to digits and "+" like the others.
      {2, "12345", "67890", "555a5", "Please check the phone number"},
      {2, "12345", "67890", "+55+5", nullptr},
      {1, "", "", "", "手机号码1错误"},
      {1, "12345", "1234", "", "手机号码2错误"},
      {1, "12345", "12345", "12", "手机号码3错误"},
      {1, "12a45", "", "", "请检查手机号码是否输入正确"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.one) + " / " + c.two + " / " + c.three);
    std::filesystem::remove(SmsFile());
    OpenForm(c.language);
    TypeNumbers(c.one, c.two, c.three);
    const std::vector<std::uint8_t> file = SaveAndRead();
    ASSERT_EQ(view.Messages().size(), 1u);
    EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kApp);
    if (c.message == nullptr) {
      EXPECT_EQ(file.size(), 300u);
      EXPECT_THAT(view.Messages()[0].text, HasSubstr("Save SMS configuration file"));
    } else {
      EXPECT_TRUE(file.empty());
      EXPECT_EQ(view.Messages()[0].text, c.message);
    }
  }
}

TEST_F(SmsFormTest, SavedFileHoldsTheNumbersTheLimitAndTheSchedule) {
  OpenForm(kChinese);  // the camera told to speak Chinese
  TypeNumbers("+8613800138000", "13900139000", "12345");
  view.Type(kSmsDailyLimitEdit, "7");
  view.Pick(kSmsControlList, 4);  // "2 Hour"
  const std::vector<std::uint8_t> file = SaveAndRead();
  ASSERT_EQ(file.size(), 300u);
  // Header, nibbles swapped: 0, 0, schedule 4, 7 as tens 0 and units 7, language 1.
  EXPECT_THAT(std::vector<std::uint8_t>(file.begin(), file.begin() + 6),
              ElementsAre(0, 0, 0x40, 0x00, 0x70, 0x10));
  EXPECT_EQ(file[50], 1);
  EXPECT_EQ(StoredText(file, 1), "+8613800138000");
  EXPECT_EQ(StoredText(file, 2), "13900139000");
  EXPECT_EQ(StoredText(file, 3), "12345");
  // The last record holds only the check value and CR LF.
  EXPECT_EQ(StoredCheckAt(file, 240), ReferenceStoredCheck(std::span(file).first(240)));
  for (std::size_t i = 240; i < 296; ++i) EXPECT_EQ(file[i], 0) << i;
  EXPECT_THAT(std::vector<std::uint8_t>(file.begin() + 298, file.end()), ElementsAre(0x0D, 0x0A));
  EXPECT_FALSE(std::filesystem::exists(home.path() / "setup.dat"));
  EXPECT_THAT(view.Messages().at(0).text, HasSubstr(PathToUtf8(SmsFile())));

  // Number 1 alone: records 2 and 3 are empty. A list left without an entry
  // (never so on screen) is written as "Off", not 0xFF.
  view.Type(kSmsPhone1Edit, "1234");
  view.Type(kSmsPhone1Edit, "54321");
  view.Pick(kSmsControlList, -1);
  const std::vector<std::uint8_t> alone = SaveAndRead();
  EXPECT_EQ(StoredText(alone, 1), "54321");
  EXPECT_EQ(alone.at(120 + 57), 0);
  EXPECT_EQ(alone.at(180 + 57), 0);
  EXPECT_EQ(alone.at(2), 0x50);
}

TEST_F(SmsFormTest, AFailedOrCorruptedSaveIsReportedNeverConfirmed) {
  FailingFileSystem counting(SystemFileSystem());
  OpenForm(kEnglish, counting);
  TypeNumbers("12345");
  view.Click(kSmsSaveButton);
  const std::size_t steps = counting.step_count();
  for (const Fault fault : {Fault::kFail, Fault::kCorrupt}) {
    for (std::size_t step = 1; step <= steps; ++step) {
      // A write is checked only where it is read back.
      if (fault == Fault::kCorrupt && counting.steps()[step - 1].step == FileStep::kWrite &&
          !ReadAgainLater(counting.steps(), step)) {
        continue;
      }
      FailingFileSystem files(SystemFileSystem());
      files.FaultAt(step, fault);
      OpenForm(kEnglish, files);
      TypeNumbers("12345");
      view.Click(kSmsSaveButton);
      SCOPED_TRACE(files.Describe(step));
      ASSERT_EQ(view.Messages().size(), 1u);
      EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
      EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(home.path())));
      EXPECT_THAT(view.Messages()[0].text, Not(HasSubstr("Save SMS configuration file")));
    }
  }
}

const FormSaving kSmsSaving{kSmsSaveButton, "sms.dat",
                            [](FakeView& view) { view.Type(kSmsPhone1Edit, "12345"); },
                            [](FakeView& view) { view.Pick(kSmsControlList, 2); }};

TEST_F(SmsFormTest, DailyLimitAndFolderAreWired) {
  // Tens 0 and units 7, each with its halves exchanged.
  ExpectIntegerEditWired(
      {kSmsDailyLimitEdit, 99, RangeWording::kFramework, {{3, 0x00}, {4, 0x70}}}, kSmsSaving);
  ExpectFolderFieldWired(kSmsFolderEdit, kSmsSelectFolderButton, kSmsSaving);
}

TEST_F(SmsFormTest, SavesStayAndExitGoesBack) {
  OpenForm();
  TypeNumbers("12345");
  EXPECT_EQ(view.Click(kSmsSaveButton), Next::kStay);
  EXPECT_EQ(view.Click(kSmsSaveButton), Next::kStay);
  EXPECT_EQ(view.Click(kIdCancel), Next::kLauncher);  // Exit, Esc and the close box
}

}  // namespace
}  // namespace quelmo
