#include "smtp/gprs_checks.h"

#include <string_view>

#include "remote_control/sms_control_mode.h"
#include "smtp/gprs_presets.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

constexpr std::size_t kShortestText = 2;
constexpr std::size_t kShortestPhone = 5;

bool TooShort(std::string_view text) { return text.size() < kShortestText; }

// Only the presence of both characters is tested, anywhere and in any order.
bool LooksLikeAddress(std::string_view text) {
  return text.find('@') != std::string_view::npos && text.find('.') != std::string_view::npos;
}

struct GprsCheckText {
  GprsCheck check;
  const char* chinese;
  const char* english;
};

constexpr GprsCheckText kMessages[] = {
    // The check-1 message, then why it shows in Auto mode.
    {GprsCheck::kPresetWithoutApn,
     "请输入GPRS APN\n此运营商没有内置的接入点，请选择自定义模式并输入接入点。",
     "Please Input GPRS APN\nThis operator has no built-in access point; choose Customer mode "
     "and type it in."},
    {GprsCheck::kApnMissing, "请输入GPRS APN", "Please Input GPRS APN"},
    {GprsCheck::kSmtpServerMissing, "请输入邮件服务器Smtp地址", "Please Input Smtp Server address"},
    {GprsCheck::kPortMissing, "请设置邮件服务器端口", "Please Input Port"},
    {GprsCheck::kSenderMissing, "请输入邮件地址", "Please Input Email"},
    {GprsCheck::kSenderAddress, "邮件地址错误", "Error email address"},
    {GprsCheck::kSenderPasswordMissing, "请输入发送者邮箱密码",
     "Please Input Sender Email Password"},
    {GprsCheck::kRecipientMissing, "请输入邮件地址", "Please Input Email"},
    {GprsCheck::kRecipientAddress, "接收人邮件地址地址错误", "Error Receive Email "},
    {GprsCheck::kSmsControlNeedsPhone, "短信控制已经打开，请输入手机号码",
     "SMS control is already open，please input Phone No."},
};

}  // namespace

std::optional<GprsCheck> FirstFailedGprsCheck(const GprsSettings& settings) {
  if (settings.apnMode == kApnCustomer && TooShort(settings.apn)) return GprsCheck::kApnMissing;
  if (TooShort(settings.smtpServer)) return GprsCheck::kSmtpServerMissing;
  if (TooShort(settings.smtpPort)) return GprsCheck::kPortMissing;
  if (TooShort(settings.senderEmail)) return GprsCheck::kSenderMissing;
  if (!LooksLikeAddress(settings.senderEmail)) return GprsCheck::kSenderAddress;
  if (TooShort(settings.senderPassword)) return GprsCheck::kSenderPasswordMissing;
  if (TooShort(settings.recipientEmail)) return GprsCheck::kRecipientMissing;
  if (!LooksLikeAddress(settings.recipientEmail)) return GprsCheck::kRecipientAddress;
  if (settings.smsControl != kSmsControlOff && settings.smsControlPhone.size() < kShortestPhone) {
    return GprsCheck::kSmsControlNeedsPhone;
  }
  return std::nullopt;
}

std::optional<GprsCheck> ApplyGprsPreset(GprsSettings& settings) {
  if (settings.apnMode != kApnAuto) return std::nullopt;
  const OperatorPreset* preset = FindGprsPreset(settings.countryIndex, settings.operatorIndex);
  if (preset == nullptr || preset->parameters.apn.empty()) return GprsCheck::kPresetWithoutApn;
  settings.apn = preset->parameters.apn;
  settings.gprsAccount = preset->parameters.account;
  settings.gprsPassword = preset->parameters.password;
  return std::nullopt;
}

std::optional<GprsCheck> FirstFailedGprsSave(GprsSettings& settings) {
  if (const auto failed = ApplyGprsPreset(settings)) return failed;
  return FirstFailedGprsCheck(settings);
}

std::string GprsCheckMessage(GprsCheck check, int language_index) {
  for (const GprsCheckText& text : kMessages) {
    if (text.check == check) return language_index == kChinese ? text.chinese : text.english;
  }
  return {};
}

}  // namespace quelmo
