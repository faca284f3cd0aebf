#include "smtp/gprs_checks.h"

#include <string_view>

#include "remote_control/sms_control_mode.h"
#include "smtp/gprs_fields.h"
#include "smtp/gprs_presets.h"
#include "text/translate.h"

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
  std::string_view english;
};

constexpr GprsCheckText kMessages[] = {
    {GprsCheck::kApnMissing, "Please Input GPRS APN"},
    {GprsCheck::kSmtpServerMissing, "Please Input Smtp Server address"},
    {GprsCheck::kPortMissing, "Please Input Port"},
    {GprsCheck::kSenderMissing, "Please Input Email"},
    {GprsCheck::kSenderAddress, "Error email address"},
    {GprsCheck::kSenderPasswordMissing, "Please Input Sender Email Password"},
    {GprsCheck::kRecipientMissing, "Please Input Email"},
    {GprsCheck::kRecipientAddress, "Error Receive Email "},
    {GprsCheck::kSmsControlNeedsPhone, "SMS control is already open，please input Phone No."},
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
  for (const StoredTextField<GprsSettings>* field : OperatorFields(kGprsFields)) {
    settings.*field->member = PresetParameter(preset->parameters, field->place.operatorValue);
  }
  return std::nullopt;
}

std::optional<GprsCheck> FirstFailedGprsSave(GprsSettings& settings) {
  if (const auto failed = ApplyGprsPreset(settings)) return failed;
  return FirstFailedGprsCheck(settings);
}

std::string GprsCheckMessage(GprsCheck check, int language_index) {
  if (check == GprsCheck::kPresetWithoutApn) {
    // The message of a missing APN, then why it shows in Auto mode.
    return std::string(Translate(language_index, "Please Input GPRS APN"))
        .append("\n")
        .append(Translate(language_index,
                          "This operator has no built-in access point; choose Customer mode and "
                          "type it in."));
  }
  for (const GprsCheckText& text : kMessages) {
    if (text.check == check) return std::string(Translate(language_index, text.english));
  }
  return {};
}

}  // namespace quelmo
