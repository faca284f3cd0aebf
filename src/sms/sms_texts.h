#pragma once
// What the SMS form shows, by language code (1 Chinese, 2 English, 3 German,
// 4 Finnish, 5 Italian, 6 French, 7 Hungarian, 8 Slovenian, 9 Czech,
// 10 Japanese, 11 Lithuanian); any other code shows English. The captions it
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

// Hints and the confirmation exist in Chinese (code 1) and English (every
// other code) only. The phone hint's "：" is the full-width colon in both.
std::string_view SmsPhoneNumberHint(int language_index);
std::string_view SmsSavedConfirmation(int language_index);

}  // namespace quelmo
