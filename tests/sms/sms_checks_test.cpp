#include "sms/sms_checks.h"

#include <gtest/gtest.h>

#include <optional>

namespace quelmo {
namespace {

SmsSettings Phones(const char* one, const char* two = "", const char* three = "") {
  return SmsSettings{.phone1 = one, .phone2 = two, .phone3 = three};
}

TEST(SmsChecksTest, FirstFailedCheckInOrder) {
  using enum SmsCheck;
  const struct {
    SmsSettings settings;
    std::optional<SmsCheck> expected;
  } cases[] = {
      {Phones("12345"), std::nullopt},
      {Phones("+1234567", "1+2+3+"), std::nullopt},  // "+" anywhere, any number of times
      {Phones(""), kPhone1},
      {Phones("1234"), kPhone1},
      {Phones("12345", "1234"), kPhone2Length},
      {Phones("12a45", "12"), kPhone2Length},
      {Phones("12345", "", "1"), kPhone3Length},
      {Phones("12345", "", "abcde"), kPhone3Digits},
      {Phones("12345", "+4915", "49-15"), kPhone3Digits},
      {Phones("1234a", "", "abcde"), kPhone1Digits},  // number 1 is reported first
      {Phones("12a45", "139-0013"), kPhone2Digits},
      {Phones("12345", "\xD6\xD0\xCE\xC4\x31"), kPhone2Digits},
      {Phones("+123-4567"), kPhone1Digits},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(FirstFailedSmsCheck(cases[i].settings), cases[i].expected) << "case " << i;
  }
}

TEST(SmsChecksTest, MessagesByLanguage) {
  EXPECT_EQ(SmsCheckMessage(SmsCheck::kPhone2Length, 1), "手机号码2错误");
  EXPECT_EQ(SmsCheckMessage(SmsCheck::kPhone3Length, 2), "Phone No3. Error");
  EXPECT_EQ(SmsCheckMessage(SmsCheck::kPhone1Digits, 1), "请检查手机号码是否输入正确");
  EXPECT_EQ(SmsCheckMessage(SmsCheck::kPhone2Digits, 2), "Please check the phone number");
  EXPECT_EQ(SmsCheckMessage(SmsCheck::kPhone3Digits, 12), "Please check the phone number");
  for (int language = 3; language <= 11; ++language) {
    EXPECT_NE(SmsCheckMessage(SmsCheck::kPhone1, language), "Phone No1. Error") << language;
  }
}

}  // namespace
}  // namespace quelmo
