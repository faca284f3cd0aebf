#pragma once
// Reading setting files back without trusting them. Each helper looks only at
// bytes that are there (a short file reads as zeros), writes one line into
// the list it is given for each finding (damage or an unusual value, as the
// caller decides), and hands back a value that a writer accepts, so a damaged
// file can still be loaded, shown and saved again.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "record/file_integrity.h"
#include "record/setting_record.h"
#include "record/staged_write.h"

namespace quelmo {

using Problems = std::vector<std::string>;

// Size, CR LF of every record (data, check and trailing reserved), the stored
// check value against the one computed over the data records as stored, and
// zero bytes where the check and reserved records require them.
FileIntegrity CheckScrambledFrame(std::span<const std::uint8_t> file, std::size_t data_records,
                                  TrailingRecord trailing);

// Sets size, expectedSize and sizeOk, and reports a wrong size.
void CheckFileSize(FileIntegrity& integrity, std::size_t size, std::size_t expected);

// Sets the check fields of `integrity` and reports a mismatch.
void CompareCheckValues(FileIntegrity& integrity, std::uint16_t stored, std::uint16_t computed);

// Reports bytes `from`..`to` (inclusive) of `record` that are not zero.
void CheckZeroBytes(const SettingRecord& record, std::size_t from, std::size_t to,
                    std::string_view where, Problems& problems);

// The text of a scrambled text record, held to `limit` bytes. A length byte
// above 50 reads 50 bytes; a text over its limit is cut there, never inside a
// two-byte character; bytes that are not valid GBK are kept but reported.
std::string ReadTextField(const SettingRecord& stored, std::string_view name, std::size_t limit,
                          Problems& problems);

// The same reading, with what it reported as flags, for a caller that acts on
// them (a form that cannot edit a text that is not GBK).
struct TextReading {
  std::string bytes;
  bool cut = false;         // the length byte or the text was over its limit
  bool strayBytes = false;  // bytes after the text were not zero
  bool notGbk = false;
};
TextReading ReadCheckedText(const SettingRecord& stored, std::string_view name, std::size_t limit,
                            Problems& problems);

// A list index: the stored byte when it is at most `max`, else `fallback`.
int ReadListIndex(std::uint8_t stored, int max, int fallback, std::string_view name,
                  Problems& problems);

// A number in `min`..`max`: a byte outside is moved to the nearer bound.
int ReadBounded(std::uint8_t stored, int min, int max, std::string_view name, Problems& problems);

// The daily picture limit from its tens and units bytes, held to 0..99.
int ReadPicturesPerDay(std::uint8_t tens, std::uint8_t units, Problems& problems);

// The camera's language (1 Chinese .. 11 Lithuanian). Any other byte is
// reported and read as English (2), a language every writer accepts. The
// forms write a stored language outside that range unchanged, so such a byte
// is unusual, not damage.
int ReadCameraLanguage(std::uint8_t stored, std::string_view name, Problems& problems);

// Reports a byte that does not hold the value the writer always puts there.
void CheckFixedByte(std::uint8_t stored, std::uint8_t expected, std::string_view name,
                    Problems& problems);

// The longest prefix of GBK `text` within `limit` bytes that does not end
// inside a two-byte character.
std::size_t GbkPrefixLength(std::string_view text, std::size_t limit);

}  // namespace quelmo
