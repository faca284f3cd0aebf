#include "mms/mms_checks.h"

#include <gtest/gtest.h>

#include <optional>

namespace quelmo {
namespace {

MmsSettings Recipients(const char* phone, const char* email = "", const char* second = "") {
  MmsSettings s;
  s.phone = phone;
  s.receiveEmail = email;
  s.phoneOrEmail2 = second;
  return s;
}

MmsSettings Customer(const char* url, const char* apn, const char* gateway, const char* port) {
  MmsSettings s = Recipients("13800138000");
  s.mode = kMmsCustomer;
  s.countryIndex = kManualCountry;
  s.url = url;
  s.apn = apn;
  s.gateway = gateway;
  s.port = port;
  return s;
}

MmsSettings SmsControl(int control, MmsSettings s) {
  s.smsControl = control;
  return s;
}

TEST(MmsChecksTest, FirstFailedCheckInOrder) {
  using enum MmsCheck;
  const struct {
    MmsSettings settings;
    std::optional<MmsCheck> expected;
  } cases[] = {
      {Recipients(""), kNoRecipient},
      {Recipients("", "a@b.c"), std::nullopt},
      {Recipients("1234"), kPhoneLength},
      {Recipients("1234", "bad"), kPhoneLength},
      {Recipients("13800138000", "", "a@b"), kSecondRecipientLength},
      {Recipients("+8613800138000"), std::nullopt},
      {Recipients("x13800138000"), kPhoneDigits},
      {Recipients("\xD6\xD0" "138001380"), kPhoneDigits},
      {Recipients("13+00138000"), kPhoneDigits},
      {Recipients("1\xD6\xD0\xCE\xC4"), kPhoneDigits},    // GBK bytes are no digits
      {Recipients("13800138000", "", "1390a139000"), kSecondRecipientFormat},
      {Recipients("13800138000", "", "+139+0139000"), std::nullopt},
      {Recipients("13800138000", "", "x y@z"), std::nullopt},  // "@": not tested further
      {Recipients("", "a@example"), kEmailAddress},
      {Recipients("", "a.example"), kEmailAddress},
      {Recipients("", "a.b@c"), std::nullopt},
      {Customer("http://mmsc", "cmwap", "10.0.0.172", "ab"), std::nullopt},
      {Customer("", "", "10.0.0.172", "80"), kUrlMissing},
      {Customer("http://mmsc", "", "10.0.0.172", "80"), kApnMissing},
      {Customer("http://mmsc", "cmwap", "", "80"), kGatewayMissing},
      {Customer("http://mmsc", "cmwap", "10.0.0.172", ""), kPortMissing},
      {Customer("http://mmsc", "cmwap", "localhost", "80"), kGatewayWithoutDot},
      {Recipients("", "bad"), kEmailAddress},
      {SmsControl(0, Recipients("13800138000")), std::nullopt},
      {SmsControl(4, Recipients("", "a@b.c")), kSmsControlNeedsPhone},
      {SmsControl(4, Customer("", "", "", "")), kUrlMissing},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(FirstFailedMmsCheck(cases[i].settings), cases[i].expected) << "case " << i;
  }
}

TEST(MmsChecksTest, MessagesByLanguage) {
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kApnMissing, 2), "Error MMS APN ");
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kApnMissing, 1), "彩信APN 错误");
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kGatewayWithoutDot, 2), "Error MMS GateWay");
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kSmsControlNeedsPhone, 2),
            "SMS control is already open\xEF\xBC\x8Cplease input Phone No.");
  // Every language has its own words for every check.
  for (int language = 3; language <= 11; ++language) {
    EXPECT_NE(MmsCheckMessage(MmsCheck::kSmsControlNeedsPhone, language),
              MmsCheckMessage(MmsCheck::kSmsControlNeedsPhone, 2))
        << language;
  }
  // Without built-in parameters: the URL message, then what to do, in the language.
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kPresetWithoutData, 1).rfind("彩信网址错误\n", 0), 0u);
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kSmsControlNeedsPhone, 1),
            "短信控制已经打开\xEF\xBC\x8C请设置手机号码");
  EXPECT_EQ(MmsCheckMessage(MmsCheck::kNoRecipient, 2), "Please input phone number or receive email");
}

}  // namespace
}  // namespace quelmo
