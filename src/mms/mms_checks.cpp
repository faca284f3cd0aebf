#include "mms/mms_checks.h"

#include <algorithm>
#include <string_view>

#include "mms/mms_presets.h"
#include "remote_control/sms_control_mode.h"
#include "text/translate.h"

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
  std::string_view english;
};

constexpr MmsCheckText kMessages[] = {
    {MmsCheck::kNoRecipient, "Please input phone number or receive email"},
    {MmsCheck::kPhoneLength, "Phone number error"},
    {MmsCheck::kSecondRecipientLength, "Phone number or receive email format error"},
    {MmsCheck::kPhoneDigits, "Only numbers(+) are allowed phone number"},
    {MmsCheck::kSecondRecipientFormat, "Please check the phone number or email address"},
    {MmsCheck::kEmailAddress, "Error email address"},
    {MmsCheck::kUrlMissing, "Error MMS URL"},
    {MmsCheck::kApnMissing, "Error MMS APN "},
    {MmsCheck::kGatewayMissing, "Error MMS GateWay"},
    {MmsCheck::kPortMissing, "Error MMS Port"},
    {MmsCheck::kGatewayWithoutDot, "Error MMS GateWay"},
    {MmsCheck::kSmsControlNeedsPhone, "SMS control is already open，please input Phone No."},
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
  if (check == MmsCheck::kPresetWithoutData) {
    // The URL message first, as a Customer save without parameters gives it,
    // then what to do about it.
    return std::string(Translate(language_index, "Error MMS URL"))
        .append("\n")
        .append(Translate(language_index,
                          "This operator has no built-in MMS parameters: choose \"Customer\" in "
                          "MMS Setting and type them in."));
  }
  for (const MmsCheckText& text : kMessages) {
    if (text.check == check) return std::string(Translate(language_index, text.english));
  }
  return {};
}

}  // namespace quelmo
