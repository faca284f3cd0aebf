#pragma once
// Reading a file given on the command line without trusting it: a folder, a
// device or a pipe is refused by its type, and a file larger than `limit`
// bytes is refused by its size before anything is read, so a wrong argument
// can neither hang the program nor make it read gigabytes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"

namespace quelmo {

// `what` names the file's role in messages ("settings file"). Looked at and
// read through `files`.
Result<std::vector<std::uint8_t>> ReadBoundedFile(FileSystem& files, const std::filesystem::path& path,
                                                  std::uintmax_t limit, const char* what);

}  // namespace quelmo
