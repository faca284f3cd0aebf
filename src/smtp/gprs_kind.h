#pragma once
// gprs.dat as the command-line tool knows it.

#include <cstdint>
#include <span>

#include "kind/kind_description.h"

namespace quelmo {

const KindDescription& GprsKind();

// Points for the GPRS layout in a 780-byte file: the fixed bytes of its
// header, the sender's user name in record 9 and the recipient in record 10,
// which mms.dat leaves reserved.
int GprsLayoutScore(std::span<const std::uint8_t> file);

}  // namespace quelmo
