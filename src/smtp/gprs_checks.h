#pragma once
// The checks the SMTP/GPRS form runs on Save, in their order; the first that
// fails is reported and nothing is written. Shared by the form and the CLI.

#include <optional>
#include <string>

#include "smtp/gprs_settings.h"

namespace quelmo {

enum class GprsCheck {
  kPresetWithoutApn = 0,    // Auto mode, the chosen operator has no built-in APN
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

// Checks 1 to 9, on settings whose access point is final (after
// ApplyGprsPreset in Auto mode).
std::optional<GprsCheck> FirstFailedGprsCheck(const GprsSettings& settings);

// Check 0: in Auto mode the access point name, account and password become
// the preset of the chosen country and operator, whatever they held. A pair
// that is not offered, or a preset without an access point name, fails with
// kPresetWithoutApn and leaves the settings as they were. Customer mode is
// left alone.
std::optional<GprsCheck> ApplyGprsPreset(GprsSettings& settings);

// What Save runs: check 0, then checks 1 to 9.
std::optional<GprsCheck> FirstFailedGprsSave(GprsSettings& settings);

std::string GprsCheckMessage(GprsCheck check, int language_index);

}  // namespace quelmo
