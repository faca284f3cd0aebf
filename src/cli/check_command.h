#pragma once
// quelmo-cli check FILE... [--kind KIND]: one line per file, "intact" or
// "damaged: <what is wrong>".

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/file_kind.h"

namespace quelmo {

struct CheckOptions {
  std::vector<std::string> paths;  // UTF-8
  std::optional<FileKind> kind;
};

// 0 when every file is intact, 1 otherwise (a file that cannot be read or
// recognised is not intact).
int RunCheck(const CheckOptions& options, std::ostream& out);

}  // namespace quelmo
