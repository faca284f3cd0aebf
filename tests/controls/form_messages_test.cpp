#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "controls/field_integer.h"
#include "controls/folder_field.h"
#include "controls/form_messages.h"
#include "controls/framework_messages.h"
#include "platform/file_system.h"

namespace quelmo {
namespace {

using ::testing::HasSubstr;

TEST(FieldIntegerTest, ReadsWhatTheFieldHolds) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"42", 42},       {" 7\t", 7},    {"+5", 5},          {"-5", -5},
      {"", std::nullopt}, {"-", std::nullopt}, {"1a", std::nullopt}, {"1 2", std::nullopt},
      {"99999999999", INT_MAX},          {"-99999999999", INT_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseFieldInteger(c.text), c.value) << c.text;
}

TEST(FrameworkMessagesTest, InTheLanguageEnglishForCodesNoRowHas) {
  EXPECT_EQ(NotAnIntegerMessage(1), "请键入一个整数。");
  EXPECT_EQ(FrameworkRangeMessage(0, 99, 1), "“请填入一个在0和99之间的整数。”");
  EXPECT_EQ(FrameworkLengthMessage(80, 1), "“请填入不多于80个的字符。”");
  EXPECT_EQ(FrameworkRangeMessage(0, 99, 3).find("{"), std::string::npos);  // filled in
  EXPECT_NE(FrameworkRangeMessage(0, 99, 3).find("99"), std::string::npos);
  for (int language : {2, 0, 12}) {
    EXPECT_EQ(NotAnIntegerMessage(language), "Please enter an integer.");
    EXPECT_EQ(FrameworkRangeMessage(0, 99, language), "Please enter an integer between 0 and 99.");
    EXPECT_EQ(FrameworkLengthMessage(80, language), "Please enter no more than 80 characters.");
  }
}

TEST(FormMessagesTest, ConfirmationNamesTheFileAndFailureSaysWhatWhereWhy) {
  EXPECT_EQ(SavedMessage("Saved", "/media/card/sms.dat"), "Saved\n/media/card/sms.dat");

  const Error full{ErrorCode::kIoError, "No space left on device"};
  const std::string file = PathToUtf8(PathFromUtf8("/media/card") / "sms.dat");
  // What happened in the user's words, the system's own detail after it.
  EXPECT_EQ(SaveFailedMessage("sms.dat", "/media/card", full, 2),
            file + " was not saved: it cannot be written (is the card full, write-protected or "
                   "taken out?).\n(No space left on device)");
  EXPECT_THAT(SaveFailedMessage("sms.dat", "/media/card", {ErrorCode::kBusy, "held"}, 2),
              HasSubstr("another save is writing into this folder"));
  const std::string chinese = SaveFailedMessage("sms.dat", "/media/card", full, 1);
  EXPECT_THAT(chinese, HasSubstr(file));
  EXPECT_THAT(chinese, HasSubstr("存储卡已满"));
  EXPECT_THAT(SaveFailedMessage("mms.dat", "/x", {ErrorCode::kNotFound, "gone"}, 1),
              HasSubstr("文件夹不存在"));

  EXPECT_EQ(LoadFailedMessage("/c/gprs.dat", "not a setting file", 2),
            "/c/gprs.dat could not be loaded.\nnot a setting file");
  EXPECT_THAT(LoadFailedMessage("/c/gprs.dat", "x", 1), HasSubstr("无法载入/c/gprs.dat"));
}

TEST(FolderFieldTest, CountsCharactersNotBytes) {
  EXPECT_EQ(CharacterCount(""), 0);
  EXPECT_EQ(CharacterCount("/home/jörg/SD"), 13);
  EXPECT_EQ(CharacterCount("文件"), 2);
  EXPECT_EQ(CharacterCount("😀"), 1);
}

}  // namespace
}  // namespace quelmo
