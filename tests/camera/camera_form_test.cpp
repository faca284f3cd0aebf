#include "camera/camera_form.h"
#include "camera/camera_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "support/form_fixture.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::Not;

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& bytes, std::size_t from,
                                std::size_t to) {
  return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
          bytes.begin() + static_cast<std::ptrdiff_t>(to) + 1};
}

constexpr ControlId kAllTimeEdits[] = {1017, 1022, 1023, 1024, 1038, 1039,
                                       1040, 1042, 1045, 1046, 1047};

class CameraFormTest : public FormFixture<CameraForm> {
 protected:
  std::vector<std::uint8_t> SaveAndRead() { return FormFixture::SaveAndRead(kSaveButton, "camera.dat"); }

  std::string MessageTexts() const {
    std::string all;
    for (const ShownMessage& message : view.Messages()) all += message.text + "\n";
    return all;
  }
};

TEST_F(CameraFormTest, OpensAtTheInitialValues) {
  OpenForm();
  EXPECT_EQ(view.Title(), "Quelmo K300X");
  const std::pair<ControlId, const char*> shown[] = {
      {1013, "Camera"},   {1014, "12MP"},  {1015, "1280x720"}, {1016, "01 Photo"},
      {1026, "On"},       {1027, "Normal"}, {1028, "On"},      {1043, "10 Sec"},
      {1044, "1 Min"},    {1025, "Off"},   {1048, "Off"},      {1032, "Off"},
      {1033, "Off"},      {1049, "Off"},   {1050, "High"},     {1051, "Off"},
      {1034, "0"},        {1035, "0"},     {1036, "0"},        {1037, "0"},
  };
  for (const auto& [list, text] : shown) EXPECT_EQ(view.SelectedText(list), text) << list;
  for (ControlId list : {1034, 1035, 1036, 1037}) EXPECT_FALSE(view.IsEnabled(list)) << list;
  for (ControlId edit : kAllTimeEdits) {
    EXPECT_EQ(view.Text(edit), "0") << edit;
    EXPECT_TRUE(view.IsReadOnly(edit)) << edit;
  }
  EXPECT_EQ(view.Text(kClockEdit), "03/07/2012 14:05:09 MM/DD/YY");
  EXPECT_EQ(view.Text(kFolderEdit), PathToUtf8(home.path()));
  EXPECT_EQ(view.CharacterLimit(kFolderEdit), 80);
  EXPECT_TRUE(view.Messages().empty());
}

TEST_F(CameraFormTest, InitialFormWritesTheInitialRecord) {
  state.tvMode = 0x0105;  // only its low byte is written
  OpenForm(kGerman);
  const std::vector<std::uint8_t> file = SaveAndRead();
  ASSERT_EQ(file.size(), 180u);
  EXPECT_THAT(Slice(file, 0, 13), ElementsAre(0, 0, 0, 0, 9, 0, 1, 0, 0, 1, 1, 0, 0, 0));
  EXPECT_THAT(Slice(file, 14, 19), ElementsAre(2, 3, 7, 14, 5, 9));
  EXPECT_THAT(Slice(file, 20, 28), ElementsAreArray(std::vector<std::uint8_t>(9, 0)));
  EXPECT_EQ(file[29], kGerman);
  EXPECT_EQ(file[30], 0x05);
  EXPECT_THAT(Slice(file, 31, 55), ElementsAreArray(std::vector<std::uint8_t>(25, 0)));
  EXPECT_EQ(testing::StoredCheckAt(file, 0),
            testing::ReferenceStoredCheck(std::span(file).first(50)));
  EXPECT_THAT(Slice(file, 58, 59), ElementsAre(0x0D, 0x0A));
  EXPECT_THAT(Slice(file, 118, 119), ElementsAre(0x0D, 0x0A));
  EXPECT_EQ(view.Messages().back().text,
            CameraSavedMessage(kGerman) + "\n" + PathToUtf8(home.path() / "camera.dat"));
}

TEST_F(CameraFormTest, ChineseTellsTheCameraChinese) {
  OpenForm(kChinese);
  EXPECT_EQ(SaveAndRead()[29], 1);
}

TEST_F(CameraFormTest, ListsAreWrittenAsTheyStand) {
  OpenForm();
  view.Pick(kPirIntervalList, 0);  // "0 Sec"
  view.Pick(kSerialList, 1);
  view.Pick(kSerialChar1List, 10);  // "A"
  view.Pick(kSerialChar3List, 35);  // "Z"
  view.Pick(kSerialChar4List, 9);
  view.Pick(kSendModeList, 3);
  const std::vector<std::uint8_t> file = SaveAndRead();
  EXPECT_EQ(file[6], 0x80);
  EXPECT_THAT(Slice(file, 24, 28), ElementsAre(1, 10, 0, 35, 9));
  EXPECT_EQ(file[38], 3);
}

