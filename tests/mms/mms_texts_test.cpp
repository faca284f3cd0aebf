#include "mms/mms_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "remote_control/remote_control_texts.h"

namespace quelmo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(MmsTextsTest, EveryControlHasATextAndUnknownCodesShowEnglish) {
  EXPECT_EQ(MmsTextControls().size(), 21u);
  for (int language = -1; language <= 12; ++language) {
    const int shown = language >= 1 && language <= 11 ? language : 2;
    for (ControlId id : MmsTextControls()) {
      const auto text = MmsControlText(id, language);
      ASSERT_TRUE(text.has_value() && !text->empty()) << id << " in " << language;
      EXPECT_EQ(text, MmsControlText(id, shown));
    }
    EXPECT_EQ(SmsControlEntries(language), SmsControlEntries(shown));
    EXPECT_EQ(MmsModeEntries(language), MmsModeEntries(shown));
  }
  EXPECT_FALSE(MmsControlText(kMmsUrlEdit, 2).has_value());
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
    EXPECT_EQ(SmsControlEntries(c.language), c.sms) << c.language;
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

}  // namespace
}  // namespace quelmo
