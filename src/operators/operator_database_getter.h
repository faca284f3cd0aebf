#pragma once
// Where a window gets the operator database from when it needs it: the
// system's copy in the program (SystemOperatorDatabase), a database of its
// own in the tests.

#include <functional>

#include "base/result.h"
#include "operators/operator_database.h"

namespace quelmo {

// The database must outlive every window that asked for it.
using OperatorDatabaseGetter = std::function<Result<const OperatorDatabase*>()>;

}  // namespace quelmo