TEST_F(CameraFormTest, SwitchesMakeTheirFieldsEditableAndKeepValuesWhenOff) {
  OpenForm();
  view.Pick(kTimer1List, 1);
  for (ControlId edit : {1017, 1022, 1023, 1024}) EXPECT_FALSE(view.IsReadOnly(edit)) << edit;
  EXPECT_TRUE(view.IsReadOnly(1042));
  view.Type(kTimer1StartHourEdit, "6");
  view.Type(kTimer1StopMinuteEdit, "45");
  view.Pick(kTimer1List, 0);
  for (ControlId edit : {1017, 1022, 1023, 1024}) EXPECT_TRUE(view.IsReadOnly(edit)) << edit;
  EXPECT_EQ(view.Text(kTimer1StartHourEdit), "6");

  view.Pick(kTimer2List, 1);
  for (ControlId edit : {1042, 1045, 1046, 1047}) EXPECT_FALSE(view.IsReadOnly(edit)) << edit;
  view.Type(kTimer2StartHourEdit, "22");

  view.Pick(kTimeLapseList, 0);  // "On" comes first in this list
  for (ControlId edit : {1038, 1039, 1040}) EXPECT_FALSE(view.IsReadOnly(edit)) << edit;
  view.Type(kTimeLapseSecondsEdit, "30");
  view.Pick(kTimeLapseList, 1);
  for (ControlId edit : {1038, 1039, 1040}) EXPECT_TRUE(view.IsReadOnly(edit)) << edit;

  view.Pick(kSerialList, 1);
  for (ControlId list : {1034, 1035, 1036, 1037}) EXPECT_TRUE(view.IsEnabled(list)) << list;
  view.Pick(kSerialList, 0);
  for (ControlId list : {1034, 1035, 1036, 1037}) EXPECT_FALSE(view.IsEnabled(list)) << list;

  // Switched off or not, the values are written.
  const std::vector<std::uint8_t> file = SaveAndRead();
  EXPECT_EQ(file[8], 0);   // timer 1 off
  EXPECT_EQ(file[10], 1);  // time lapse off
  EXPECT_EQ(file[13], 30);
  EXPECT_THAT(Slice(file, 20, 23), ElementsAre(6, 0, 0, 45));
  EXPECT_EQ(file[31], 1);
  EXPECT_EQ(file[32], 22);
  EXPECT_TRUE(view.Messages().size() == 1) << MessageTexts();
}

TEST_F(CameraFormTest, SaveWritesTheClockOfTheLastSampling) {
  OpenForm();
  const std::vector<std::uint8_t> first = SaveAndRead();
  clock.now = {2013, 12, 31, 23, 59, 58};
  const std::vector<std::uint8_t> second = SaveAndRead();
  EXPECT_EQ(Slice(first, 14, 19), Slice(second, 14, 19));

  view.Click(kSyncTimeButton);
  EXPECT_EQ(view.Text(kClockEdit), "12/31/2013 23:59:58 MM/DD/YY");
  EXPECT_THAT(Slice(SaveAndRead(), 14, 19), ElementsAre(3, 12, 31, 23, 59, 58));

  clock.now.year = 2040;  // beyond the camera's last year
  view.Click(kSyncTimeButton);
  EXPECT_EQ(SaveAndRead()[14], 21);
  EXPECT_EQ(form->CollectCameraSettings().clockYear, 2031);
}

