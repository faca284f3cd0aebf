#include "record/setting_checksum.h"

#include <array>
#include <cstdio>

namespace quelmo {
namespace {

constexpr std::array<std::uint16_t, 256> MakeTable() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned crc = i << 8;
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1;
    }
    table[i] = static_cast<std::uint16_t>(crc & 0xFFFF);
  }
  return table;
}

constexpr std::array<std::uint16_t, 256> kTable = MakeTable();
static_assert(kTable[1] == 0x1021 && kTable[255] == 0x1EF0);

}  // namespace

std::uint16_t SettingChecksum::Update(std::span<const std::uint8_t> bytes) {
  unsigned crc = crc_;
  for (std::uint8_t b : bytes) {
    crc = ((crc << 8) ^ kTable[((crc >> 8) ^ b) & 0xFF]) & 0xFFFF;
  }
  crc_ = static_cast<std::uint16_t>(crc);
  return crc_;
}

std::string CheckValueText(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(value));
  return text;
}

std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> bytes) {
  SettingChecksum checksum;
  return checksum.Update(bytes);
}

}  // namespace quelmo
