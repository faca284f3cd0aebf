#pragma once
// How an integer field is read: blanks around an optionally signed run of
// digits. Anything else (an empty field, a lone sign, letters) is not an
// integer. A run too long for an int (pasted) is still a number, just out of
// every range: it reads as the nearest int so that the range check reports it.

#include <optional>
#include <string_view>

namespace quelmo {

std::optional<int> ParseFieldInteger(std::string_view text);

}  // namespace quelmo
