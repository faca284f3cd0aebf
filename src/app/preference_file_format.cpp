#include "app/preference_file_format.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace quelmo {
namespace {

constexpr std::string_view kFreshComment =
    "# Quelmo preferences: one name=value per line; edit them while Quelmo is closed.\n"
    "# language: 1 Chinese, 2 English, 3 German, 4 Finnish, 5 Italian, 6 French,\n"
    "#   7 Hungarian, 8 Slovenian, 9 Czech, 10 Japanese, 11 Lithuanian\n"
    "# model: the camera model, 1 and up; tvMode: the TV mode written into the\n"
    "#   setting files; company: the maker's name.\n";

// A stray CR before the line end counts as a blank, so that a value reads
// the same after the file is written back with plain line ends.
constexpr std::string_view kBlanks = " \t\r";

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    pos = end + 1;
  }
  return lines;
}

// "TvMode" is written "tvMode", as Linux programs spell their keys.
std::string FileName(std::string_view name) {
  std::string file_name(name);
  if (!file_name.empty()) {
    file_name[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(file_name[0])));
  }
  return file_name;
}

// --- the old, registry-like form ---

constexpr std::string_view kOldKeyLine = "key=Software\\";
constexpr std::string_view kOldDwordType = "REG_DWORD";
constexpr std::string_view kOldStringType = "REG_SZ";
constexpr std::size_t kOldMaxDataBytes = 64 * 1024;

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

struct OldValue {
  std::string_view name;
  bool isNumber = false;
  std::vector<std::uint8_t> data;
};

// "language REG_DWORD 4 02000000": name, type, data length, data in hex (no
// hex field for empty data). The stated length guards against a line cut short.
std::optional<OldValue> ParseOldValueLine(std::string_view line) {
  const std::vector<std::string_view> fields = Fields(line);
  if (fields.size() != 3 && fields.size() != 4) return std::nullopt;
  // A registry name never holds '=', so a new line is never taken for an
  // old one, whatever its value.
  if (fields[0].find('=') != std::string_view::npos ||
      fields[0].find_first_of("#;[") == 0) {
    return std::nullopt;
  }
  OldValue value;
  value.name = fields[0];
  if (fields[1] == kOldDwordType) {
    value.isNumber = true;
  } else if (fields[1] != kOldStringType) {
    return std::nullopt;
  }
  std::size_t length = 0;
  const auto [end, error] =
      std::from_chars(fields[2].data(), fields[2].data() + fields[2].size(), length);
  if (error != std::errc() || end != fields[2].data() + fields[2].size() ||
      length > kOldMaxDataBytes) {
    return std::nullopt;
  }
  std::optional<std::vector<std::uint8_t>> data =
      DecodeHex(fields.size() == 4 ? fields[3] : std::string_view());
  if (!data.has_value() || data->size() != length) return std::nullopt;
  value.data = std::move(*data);
  return value;
}

bool IsOldForm(const std::vector<std::string_view>& lines) {
  return std::any_of(lines.begin(), lines.end(), [](std::string_view line) {
    return line.starts_with(kOldKeyLine) || ParseOldValueLine(line).has_value();
  });
}

// An old value as the new form spells it: a number read as the registry
// reads a value of up to 4 bytes (little-endian, missing bytes zero), a text
// up to its terminating zero. Nothing for a value no load would accept.
std::optional<std::string> NewSpelling(const OldValue& value) {
  if (value.isNumber) {
    if (value.data.size() > 4) return std::nullopt;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < value.data.size(); ++i) number |= std::uint32_t{value.data[i]} << (8 * i);
    return std::to_string(number);
  }
  const auto zero = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
  return std::string(value.data.begin(), zero);
}

}  // namespace

bool SameValueName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

std::optional<std::uint32_t> ParsePreferenceNumber(std::string_view value) {
  value = Trimmed(value);
  if (value.empty() || !std::all_of(value.begin(), value.end(), [](char c) {
        return c >= '0' && c <= '9';
      })) {
    return std::nullopt;
  }
  std::uint32_t number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc() || end != value.data() + value.size()) return std::nullopt;
  return number;
}

PreferenceFile PreferenceFile::Fresh() {
  PreferenceFile file;
  for (std::string_view line : SplitLines(kFreshComment)) file.lines_.push_back({std::string(line), {}, {}});
  return file;
}

PreferenceFile PreferenceFile::Parse(std::string_view text) {
  const std::vector<std::string_view> lines = SplitLines(text);
  if (IsOldForm(lines)) return ConvertOldForm(text);
  PreferenceFile file;
  for (std::string_view line : lines) {
    Line parsed{std::string(line), {}, {}};
    const std::string_view content = Trimmed(line);
    const std::size_t equals = content.find('=');
    const bool is_note = content.empty() || content.front() == '#' || content.front() == ';' ||
                         content.front() == '[';
    if (!is_note && equals != std::string_view::npos) {
      parsed.name = std::string(Trimmed(content.substr(0, equals)));
      parsed.value = std::string(Trimmed(content.substr(equals + 1)));
    }
    file.lines_.push_back(std::move(parsed));
  }
  return file;
}

PreferenceFile PreferenceFile::ConvertOldForm(std::string_view text) {
  PreferenceFile file = Fresh();
  file.converted_ = true;
  for (std::string_view line : SplitLines(text)) {
    const std::optional<OldValue> value = ParseOldValueLine(line);
    if (!value.has_value()) continue;  // the key line, or damage: missing either way
    if (const std::optional<std::string> spelled = NewSpelling(*value)) {
      (void)file.Set(FileName(value->name), *spelled);
    }
  }
  return file;
}

PreferenceFile::Line PreferenceFile::ValueLine(std::string_view name, std::string_view value) {
  return {std::string(name) + "=" + std::string(value), std::string(name), std::string(value)};
}

std::optional<std::size_t> PreferenceFile::Find(std::string_view name) const {
  for (std::size_t k = lines_.size(); k-- > 0;) {
    if (!lines_[k].name.empty() && SameValueName(lines_[k].name, name)) return k;
  }
  return std::nullopt;
}

std::optional<std::string_view> PreferenceFile::Value(std::string_view name) const {
  const std::optional<std::size_t> found = Find(name);
  if (!found.has_value()) return std::nullopt;
  return std::string_view(lines_[*found].value);
}

bool PreferenceFile::Set(std::string_view name, std::string_view value) {
  const auto breaks_line = [](std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
  };
  if (name.empty() || Trimmed(name).size() != name.size() || breaks_line(name) ||
      name.find_first_of("#;[") == 0 ||
      name.find('=') != std::string_view::npos || breaks_line(value) ||
      Trimmed(value).size() != value.size()) {
    return false;
  }
  const std::optional<std::size_t> found = Find(name);
  if (!found.has_value()) {
    lines_.push_back(ValueLine(FileName(name), value));
  } else {
    Line& line = lines_[*found];
    line = ValueLine(line.name, value);  // the name keeps the spelling found
  }
  return true;
}

std::string PreferenceFile::Text() const {
  std::string text;
  for (const Line& line : lines_) text.append(line.text).append("\n");
  return text;
}

}  // namespace quelmo
