#pragma once
// mms.dat as the command-line tool knows it.

#include <cstdint>
#include <span>

#include "kind/kind_description.h"

namespace quelmo {

const KindDescription& MmsKind();

// Points for the MMS layout in a 780-byte file: the fixed bytes of its
// header and its reserved record 10, which gprs.dat fills.
int MmsLayoutScore(std::span<const std::uint8_t> file);

}  // namespace quelmo
