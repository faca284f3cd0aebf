#include "mms/mms_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(MmsTextsTest, EveryControlHasATextInEveryLanguage) {
  for (int language = 0; language <= 12; ++language) {
    for (ControlId id : MmsTextControls()) {
      const auto text = MmsControlText(id, language);
      ASSERT_TRUE(text.has_value()) << id << " in " << language;
      EXPECT_FALSE(text->empty()) << id << " in " << language;
    }
  }
  EXPECT_EQ(MmsTextControls().size(), 21u);
  EXPECT_FALSE(MmsControlText(kMmsUrlEdit, 2).has_value());
}

TEST(MmsTextsTest, LanguagesOutsideTheTablesShowEnglish) {
  for (int language : {0, 12, -3}) {
    for (ControlId id : MmsTextControls()) {
      EXPECT_EQ(MmsControlText(id, language), MmsControlText(id, 2)) << id;
    }
    EXPECT_EQ(MmsSmsControlEntries(language), MmsSmsControlEntries(2));
    EXPECT_EQ(MmsModeEntries(language), MmsModeEntries(2));
  }
}

TEST(MmsTextsTest, ListsByLanguage) {
  const struct {
    int language;
    std::vector<std::string> sms;
    std::vector<std::string> modes;
    const char* placeholder;
  } cases[] = {
      {1, {"打开", "5 分钟", "30 分钟", "1 小时", "2 小时", "关闭"}, {"厂家设置", "客户自定义"}, "自定义"},
      {2, {"On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Off"}, {"Auto", "Customer"}, "Customer"},
      {3, {"Ein", "5 Min", "30 Min", "1 Hour", "2 Hour", "Aus"}, {"Auto", "Manuell"}, "Customer"},
      {9, {"On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Vypnuto"}, {"Automaticky", "Rucne"}, "Customer"},
      {11, {"On", "5 Min", "30 Min", "1 Hour", "2 Hour", "NE"}, {"Auto", "Customer"}, "Customer"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MmsSmsControlEntries(c.language), c.sms) << c.language;
    EXPECT_EQ(MmsModeEntries(c.language), c.modes) << c.language;
    EXPECT_EQ(MmsCustomerPlaceholder(c.language), c.placeholder) << c.language;
  }
}

TEST(MmsTextsTest, HintsAndParametersBoxAreChineseOrEnglish) {
  // Japanese labels, but the hints and the parameters box are English.
  EXPECT_EQ(MmsControlText(kMmsPortLabel, 10), "ポート");
  for (int language : {2, 3, 10, 11}) {
    EXPECT_EQ(MmsControlText(kMmsParametersGroup, language), "MMS Parameters");
    EXPECT_EQ(MmsPhoneHint(language),
              "Note\xEF\xBC\x9AThe phone number can be used as a sms control number");
    EXPECT_THAT(std::string(MmsEmailHint(language)), HasSubstr("Ex: "));
  }
  EXPECT_EQ(MmsControlText(kMmsParametersGroup, 1), "彩信参数");
  EXPECT_THAT(std::string(MmsEmailHint(1)), HasSubstr("例: "));
}

TEST(MmsTextsTest, MessagesByLanguage) {
  EXPECT_EQ(MmsPhoneTooLongMessage(2), "The max number of phone 32!");
  EXPECT_EQ(MmsPhoneTooLongMessage(1), "支持最大手机号码位数 32!");
  EXPECT_EQ(MmsSavedConfirmation(3), "Save All Parameters To MMS Setting File");
  EXPECT_EQ(MmsSavedConfirmation(1), "彩信设置文件已保存");
  EXPECT_THAT(MmsOperatorNotOfferedReason(2, 3, 2), HasSubstr("Brazil"));
  EXPECT_THAT(MmsWrongSizeReason(300, 2), HasSubstr("300"));
}

}  // namespace
}  // namespace quelmo
