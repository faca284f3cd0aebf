#include "sms/sms_checks.h"

#include <algorithm>
#include <string_view>

#include "text/translate.h"

namespace quelmo {
namespace {

constexpr std::size_t kShortestNumber = SmsLimits::kShortestPhone;

bool IsPartial(std::string_view number) {
  return !number.empty() && number.size() < kShortestNumber;
}

// Digits and "+" only; the plus sign may stand anywhere, any number of times.
bool HasForeignByte(std::string_view number) {
  return std::any_of(number.begin(), number.end(),
                     [](char c) { return !(c >= '0' && c <= '9') && c != '+'; });
}


}  // namespace

std::optional<SmsCheck> FirstFailedSmsCheck(const SmsSettings& settings) {
  if (settings.phone1.size() < kShortestNumber) return SmsCheck::kPhone1;
  if (IsPartial(settings.phone2)) return SmsCheck::kPhone2Length;
  if (IsPartial(settings.phone3)) return SmsCheck::kPhone3Length;
  if (settings.phone2.size() >= kShortestNumber && HasForeignByte(settings.phone2)) {
    return SmsCheck::kPhone2Digits;
  }
  if (HasForeignByte(settings.phone1)) return SmsCheck::kPhone1Digits;
  if (HasForeignByte(settings.phone3)) return SmsCheck::kPhone3Digits;
  return std::nullopt;
}

std::string SmsCheckMessage(SmsCheck check, int language_index) {
  const auto text = [language_index](std::string_view english) {
    return std::string(Translate(language_index, english));
  };
  switch (check) {
    case SmsCheck::kPhone1:
      return text("Phone No1. Error");
    case SmsCheck::kPhone2Length:
      return text("Phone No2. Error");
    case SmsCheck::kPhone3Length:
      return text("Phone No3. Error");
    case SmsCheck::kPhone2Digits:
    case SmsCheck::kPhone1Digits:
    case SmsCheck::kPhone3Digits:
      return text("Please check the phone number");
  }
  return {};
}

}  // namespace quelmo
