#pragma once
// The checks the SMTP/GPRS form runs on Save, in their order; the first that
// fails is reported and nothing is written. Shared by the form and the CLI.

#include <optional>
#include <string>

#include "smtp/gprs_settings.h"

namespace quelmo {

enum class GprsCheck {
  kApnMissing = 1,          // Customer mode, APN under 2 bytes
  kSmtpServerMissing,       // under 2 bytes
  kPortMissing,             // under 2 bytes
  kSenderMissing,           // under 2 bytes
  kSenderAddress,           // without "@" or "."
  kSenderPasswordMissing,   // under 2 bytes
  kRecipientMissing,        // under 2 bytes
  kRecipientAddress,        // without "@" or "."
  kSmsControlNeedsPhone,    // SMS control not Off and phone under 5 bytes
};

// Checks 1 to 9. (Check 0, taking the preset access point in Auto mode, is
// the caller's.)
std::optional<GprsCheck> FirstFailedGprsCheck(const GprsSettings& settings);

std::string GprsCheckMessage(GprsCheck check, int language_index);

}  // namespace quelmo
