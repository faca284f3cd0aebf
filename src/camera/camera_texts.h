#pragma once
// What the camera form shows, by language code (1 Chinese, 2 English,
// 3 German, 4 Finnish, 5 Italian, 6 French, 7 Hungarian, 8 Slovenian,
// 9 Czech, 10 Japanese, 11 Lithuanian). Any other code shows English.
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

// The text of one of those controls in a language. nullopt when the control
// keeps its template text in that language (the Lithuanian start and stop
// labels of the second working window) or is not a text control.
std::optional<std::string_view> CameraControlText(ControlId id, int language_index);

// The 20 drop-down lists of the form, in the order the form fills them.
std::span<const ControlId> CameraLists();

// The entries of a list in a language; empty for a control that is no list.
// The English entries are the names the command line accepts.
std::vector<std::string> CameraListEntries(ControlId list, int language_index);

// The sampled clock as field 1030 shows it: "03/07/2012 14:05:09 MM/DD/YY",
// with "月/日/年" in place of "MM/DD/YY" for Chinese.
std::string CameraClockText(const LocalTime& clock, int language_index);

// The form's messages. Like every message of the program they exist in
// Chinese for code 1 and in English for every other code.
std::string CameraSavedMessage(int language_index);
std::string CameraDefaultSavedMessage(int language_index);

}  // namespace quelmo
