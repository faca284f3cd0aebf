#pragma once
// Messages the forms show while moving values out of their controls: a field
// that holds no integer, an integer out of its range, a text too long, in the
// language of a code (text/translate.h); show them with the warning icon.

#include <string>

namespace quelmo {

// A field that holds no integer at all (empty, a lone minus sign, letters).
std::string NotAnIntegerMessage(int language_index);

// An integer outside minimum..maximum.
std::string FrameworkRangeMessage(int minimum, int maximum, int language_index);

// A text longer than its field allows.
std::string FrameworkLengthMessage(int limit, int language_index);

}  // namespace quelmo
