#pragma once
// sms.dat as the command-line tool knows it.

#include "kind/kind_description.h"

namespace quelmo {

const KindDescription& SmsKind();

}  // namespace quelmo
