#pragma once
// What the camera form shows, in the language of a code (text/translate.h).
// Texts are UTF-8. List entries keep their order and meaning in every
// language, so a stored list index never depends on the language.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "camera/camera_controls.h"
#include "controls/local_clock.h"

namespace quelmo {

// The labels, buttons, group boxes and unit labels the form sets, in the order
// it sets them. The left column's row groups, the clock field and the folder
// field are not among them.
std::span<const ControlId> CameraTextControls();

// The text of one of those controls in a language; nullopt for a control
// that is no text control.
std::optional<std::string_view> CameraControlText(ControlId id, int language_index);

// The 20 drop-down lists of the form, in the order the form fills them.
std::span<const ControlId> CameraLists();

// The entries of a list in a language; empty for a control that is no list.
// The English entries are the names the command line accepts.
std::vector<std::string> CameraListEntries(ControlId list, int language_index);

// The sampled clock as field 1030 shows it: "03/07/2012 14:05:09 MM/DD/YY",
// the order's name ("MM/DD/YY") in the language.
std::string CameraClockText(const LocalTime& clock, int language_index);

// The form's messages.
std::string CameraSavedMessage(int language_index);
std::string CameraDefaultSavedMessage(int language_index);

}  // namespace quelmo
