#pragma once
// What the SMS form shows, in the language of a code (text/translate.h). The
// captions it
// shares with the other forms come from the remote-control tables
// (remote_control_texts.h), so the forms never disagree. Texts are UTF-8.

#include <optional>
#include <span>
#include <string_view>

#include "sms/sms_controls.h"

namespace quelmo {

// The labels and buttons the form sets when it opens, in that order.
std::span<const ControlId> SmsTextControls();

// The caption of one of those controls in a language; nullopt for any other
// control.
std::optional<std::string_view> SmsControlText(ControlId id, int language_index);

// The phone hint and the confirmation after Save.
std::string_view SmsPhoneNumberHint(int language_index);
std::string_view SmsSavedConfirmation(int language_index);

}  // namespace quelmo
