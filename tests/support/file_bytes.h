#pragma once
// A file's bytes read or written directly, beside the code under test.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace quelmo {

// The whole file; empty when it cannot be read.
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);
// Replaces the file with `bytes`; throws (and so fails the test there) when
// it cannot, rather than leave the test to trip over a missing file later.
void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);

}  // namespace quelmo
