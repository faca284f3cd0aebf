#pragma once
// The English name of a country by its two-letter code, for the lists that
// show the operator database's countries.

#include <string>
#include <string_view>

namespace quelmo {

// "United Kingdom" for "gb" (letter case aside); a code without a name is
// shown as it is, in capitals ("ZZ").
std::string CountryNameOf(std::string_view code);

}  // namespace quelmo