TEST_F(CameraFormTest, DefaultRestoresTheInitialStateAndWritesTheDefaultFile) {
  OpenForm();
  view.Pick(kCameraModeList, 2);
  view.Pick(kBeepList, 0);
  view.Pick(kTimer1List, 1);
  view.Type(kTimer1StopHourEdit, "18");
  view.Pick(kSerialList, 1);
  view.Pick(kSerialChar2List, 20);
  clock.now = {2020, 1, 1, 0, 0, 0};  // not sampled by Default
  view.AnswerFolder(PathToUtf8(card.path()));
  view.Click(kSelectFolderButton);
  view.ClearMessages();

  EXPECT_EQ(view.Click(kDefaultButton), Next::kStay);
  EXPECT_EQ(view.SelectedText(kCameraModeList), "Camera");
  EXPECT_EQ(view.SelectedText(kBeepList), "On");
  EXPECT_EQ(view.SelectedText(kTimer1List), "Off");
  EXPECT_EQ(view.SelectedText(kSerialChar2List), "0");
  EXPECT_EQ(view.Selection(kPirIntervalList), 60);
  EXPECT_EQ(view.Selection(kVideoLengthList), 9);
  for (ControlId edit : kAllTimeEdits) {
    EXPECT_EQ(view.Text(edit), "0") << edit;
    EXPECT_TRUE(view.IsReadOnly(edit)) << edit;
  }
  EXPECT_FALSE(view.IsEnabled(kSerialChar1List));
  EXPECT_EQ(view.Text(kClockEdit), "03/07/2012 14:05:09 MM/DD/YY");
  EXPECT_EQ(view.Text(kFolderEdit), PathToUtf8(card.path()));

  std::vector<std::uint8_t> expected(180, 0);
  for (int i = 0; i < 4; ++i) expected[static_cast<std::size_t>(i)] = 0x7F;
  expected[56] = 0x64;
  expected[57] = 0x88;
  expected[58] = expected[118] = 0x0D;
  expected[59] = expected[119] = 0x0A;
  EXPECT_EQ(ReadBytes(card.path() / "camera.dat"), expected);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_EQ(view.Messages()[0].text, "Save All Default Parameters To Camera Setting File\n" +
                                        PathToUtf8(card.path() / "camera.dat"));
  EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kApp);
}

const FormSaving kCameraSaving{kSaveButton, "camera.dat", [](FakeView&) {},
                               [](FakeView& view) { view.Pick(kCameraModeList, 1); }};

// Each time edit is its own IntegerEdit with its range and wording (working
// window 2 has the framework's check), editable once its switch is on.
TEST_F(CameraFormTest, TimeEditsAreWiredToTheirRangeAndBytes) {
  const auto on = [](ControlId list, int index) {
    return [list, index](FakeView& view) { view.Pick(list, index); };
  };
  constexpr auto kProgram = RangeWording::kProgram;
  constexpr auto kFramework = RangeWording::kFramework;
  const IntegerEditWiring edits[] = {
      {kTimeLapseHoursEdit, 23, kProgram, {{11, 7}}, on(kTimeLapseList, 0)},
      {kTimeLapseMinutesEdit, 59, kProgram, {{12, 7}}, on(kTimeLapseList, 0)},
      {kTimeLapseSecondsEdit, 59, kProgram, {{13, 7}}, on(kTimeLapseList, 0)},
      {kTimer1StartHourEdit, 23, kProgram, {{20, 7}}, on(kTimer1List, 1)},
      {kTimer1StartMinuteEdit, 59, kProgram, {{21, 7}}, on(kTimer1List, 1)},
      {kTimer1StopHourEdit, 23, kProgram, {{22, 7}}, on(kTimer1List, 1)},
      {kTimer1StopMinuteEdit, 59, kProgram, {{23, 7}}, on(kTimer1List, 1)},
      {kTimer2StartHourEdit, 23, kFramework, {{32, 7}}, on(kTimer2List, 1)},
      {kTimer2StartMinuteEdit, 59, kFramework, {{33, 7}}, on(kTimer2List, 1)},
      {kTimer2StopHourEdit, 23, kFramework, {{34, 7}}, on(kTimer2List, 1)},
      {kTimer2StopMinuteEdit, 59, kFramework, {{35, 7}}, on(kTimer2List, 1)},
  };
  static_assert(std::size(edits) == std::size(kAllTimeEdits));
  for (const IntegerEditWiring& edit : edits) ExpectIntegerEditWired(edit, kCameraSaving);
}

TEST_F(CameraFormTest, FolderFieldIsWired) {
  ExpectFolderFieldWired(kFolderEdit, kSelectFolderButton, kCameraSaving);
}

TEST_F(CameraFormTest, DefaultWritesIntoTheFolderOnScreen) {
  OpenForm();
  view.SetText(kFolderEdit, PathToUtf8(card.path()));  // typed, no event
  view.Click(kDefaultButton);
  EXPECT_EQ(ReadBytes(card.path() / "camera.dat").at(0), 0x7F);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "camera.dat"));
}

