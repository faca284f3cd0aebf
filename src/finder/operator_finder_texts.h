#pragma once
// What the "Find operator…" window and its button show, in the language of a
// code (text/translate.h).

#include <cstddef>
#include <string>
#include <string_view>

#include "controls/form_view.h"

namespace quelmo {

// The finder's title and the button that opens it.
std::string_view FindOperatorText(int language_index);

// The finder's own labels and buttons; empty for any other control.
std::string_view OperatorFinderControlText(ControlId id, int language_index);

// The status line under the list.
std::string OperatorMatchCount(std::size_t count, int language_index);
std::string OperatorDatabaseUnavailable(std::string_view why, int language_index);

// Apply without a provider chosen.
std::string_view NoOperatorChosen(int language_index);

// The message after Apply, over the findings' lines, when a value could not
// be taken.
std::string OperatorValuesNotTaken(std::string_view finding_lines, int language_index);

}  // namespace quelmo
