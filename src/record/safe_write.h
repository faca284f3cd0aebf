#pragma once
// Writing a file so that a failure at any step leaves the folder holding
// either the old file untouched or the new one complete: the bytes go to a
// temporary file in the same folder, created exclusively and synced, and only
// then replace the final name in one rename; the folder is synced last, so
// that after success the file and its folder entry are on the device. No
// temporary file outlives the call.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

#include "base/result.h"
#include "platform/file_system.h"

namespace quelmo {

// Writes `bytes` as `folder`/`name`, holding the folder's save lock
// throughout, so that concurrent saves into one folder take turns. Errors
// name the path and the system's reason; a missing or unwritable folder is
// reported as such, another save that keeps the folder busy too.
Status WriteFileAtomically(FileSystem& files, const std::filesystem::path& folder,
                           std::string_view name, std::span<const std::uint8_t> bytes);

// The same for a caller that has checked the folder and holds its save lock.
Status WriteFileAtomicallyLocked(FileSystem& files, const std::filesystem::path& folder,
                                 std::string_view name, std::span<const std::uint8_t> bytes);

// Reads `path` back and compares it with `bytes`, what this save wrote: a
// file someone else replaced meanwhile is never taken for this save's.
Status VerifyWritten(FileSystem& files, const std::filesystem::path& path,
                     std::span<const std::uint8_t> bytes);

}  // namespace quelmo
