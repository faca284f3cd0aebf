#pragma once
// Win32 file calls refuse paths of MAX_PATH (260) characters or more, and a
// folder of more than 248, unless the path is in the extended-length form
// "\\?\C:\..." or "\\?\UNC\server\share\...", which must be absolute and
// free of "." and "..". A card reader's folder is short, but a folder picked
// deep in a user's documents need not be.

#include <filesystem>
#include <string>

namespace quelmo {

// `path` as the Win32 calls should get it: unchanged when short, else
// absolute, normalised and in the extended-length form.
std::wstring Win32PathOf(const std::filesystem::path& path);

}  // namespace quelmo
