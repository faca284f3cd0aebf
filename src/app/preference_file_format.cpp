#include "app/preference_file_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <optional>

namespace quelmo {
namespace {

constexpr std::string_view kDwordTypeName = "REG_DWORD";
constexpr std::string_view kStringTypeName = "REG_SZ";
constexpr std::string_view kKeyPrefix = "key=";
// Far above anything the program stores; a longer line is damage.
constexpr std::size_t kMaxDataBytes = 64 * 1024;

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
    if (pos > start) fields.push_back(line.substr(start, pos - start));
  }
  return fields;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::vector<std::uint8_t>> DecodeHex(std::string_view hex) {
  if (hex.size() % 2 != 0) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve(hex.size() / 2);
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigit(hex[i]);
    const int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
  }
  return bytes;
}

std::optional<StoredValue> ParseValueLine(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  // An empty value has no hex field.
  if (fields.size() != 3 && fields.size() != 4) return std::nullopt;

  StoredValue value;
  value.name = std::string(fields[0]);
  if (fields[1] == kDwordTypeName) {
    value.type = StoredValueType::kDword;
  } else if (fields[1] == kStringTypeName) {
    value.type = StoredValueType::kString;
  } else {
    return std::nullopt;
  }

  std::size_t length = 0;
  const auto [end, error] = std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), length);
  if (error != std::errc() || end != fields[2].data() + fields[2].size() || length > kMaxDataBytes) {
    return std::nullopt;
  }
  const std::string_view hex = fields.size() == 4 ? fields[3] : std::string_view();
  std::optional<std::vector<std::uint8_t>> data = DecodeHex(hex);
  // The stated length guards against a line cut short.
  if (!data.has_value() || data->size() != length) return std::nullopt;
  value.data = std::move(*data);
  return value;
}

void PutValue(std::vector<StoredValue>& values, StoredValue value) {
  const auto same = std::find_if(values.begin(), values.end(), [&](const StoredValue& v) {
    return SameValueName(v.name, value.name);
  });
  if (same != values.end()) {
    *same = std::move(value);
  } else {
    values.push_back(std::move(value));
  }
}

}  // namespace

bool SameValueName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::vector<StoredValue> ParsePreferenceFile(std::span<const std::uint8_t> bytes) {
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  std::vector<StoredValue> values;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#' || line.substr(0, kKeyPrefix.size()) == kKeyPrefix) continue;
    if (std::optional<StoredValue> value = ParseValueLine(line)) PutValue(values, std::move(*value));
  }
  return values;
}

std::string FormatPreferenceFile(std::string_view key_path, const std::vector<StoredValue>& values) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = std::string(kKeyPrefix) + std::string(key_path) + "\n";
  for (const StoredValue& value : values) {
    text += value.name;
    text += ' ';
    text += value.type == StoredValueType::kDword ? kDwordTypeName : kStringTypeName;
    text += ' ';
    text += std::to_string(value.data.size());
    if (!value.data.empty()) text += ' ';
    for (const std::uint8_t byte : value.data) {
      text += kHex[byte >> 4];
      text += kHex[byte & 0x0F];
    }
    text += '\n';
  }
  return text;
}

}  // namespace quelmo
