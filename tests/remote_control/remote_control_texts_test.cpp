#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "remote_control/remote_control_texts.h"
#include "remote_control/sms_control_mode.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;

TEST(RemoteControlTextsTest, SmsControlListByLanguage) {
  EXPECT_THAT(SmsControlEntries(1), ElementsAre("打开", "5 分钟", "30 分钟", "1 小时", "2 小时", "关闭"));
  EXPECT_THAT(SmsControlEntries(2), ElementsAre("On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Off"));
  // The original's words stand: German "Ein"/"Aus", Lithuanian "TAIP"/"NE".
  EXPECT_EQ(SmsControlEntries(3).front(), "Ein");
  EXPECT_EQ(SmsControlEntries(3).back(), "Aus");
  EXPECT_EQ(SmsControlEntries(11).front(), "TAIP");
  EXPECT_EQ(SmsControlEntries(11).back(), "NE");
  // Codes no row has show English.
  for (int language : {0, 12, -1}) {
    EXPECT_THAT(SmsControlEntries(language),
                ElementsAre("On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Off"));
  }
}

TEST(RemoteControlTextsTest, CaptionsKeepTheirExactForm) {
  EXPECT_EQ(SaveCaption(3), "Speichern");  // "Sparen" (saving money) fixed
  EXPECT_EQ(SaveCaption(10), "ファイル作成");
  EXPECT_EQ(ExitCaption(6), "Retour");
  EXPECT_EQ(SmsControlCaption(11), " SMS nuotol.valdymas");
  EXPECT_EQ(DailyLimitCaption(2), "Max Image No./ day");
  EXPECT_EQ(DailyLimitNote(1), "提示： 0 = 不限制发送张数");
  EXPECT_EQ(SelectFolderCaption(99), "Select");
}

TEST(RemoteControlTextsTest, OffIsTheEntryTheFilesStoreForIt) {
  for (int language = -1; language <= 12; ++language) {
    const auto entries = SmsControlEntries(language);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(kSmsControlOff) + 1) << language;
  }
  EXPECT_EQ(SmsControlEntries(1)[kSmsControlOff], "关闭");
  EXPECT_EQ(SmsControlEntries(9)[kSmsControlOff], "Vypnuto");
}

TEST(RemoteControlTextsTest, HintInEveryLanguage) {
  EXPECT_EQ(SmsControlHint(1), "注意：推荐设置为2小时，可以获取更长电池使用寿命");
  for (int language = 3; language <= 11; ++language) {
    EXPECT_NE(SmsControlHint(language), SmsControlHint(2)) << language;
  }
  for (int language : {2, 0, 12}) {
    EXPECT_EQ(SmsControlHint(language),
              "Note: the recommended settings for 2 hours, you can get a longer battery life")
        << language;
  }
}

}  // namespace
}  // namespace quelmo
