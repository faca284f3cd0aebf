#pragma once
// The range check of integer edit fields, run while a form takes the values
// out of its controls.

#include <string>

#include "controls/form_view.h"

namespace quelmo {

// "Please enter an integer between 0 and 59!", in the language.
std::string IntegerRangeMessage(int minimum, int maximum, int language_index);

// True when minimum <= value <= maximum. Otherwise shows the range message in
// the program's message box, gives `field` the focus with its text selected,
// and returns false: the caller stops taking values.
bool CheckIntegerRange(FormView& view, ControlId field, int value, int minimum, int maximum,
                       int language_index);

}  // namespace quelmo
