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

// The texts come from the catalogues; these samples check that each control
// and list asks for the right English text (and context) in them.
TEST(CameraTextsTest, SampleTextsInChineseAndEnglish) {
  const struct {
    int language;
    const char *mode, *default_button, *select, *camera_video, *on, *off;
  } samples[] = {
      {1, "模式", "出厂设置", "选择目录", "拍照+录像", "开", "关"},
      {2, "Mode", "Default", "Select", "Camera+Video", "On", "Off"},
      {3, "Modus", "Werkseinstell.", "Auswahl", "Foto+Video", "Ein", "Aus"},
  };
  for (const auto& s : samples) {
    SCOPED_TRACE(s.language);
    EXPECT_EQ(Text(kCameraModeLabel, s.language), s.mode);
    EXPECT_EQ(Text(kDefaultButton, s.language), s.default_button);
    EXPECT_EQ(Text(kSelectFolderButton, s.language), s.select);
    EXPECT_EQ(CameraListEntries(kCameraModeList, s.language).at(2), s.camera_video);
    EXPECT_THAT(CameraListEntries(kTimer1List, s.language), ElementsAre(s.off, s.on));
  }
  EXPECT_EQ(Text(kSaveButton, 3), "Speichern");  // "Sparen" was saving money
}

// Every language shows a text on every text control, and every list has as
// many entries as in English: the camera stores positions, not texts.
TEST(CameraTextsTest, EveryLanguageHasEveryTextAndEveryEntry) {
  for (int language = 1; language <= 11; ++language) {
    SCOPED_TRACE(language);
    for (ControlId id : CameraTextControls()) {
      const auto text = CameraControlText(id, language);
      ASSERT_TRUE(text.has_value()) << id;
      EXPECT_FALSE(text->empty()) << id;
    }
    for (ControlId list : CameraLists()) {
      const std::vector<std::string> entries = CameraListEntries(list, language);
      EXPECT_EQ(entries.size(), CameraListEntries(list, 2).size()) << list;
      for (const std::string& entry : entries) EXPECT_FALSE(entry.empty()) << list;
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

TEST(CameraTextsTest, SwitchesAndStatesAreToldApart) {
  // Chinese says "关"/"开" in the switch lists, "关闭"/"打开" in the lists of a state.
  EXPECT_THAT(CameraListEntries(kBeepList, 1), ElementsAre("关", "开"));
  EXPECT_THAT(CameraListEntries(kTimeStampList, 1), ElementsAre("开", "关"));
  EXPECT_THAT(CameraListEntries(kSenseLevelList, 1), ElementsAre("正常", "高", "低", "关闭"));
  EXPECT_THAT(CameraListEntries(kSdCycleList, 1), ElementsAre("关闭", "打开"));
  EXPECT_THAT(CameraListEntries(kSendModeList, 1), ElementsAre("关闭", "MMS", "GPRS", "SMS"));
  EXPECT_THAT(CameraListEntries(kSenseLevelList, 2), ElementsAre("Normal", "High", "Low", "Off"));
  EXPECT_THAT(CameraListEntries(kPictureCountList, 1), ElementsAre("01 张", "02 张", "03 张"));
  EXPECT_THAT(CameraListEntries(kPictureCountList, 2),
              ElementsAre("01 Photo", "02 Photo", "03 Photo"));
  EXPECT_THAT(CameraListEntries(kTimeLapseList, 2), ElementsAre("On", "Off"));
  EXPECT_THAT(CameraListEntries(kIrLightList, 1), ElementsAre("高", "低"));
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

  const std::vector<std::string> chars = CameraListEntries(kSerialChar3List, 4);
  ASSERT_EQ(chars.size(), 36u);
  EXPECT_EQ(chars[9], "9");
  EXPECT_EQ(chars[10], "A");
  EXPECT_EQ(chars[35], "Z");
}

}  // namespace
}  // namespace quelmo
