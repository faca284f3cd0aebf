#include "sms/sms_checks.h"

#include <algorithm>
#include <string_view>

#include "text/language_code.h"

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

constexpr const char* kCheckNumberChinese = "请检查手机号码是否输入正确";
constexpr const char* kCheckNumberEnglish = "Please check the phone number";

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
  const bool chinese = language_index == kChinese;
  switch (check) {
    case SmsCheck::kPhone1:
      return chinese ? "手机号码1错误" : "Phone No1. Error";
    case SmsCheck::kPhone2Length:
      return chinese ? "手机号码2错误" : "Phone No2. Error";
    case SmsCheck::kPhone3Length:
      return chinese ? "手机号码3错误" : "Phone No3. Error";
    case SmsCheck::kPhone2Digits:
    case SmsCheck::kPhone1Digits:
    case SmsCheck::kPhone3Digits:
      return chinese ? kCheckNumberChinese : kCheckNumberEnglish;
  }
  return {};
}

}  // namespace quelmo
