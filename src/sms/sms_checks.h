#pragma once
// The checks the SMS form runs on Save, in their order. Shared by the form
// and the CLI.

#include <optional>
#include <string>

#include "sms/sms_settings.h"

namespace quelmo {

enum class SmsCheck {
  kPhone1 = 1,       // empty or under 5 bytes
  kPhone2Length,     // 1 to 4 bytes
  kPhone3Length,     // 1 to 4 bytes
  kPhone2Digits,     // 5 bytes or more, a byte not 0..9 or "+"
  kPhone1Digits,     // a byte not 0..9 or "+"
  kPhone3Digits,     // a byte not 0..9 or "+": no letter reaches the camera
};

std::optional<SmsCheck> FirstFailedSmsCheck(const SmsSettings& settings);

std::string SmsCheckMessage(SmsCheck check, int language_index);

}  // namespace quelmo
