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
  // The MMS window's English label keeps the camera's own spelling; the GPRS
  // window's does not share it.
  EXPECT_EQ(MmsControlText(kMmsEmailLabel, 2), "Recieve Email");
  EXPECT_EQ(MmsControlText(kMmsEmailLabel, 3), "Empfänger Email");
}

TEST(MmsTextsTest, ListsKeepTheirEntriesInEveryLanguage) {
  EXPECT_EQ(SmsControlEntries(2),
            (std::vector<std::string>{"On", "5 Min", "30 Min", "1 Hour", "2 Hour", "Off"}));
  EXPECT_EQ(MmsModeEntries(2), (std::vector<std::string>{"Auto", "Customer"}));
  EXPECT_EQ(SmsControlEntries(1),
            (std::vector<std::string>{"打开", "5 分钟", "30 分钟", "1 小时", "2 小时", "关闭"}));
  // One Chinese term for the Customer mode, in the list and as its placeholder.
  EXPECT_EQ(MmsModeEntries(1), (std::vector<std::string>{"厂家设置", "自定义"}));
  for (int language = 1; language <= 11; ++language) {
    EXPECT_EQ(SmsControlEntries(language).size(), 6u) << language;
    ASSERT_EQ(MmsModeEntries(language).size(), 2u) << language;
    // The placeholder of the lists in Customer mode names the mode as the list does.
    EXPECT_EQ(MmsCustomerPlaceholder(language), MmsModeEntries(language)[1]) << language;
  }
}

TEST(MmsTextsTest, HintsInEveryLanguageWithTheirExample) {
  EXPECT_EQ(MmsControlText(kMmsPortLabel, 10), "ポート");
  EXPECT_EQ(MmsControlText(kMmsParametersGroup, 2), "MMS Parameters");
  EXPECT_EQ(MmsControlText(kMmsParametersGroup, 1), "彩信参数");
  EXPECT_EQ(MmsPhoneHint(2), "Note\xEF\xBC\x9AThe phone number can be used as a sms control number");
  EXPECT_THAT(MmsEmailHint(1), HasSubstr("例: "));
  for (int language = 1; language <= 11; ++language) {
    EXPECT_FALSE(MmsPhoneHint(language).empty()) << language;
    EXPECT_THAT(MmsEmailHint(language), HasSubstr("name@example.com")) << language;
  }
}

}  // namespace
}  // namespace quelmo
