#pragma once
// How the finder asks for the 2G table (network_2g.h): the built-in one in
// the program, a table of their own in tests.

#include <functional>

#include "base/result.h"

namespace quelmo {

struct Network2gTable;

using Network2gGetter = std::function<Result<const Network2gTable*>()>;

}  // namespace quelmo
