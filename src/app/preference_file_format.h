#pragma once
// The text form of the preference file: one line naming the key, then one
// line per value with its name, registry type, data length and data bytes in
// hex. Reading keeps every well-formed value line and drops the others.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quelmo {

enum class StoredValueType { kDword, kString };  // REG_DWORD, REG_SZ

struct StoredValue {
  std::string name;
  StoredValueType type = StoredValueType::kDword;
  std::vector<std::uint8_t> data;
};

// Values are looked up as the registry does: names ignore case.
bool SameValueName(std::string_view a, std::string_view b);

std::vector<StoredValue> ParsePreferenceFile(std::span<const std::uint8_t> bytes);
std::string FormatPreferenceFile(std::string_view key_path, const std::vector<StoredValue>& values);

}  // namespace quelmo
