#include "record/setting_record.h"

#include <algorithm>

namespace quelmo {

SettingRecord EmptyRecord() {
  SettingRecord record{};
  record[58] = kCr;
  record[59] = kLf;
  return record;
}

SettingRecord ValueRecord() { return EmptyRecord(); }

SettingRecord TextRecord(std::string_view text) {
  SettingRecord record = EmptyRecord();
  const std::size_t length = std::min(text.size(), kMaxTextBytes);
  std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), length, record.begin());
  record[kTextLengthByte] = static_cast<std::uint8_t>(length);
  return record;
}

SettingRecord CheckRecord(std::uint16_t stored_value) {
  SettingRecord record = EmptyRecord();
  record[kCheckLowByte] = static_cast<std::uint8_t>(stored_value & 0xFF);
  record[kCheckHighByte] = static_cast<std::uint8_t>(stored_value >> 8);
  return record;
}

std::uint8_t SwapNibbles(std::uint8_t byte) {
  return static_cast<std::uint8_t>((byte << 4) | (byte >> 4));
}

void SwapNibbles(SettingRecord& record) {
  for (std::size_t i = 0; i < kScrambledBytes; ++i) record[i] = SwapNibbles(record[i]);
}

bool HasLineEnd(const SettingRecord& record) { return record[58] == kCr && record[59] == kLf; }

SettingRecord RecordAt(std::span<const std::uint8_t> file, std::size_t index) {
  SettingRecord record{};
  const std::size_t start = index * kRecordSize;
  if (start < file.size()) {
    const std::size_t n = std::min(kRecordSize, file.size() - start);
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(start), n, record.begin());
  }
  return record;
}

TextField ReadTextRecord(const SettingRecord& record, bool scrambled) {
  TextField field;
  field.stored_length = record[kTextLengthByte];
  std::size_t length = field.stored_length;
  if (length > kMaxTextBytes) {
    length = kMaxTextBytes;
    field.length_was_cut = true;
  }
  field.bytes.resize(length);
  for (std::size_t i = 0; i < length; ++i) {
    const std::uint8_t b = scrambled ? SwapNibbles(record[i]) : record[i];
    field.bytes[i] = static_cast<char>(b);
  }
  return field;
}

bool AllZero(const SettingRecord& record, std::size_t from, std::size_t to) {
  return std::all_of(record.begin() + static_cast<std::ptrdiff_t>(from),
                     record.begin() + static_cast<std::ptrdiff_t>(to), [](auto b) { return b == 0; });
}

}  // namespace quelmo
