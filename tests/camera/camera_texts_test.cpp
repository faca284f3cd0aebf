#include "camera/camera_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

std::string Text(ControlId id, int language) {
  return std::string(CameraControlText(id, language).value_or("<kept>"));
}

// One or two texts of every language, read from the tables as the form shows
// them: a shifted column or row shows up here.
TEST(CameraTextsTest, SampleTextsOfEveryLanguage) {
  const struct {
    int language;
    const char *mode, *default_button, *select, *camera_video, *on, *off;
  } samples[] = {
      {1, "模式", "出厂设置", "选择目录", "拍照+录像", "开", "关"},
      {2, "Mode", "Default", "Select", "Camera+Video", "On", "Off"},
      {3, "Modus", "Werkseinstell.", "Auswahl", "Foto+Video", "Ein", "Aus"},
      {4, "kuvaustila", "oletusasetus.", "valitse", "kam+Video", "paalla", "pois"},
      {5, "Modo", "Imp. fabbrica.", "Seleziona", "Foto e video", "ON", "OFF"},
      {6, "Mode", "Reglage usine", "Choix", "Photo+Video", "Marche", "Arret"},
      {7, "Mod", "Gyari beall.", "Kivalaszt", "Camera+Video", "Be", "Ki"},
      {8, "Nacin", "Privzeto", "Izberi", "Slika+Video", "Vklop", "Izklop"},
      {9, "Rezim", "Reset", "Vybrat", "Foto+Video", "Zapnuto", "Vypnuto"},
      {10, "モード", "初期設定", "フォルダ選択", "静止画+動画", "オン", "オフ"},
      {11, "Rezimas", "Gamykl.nustat.", "Pasirinkti", "Foto+Video", "TAIP", "NE"},
  };
  for (const auto& s : samples) {
    SCOPED_TRACE(s.language);
    EXPECT_EQ(Text(kCameraModeLabel, s.language), s.mode);
    EXPECT_EQ(Text(kDefaultButton, s.language), s.default_button);
    EXPECT_EQ(Text(kSelectFolderButton, s.language), s.select);
    EXPECT_EQ(CameraListEntries(kCameraModeList, s.language).at(2), s.camera_video);
    EXPECT_THAT(CameraListEntries(kTimer1List, s.language), ElementsAre(s.off, s.on));
  }
  EXPECT_EQ(Text(kSyncTimeButton, 3), "Uhrzeit anfragen");
  EXPECT_EQ(Text(kSerialLabel, 6), "No de ssrie");
  EXPECT_EQ(Text(kTimeLapseLabel, 8), "Time Lapse");
  EXPECT_EQ(Text(kTimer1Label, 10), "タイマー");
}

TEST(CameraTextsTest, EveryTextControlHasATextButTheTwoLithuanianKeptOnes) {
  for (int language = 1; language <= 11; ++language) {
    for (ControlId id : CameraTextControls()) {
      const bool kept = language == 11 && (id == kTimer2StartLabel || id == kTimer2StopLabel);
      EXPECT_EQ(CameraControlText(id, language).has_value(), !kept) << language << " " << id;
    }
  }
  EXPECT_EQ(CameraControlText(kFolderEdit, 2), std::nullopt);
}

TEST(CameraTextsTest, CodesOutsideTheRangeShowEnglish) {
  for (int code : {0, -1, 12, 1033}) {
    EXPECT_THAT(CameraControlText(kSaveButton, code), Optional(std::string_view("Save")));
    EXPECT_THAT(CameraControlText(kClockGroup, code), Optional(std::string_view("System Clock")));
    EXPECT_EQ(CameraListEntries(kSenseLevelList, code),
              CameraListEntries(kSenseLevelList, 2));
    EXPECT_EQ(CameraListEntries(kVideoLengthList, code)[0], "1 Sec");
  }
}

TEST(CameraTextsTest, ListExceptions) {
  // Hungarian time stamp says "Off" where its other switches say "Ki".
  EXPECT_THAT(CameraListEntries(kTimeStampList, 7), ElementsAre("Be", "Off"));
  EXPECT_THAT(CameraListEntries(kBeepList, 7), ElementsAre("Ki", "Be"));
  // Chinese says "关闭" for the sensor's off, "关" elsewhere.
  EXPECT_THAT(CameraListEntries(kSenseLevelList, 1), ElementsAre("正常", "高", "低", "关闭"));
  EXPECT_THAT(CameraListEntries(kSenseLevelList, 3), ElementsAre("Normal", "Hoch", "Niedring", "Aus"));
  EXPECT_THAT(CameraListEntries(kPictureCountList, 1), ElementsAre("01 张", "02 张", "03 张"));
  EXPECT_THAT(CameraListEntries(kPictureCountList, 7),
              ElementsAre("01 Fenykep", "02 Fenykep", "03 Fenykep"));
  EXPECT_THAT(CameraListEntries(kPictureCountList, 10),
              ElementsAre("01 Photo", "02 Photo", "03 Photo"));
  EXPECT_THAT(CameraListEntries(kTimeLapseList, 2), ElementsAre("On", "Off"));
  EXPECT_THAT(CameraListEntries(kSdCycleList, 8), ElementsAre("Izklop", "paalla"));
  EXPECT_THAT(CameraListEntries(kSendModeList, 1), ElementsAre("关闭", "MMS", "GPRS", "SMS"));
  EXPECT_THAT(CameraListEntries(kIrLightList, 1), ElementsAre("高", "低"));
  EXPECT_THAT(CameraListEntries(kIrLightList, 10), ElementsAre("High", "Low"));
  EXPECT_EQ(Text(kIrLightLabel, 1), "LED 亮度");
  EXPECT_EQ(Text(kWorkHour2Group, 3), "Arbeitszeit");
}

TEST(CameraTextsTest, TimeAndCharacterLists) {
  const std::vector<std::string> length = CameraListEntries(kVideoLengthList, 2);
  ASSERT_EQ(length.size(), 60u);
  EXPECT_EQ(length[9], "10 Sec");
  EXPECT_EQ(length[59], "60 Sec");

  const std::vector<std::string> interval = CameraListEntries(kPirIntervalList, 2);
  ASSERT_EQ(interval.size(), 120u);
  EXPECT_EQ(interval[0], "0 Sec");
  EXPECT_EQ(interval[59], "59 Sec");
  EXPECT_EQ(interval[60], "1 Min");
  EXPECT_EQ(interval[119], "60 Min");

  const std::vector<std::string> chinese = CameraListEntries(kPirIntervalList, 1);
  EXPECT_EQ(chinese[5], "5 秒");
  EXPECT_EQ(chinese[119], "60 分");
  EXPECT_EQ(CameraListEntries(kVideoLengthList, 10)[0], "1 Sec");  // only Chinese differs

  const std::vector<std::string> chars = CameraListEntries(kSerialChar3List, 4);
  ASSERT_EQ(chars.size(), 36u);
  EXPECT_EQ(chars[9], "9");
  EXPECT_EQ(chars[10], "A");
  EXPECT_EQ(chars[35], "Z");
}

}  // namespace
}  // namespace quelmo
