#pragma once
// The 60-byte record of every setting file.
//
//   bytes 0..57   content, by kind:
//                   value record     one byte per value at the file's positions
//                   text record      text bytes from 0, zero to 56, length in 57
//                   check record     zero to 55, check value low byte 56, high 57
//                   reserved record  all zero
//   byte  58      0x0D (CR)
//   byte  59      0x0A (LF)
//
// In the scrambled files (mms.dat, gprs.dat, sms.dat) bytes 0..49 of each data
// record are stored with their two 4-bit halves exchanged; bytes 50..59 never
// are. Texts are therefore at most 50 bytes, though the record could hold 57.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quelmo {

inline constexpr std::size_t kRecordSize = 60;
inline constexpr std::size_t kScrambledBytes = 50;    // bytes 0..49
inline constexpr std::size_t kMaxTextBytes = 50;
inline constexpr std::size_t kTextLengthByte = 57;
inline constexpr std::size_t kCheckLowByte = 56;
inline constexpr std::size_t kCheckHighByte = 57;
inline constexpr std::uint8_t kCr = 0x0D;
inline constexpr std::uint8_t kLf = 0x0A;

using SettingRecord = std::array<std::uint8_t, kRecordSize>;

// 60 zero bytes ending in CR LF: the reserved record, and the start of every
// other kind.
SettingRecord EmptyRecord();

// A value record is an empty record whose bytes the caller sets.
SettingRecord ValueRecord();

// A text record of `text` (stored bytes, at most kMaxTextBytes; longer input
// is cut there, callers hold texts to their limits before).
SettingRecord TextRecord(std::string_view text);

// A check record holding `stored_value` least significant byte first.
SettingRecord CheckRecord(std::uint16_t stored_value);

// Exchanges the high and low 4-bit halves of bytes 0..49 in place. Its own
// inverse.
void SwapNibbles(SettingRecord& record);
std::uint8_t SwapNibbles(std::uint8_t byte);

bool HasLineEnd(const SettingRecord& record);

// The record at `index` of `file`: missing bytes (a short file) read as zero.
SettingRecord RecordAt(std::span<const std::uint8_t> file, std::size_t index);

// Bytes from..to-1 of a record are all zero: unused bytes as a writer leaves them.
bool AllZero(const SettingRecord& record, std::size_t from, std::size_t to);

// Reading a text record back. `scrambled` undoes the nibble swap on the text's
// own bytes only. The length byte is trusted up to kMaxTextBytes; a larger one
// is cut to 50 and reported through `length_was_cut`.
struct TextField {
  std::string bytes;
  bool length_was_cut = false;
  std::uint8_t stored_length = 0;
};
TextField ReadTextRecord(const SettingRecord& record, bool scrambled);

// A text record of a file's layout and the setting it holds, named as the
// reader's findings name it ("password").
struct NamedTextRecord {
  std::size_t record = 0;
  std::string_view name;
};

}  // namespace quelmo
