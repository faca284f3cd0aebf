#pragma once
// Expected values for setting-file tests, worked out the slow, obvious way
// (bit by bit) rather than with the table the program uses.

#include <cstddef>
#include <cstdint>
#include <span>

namespace quelmo::testing {

// CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection.
inline std::uint16_t BitwiseCrc16(std::span<const std::uint8_t> bytes) {
  std::uint16_t crc = 0;
  for (std::uint8_t byte : bytes) {
    crc ^= static_cast<std::uint16_t>(byte << 8);
    for (int bit = 0; bit < 8; ++bit) {
      crc = (crc & 0x8000) ? static_cast<std::uint16_t>((crc << 1) ^ 0x1021)
                           : static_cast<std::uint16_t>(crc << 1);
    }
  }
  return crc;
}

// The check value as a file stores it: CRC plus 20, modulo 65536.
inline std::uint16_t ReferenceStoredCheck(std::span<const std::uint8_t> bytes) {
  return static_cast<std::uint16_t>(BitwiseCrc16(bytes) + 20);
}

// The check value found at bytes 56 (low) and 57 (high) of the record at `offset`.
inline std::uint16_t StoredCheckAt(std::span<const std::uint8_t> file, std::size_t offset) {
  return static_cast<std::uint16_t>(file[offset + 56] | (file[offset + 57] << 8));
}

inline std::uint8_t ReferenceSwap(std::uint8_t byte) {
  return static_cast<std::uint8_t>(((byte & 0x0F) << 4) | ((byte & 0xF0) >> 4));
}

}  // namespace quelmo::testing
