#pragma once
// What the MMS form shows, in the language of a code (text/translate.h).
// Texts are UTF-8.
// The country and operator names belong to the presets (mms_presets.h); the
// SMS control list, its hint and the captions every form with SMS remote
// control shows belong to remote_control_texts.h.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "mms/mms_controls.h"
#include "mms/mms_file.h"

namespace quelmo {

// The labels, group boxes and buttons the form sets: the fields' labels,
// then the other captions.
std::span<const ControlId> MmsTextControls();

// The text of one of those controls; nullopt for any other control.
std::optional<std::string_view> MmsControlText(ControlId id, int language_index);

// "Auto" and the Customer entry of the MMS Mode list, in the language.
std::vector<std::string> MmsModeEntries(int language_index);

// The single entry of the country and operator lists in Customer mode.
std::string_view MmsCustomerPlaceholder(int language_index);

// The balloon hints of the phone field and the e-mail field.
std::string_view MmsPhoneHint(int language_index);
std::string MmsEmailHint(int language_index);

// Messages.
std::string_view MmsSavedConfirmation(int language_index);
std::string MmsPhoneTooLongMessage(int language_index);
// A field as a load's findings name it.
std::string_view MmsFieldName(MmsField field, int language_index);
std::string MmsTextNotStorableMessage(std::string_view detail, int language_index);

}  // namespace quelmo
