#pragma once
// What the finder says of a provider's 2G status, in every language of the
// program. On and unknown say nothing: only a network the camera cannot use,
// now or from an announced date, is worth the user's attention.

#include <string>
#include <string_view>

#include "operators/network_2g.h"

namespace quelmo {

// After the provider's name in the finder's list ("no 2G", "2G until 2033");
// empty for on and unknown.
std::string Network2gListMark(const Network2gVerdict& verdict, int language_index);

// The chosen provider's sentence ("2G switched off in 2017: a GSM camera
// cannot connect to this network"); empty for on and unknown.
std::string Network2gNotice(const Network2gVerdict& verdict, int language_index);

// When the 2G table cannot be read: the statuses are unknown, and why.
std::string Network2gTableUnavailable(std::string_view why, int language_index);

}  // namespace quelmo
