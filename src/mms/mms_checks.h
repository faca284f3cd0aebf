#pragma once
// The checks the MMS form runs on Save, in their order; the first that fails
// is reported and nothing is written. Shared by the form and the CLI.

#include <optional>
#include <string>

#include "mms/mms_settings.h"

namespace quelmo {

enum class MmsCheck {
  kNoRecipient,             // 1: phone and receiveEmail both empty
  kPhoneLength,             // 2: phone 1 to 4 bytes
  kSecondRecipientLength,   // 3: phoneOrEmail2 1 to 4 bytes
  kPhoneDigits,             // 4: a byte that is no digit (a leading "+" passes)
  kSecondRecipientFormat,   // 5: neither a number nor holding "@"
  kEmailAddress,            // 6: receiveEmail without "@" or "."
  kUrlMissing,              // 7, Customer mode only, in this order
  kApnMissing,
  kGatewayMissing,
  kPortMissing,
  kGatewayWithoutDot,
  kPresetWithoutData,       // 7, Auto mode: the chosen operator has no built-in parameters
  kSmsControlNeedsPhone,    // 9: SMS control not Off and phone under 5 bytes
};

// Tests 1 to 7 and 9. In Auto mode test 7 asks whether the preset of the
// chosen country and operator has parameters at all, since those, not the
// ones the settings hold, are what Save writes. (Step 8, taking the preset,
// is the caller's and changes nothing these tests look at.)
std::optional<MmsCheck> FirstFailedMmsCheck(const MmsSettings& settings);

// The form's message for a failed check, in the language.
std::string MmsCheckMessage(MmsCheck check, int language_index);

}  // namespace quelmo