TEST_F(CameraFormTest, FailedWriteIsReportedInsteadOfConfirmed) {
  OpenForm();
  const std::string missing = PathToUtf8(card.path() / "no-such-folder");
  view.Type(kFolderEdit, missing);
  view.ClearMessages();
  view.Click(kSaveButton);
  ASSERT_EQ(view.Messages().size(), 1u);
  EXPECT_EQ(view.Messages()[0].icon, MessageIcon::kWarning);
  EXPECT_THAT(view.Messages()[0].text, HasSubstr(PathToUtf8(PathFromUtf8(missing) / "camera.dat") + " was not saved:"));
  EXPECT_THAT(view.Messages()[0].text, HasSubstr("does not exist"));
  EXPECT_THAT(view.Messages()[0].text, Not(HasSubstr("Save All")));
  view.Click(kDefaultButton);
  EXPECT_THAT(view.Messages().at(1).text, HasSubstr(missing));
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(CameraFormTest, ChineseClockMessagesAndTimeLists) {
  OpenForm(kChinese);
  EXPECT_EQ(view.Text(kClockEdit), "03/07/2012 14:05:09 月/日/年");
  EXPECT_EQ(view.SelectedText(kVideoLengthList), "10 秒");
  EXPECT_EQ(view.SelectedText(kPirIntervalList), "1 分");
  view.Click(kSaveButton);
  view.Click(kDefaultButton);
  ASSERT_EQ(view.Messages().size(), 2u);
  EXPECT_EQ(view.Messages()[0].text, "相机菜单设置文件已经保存\n" + PathToUtf8(home.path() / "camera.dat"));
  EXPECT_EQ(view.Messages()[1].text, "相机初始化设置文件已经保存\n" + PathToUtf8(home.path() / "camera.dat"));

  view.Type(kFolderEdit, PathToUtf8(card.path() / "missing"));
  view.Click(kSaveButton);
  // The reason too reads in Chinese, ahead of the system's own detail.
  EXPECT_THAT(view.Messages().at(2).text, HasSubstr("未能保存"));
  EXPECT_THAT(view.Messages().at(2).text, HasSubstr("camera.dat：文件夹不存在。\n（"));
}

TEST_F(CameraFormTest, UnitLabelsByLanguage) {
  const ControlId hours[] = {1118, 1119, 1120, 1121, 1126};
  const ControlId minutes[] = {1122, 1123, 1124, 1125, 1127};
  const struct {
    int language;
    const char *hour, *minute, *second;
  } cases[] = {{kChinese, "时", "分", "秒"},
               {kJapanese, "時", "分", "秒"},
               {kEnglish, "Hour", "Min", "Sec"}};
  for (const auto& c : cases) {
    OpenForm(c.language);
    for (ControlId id : hours) EXPECT_EQ(view.Text(id), c.hour) << c.language << " " << id;
    for (ControlId id : minutes) EXPECT_EQ(view.Text(id), c.minute) << c.language << " " << id;
    EXPECT_EQ(view.Text(1128), c.second) << c.language;
  }
}

TEST_F(CameraFormTest, JapaneseAndLithuanianPeculiarities) {
  OpenForm(kJapanese);
  EXPECT_EQ(view.Text(kSaveButton), "ファイル作成");
  EXPECT_EQ(view.SelectedText(kPictureCountList).rfind("01", 0), 0u);  // the count leads

  // Both working windows take the same words, in Lithuanian too (the
  // original left the second one's to the English template).
  view.SetText(kTimer2StartLabel, "Start:");
  view.SetText(kTimer2StopLabel, "Stop:");
  OpenForm(kLithuanian);
  EXPECT_EQ(view.Text(kTimer1StartLabel), "Pradėti:");
  EXPECT_EQ(view.Text(kTimer2StartLabel), view.Text(kTimer1StartLabel));
  EXPECT_EQ(view.Text(kTimer2StopLabel), view.Text(kTimer1StopLabel));
}

TEST_F(CameraFormTest, SwitchListsOpenOnTheirInitialWordsInEveryLanguage) {
  for (int language = 1; language <= 11; ++language) {
    OpenForm(language);
    const std::vector<std::string> beep = view.Items(kBeepList);        // off, on
    const std::vector<std::string> lapse = view.Items(kTimeLapseList);  // on, off
    ASSERT_EQ(beep.size(), 2u);
    ASSERT_EQ(lapse.size(), 2u);
    EXPECT_EQ(view.SelectedText(kBeepList), lapse[0]) << language;
    EXPECT_EQ(view.SelectedText(kTimeLapseList), beep[0]) << language;
  }
}

TEST_F(CameraFormTest, ExitReturnsToTheLauncher) {
  OpenForm();
  EXPECT_EQ(view.Click(kExitButton), Next::kLauncher);
  EXPECT_FALSE(std::filesystem::exists(home.path() / "camera.dat"));
}

}  // namespace
}  // namespace quelmo
