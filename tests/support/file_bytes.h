#pragma once
// A file's bytes read or written directly, beside the code under test.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quelmo {

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
// Replaces the file with `bytes`.
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace quelmo
