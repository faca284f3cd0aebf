#pragma once
// The check value of the setting files: CRC-16/XMODEM (polynomial 0x1021,
// initial value 0, no reflection, no final XOR), table-driven. The stored value
// is the CRC plus 20, modulo 65536, least significant byte first.

#include <cstdint>
#include <span>
#include <string>

namespace quelmo {

inline constexpr std::uint16_t kStoredCheckOffset = 20;

class SettingChecksum {
 public:
  void Reset() { crc_ = 0; }
  // Feeds the bytes in order and returns the accumulator.
  std::uint16_t Update(std::span<const std::uint8_t> bytes);
  std::uint16_t value() const { return crc_; }
  // The value as a file stores it.
  std::uint16_t StoredValue() const { return StoredCheckValue(crc_); }

  static std::uint16_t StoredCheckValue(std::uint16_t crc) {
    return static_cast<std::uint16_t>(crc + kStoredCheckOffset);
  }

 private:
  std::uint16_t crc_ = 0;
};

// CRC-16/XMODEM of `bytes` in one pass.
std::uint16_t Crc16Xmodem(std::span<const std::uint8_t> bytes);

// A check value as messages show it: "0x31D7".
std::string CheckValueText(std::uint16_t value);

}  // namespace quelmo
