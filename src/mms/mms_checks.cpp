#include "mms/mms_checks.h"

#include <algorithm>
#include <string_view>

#include "mms/mms_presets.h"
#include "remote_control/sms_control_mode.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::size_t kShortestNumber = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }
bool IsPartial(std::string_view text) { return !text.empty() && text.size() < kShortestNumber; }

// Digits only, but for a leading "+".
bool PhoneHasNonDigit(std::string_view phone) {
  if (phone.empty()) return false;
  if (!IsDigit(phone.front()) && phone.front() != '+') return true;
  return std::any_of(phone.begin() + 1, phone.end(), [](char c) { return !IsDigit(c); });
}

// A second recipient holding "@" is taken for an address and not tested further.
bool SecondRecipientMalformed(std::string_view text) {
  if (text.size() < kShortestNumber || Contains(text, '@')) return false;
  return std::any_of(text.begin(), text.end(), [](char c) { return !IsDigit(c) && c != '+'; });
}

bool LooksLikeAddress(std::string_view text) { return Contains(text, '@') && Contains(text, '.'); }

struct MmsCheckText {
  MmsCheck check;
  const char* chinese;
  const char* english;
};

constexpr MmsCheckText kMessages[] = {
    {MmsCheck::kNoRecipient, "请输入手机号码或接收人邮件地址",
     "Please input phone number or recieve email"},
    {MmsCheck::kPhoneLength, "手机号码格式不正确", "Phone number error"},
    {MmsCheck::kSecondRecipientLength, "手机号码或接收人邮箱格式不正确",
     "Phone number or receive email format error"},
    {MmsCheck::kPhoneDigits, "手机号码允许数字和符号(+)", "Only numbers(+) are allowed phone number"},
    {MmsCheck::kSecondRecipientFormat, "请检查手机号码或者接收人邮件地址是否输入正确",
     "Please check the phone number or email address"},
    {MmsCheck::kEmailAddress, "接收人邮件地址输入错误", "Error email address"},
    {MmsCheck::kUrlMissing, "彩信网址错误", "Error MMS URL"},
    {MmsCheck::kApnMissing, "彩信APN 错误", "Error MMS APN "},
    {MmsCheck::kGatewayMissing, "彩信网关错误", "Error MMS GateWay"},
    {MmsCheck::kPortMissing, "彩信端口错误", "Error MMS Port"},
    {MmsCheck::kGatewayWithoutDot, "彩信网关错误", "Error MMS GateWay"},
    // The URL message first, as a Customer save without parameters gives it,
    // then what to do about it.
    {MmsCheck::kPresetWithoutData,
     "彩信网址错误\n"
     "该运营商没有内置的彩信参数，请在“彩信设置”中选择“客户自定义”并输入参数。",
     "Error MMS URL\nThis operator has no built-in MMS parameters: choose \"Customer\" in MMS "
     "Setting and type them in."},
    {MmsCheck::kSmsControlNeedsPhone, "短信控制已经打开，请设置手机号码",
     "SMS control is already open，please input Phone No."},
};

}  // namespace

std::optional<MmsCheck> FirstFailedMmsCheck(const MmsSettings& settings) {
  const std::string_view phone = settings.phone;
  const std::string_view second = settings.phoneOrEmail2;
  const std::string_view email = settings.receiveEmail;

  if (phone.empty() && email.empty()) return MmsCheck::kNoRecipient;
  if (IsPartial(phone)) return MmsCheck::kPhoneLength;
  if (IsPartial(second)) return MmsCheck::kSecondRecipientLength;
  if (phone.size() >= kShortestNumber && PhoneHasNonDigit(phone)) return MmsCheck::kPhoneDigits;
  if (SecondRecipientMalformed(second)) return MmsCheck::kSecondRecipientFormat;
  if (!email.empty() && !LooksLikeAddress(email)) return MmsCheck::kEmailAddress;

  if (settings.mode == kMmsCustomer) {
    if (settings.url.empty()) return MmsCheck::kUrlMissing;
    if (settings.apn.empty()) return MmsCheck::kApnMissing;
    if (settings.gateway.empty()) return MmsCheck::kGatewayMissing;
    if (settings.port.empty()) return MmsCheck::kPortMissing;
    if (!Contains(settings.gateway, '.')) return MmsCheck::kGatewayWithoutDot;
  } else {
    const OperatorPreset* row = FindMmsOperator(settings.countryIndex, settings.operatorIndex);
    if (row == nullptr || !MmsPresetHasData(row->parameters)) return MmsCheck::kPresetWithoutData;
  }

  if (settings.smsControl != kSmsControlOff && phone.size() < kShortestNumber) {
    return MmsCheck::kSmsControlNeedsPhone;
  }
  return std::nullopt;
}

std::string MmsCheckMessage(MmsCheck check, int language_index) {
  for (const MmsCheckText& text : kMessages) {
    if (text.check == check) return language_index == kChinese ? text.chinese : text.english;
  }
  return {};
}

}  // namespace quelmo
