#pragma once
// The steps the safe writers are built from (file_batch.h), each a Status
// naming the path it concerns.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/result.h"
#include "platform/file_system.h"

namespace quelmo {

// A name within the folder, never a path: no separators, not "." or "..".
bool IsPlainFileName(std::string_view name);
Status NotAFileName(std::string_view name);

// ".camera.dat.1a2b3c4d.7.tmp": hidden, next to the final file (a rename
// only replaces in one step within one file system), never a name the
// camera reads, and unique to this process and call.
std::string TemporaryName(std::string_view name);

// Creates `path` exclusively, writes `bytes`, syncs and closes it.
Status WriteAndSync(FileSystem& files, const std::filesystem::path& path,
                    std::span<const std::uint8_t> bytes);

// Creates `path` exclusively, writes `bytes` in one write, closes it and
// reads it back: only this save's own bytes pass.
Status WriteAndReadBack(FileSystem& files, const std::filesystem::path& path,
                        std::span<const std::uint8_t> bytes);

// Removes `path`; `failure` comes back with word of `what` ("temporary
// file") staying behind when it could not be removed.
Status RemoveAfter(FileSystem& files, const std::filesystem::path& path, std::string_view what,
                   Status failure);

}  // namespace quelmo
