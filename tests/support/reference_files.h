#pragma once
// Whole setting files worked out the slow, obvious way from their byte
// layouts, for the tests that compare a saved file byte for byte on every
// platform (the Linux file tests and quelmo.exe's form tests alike).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/reference_crc.h"

namespace quelmo::testing {

// camera.dat: record 0 is `fields` (bytes 0..38 as the layout lists them)
// with its check value over bytes 0..49 and CR LF; record 1 is zero but for
// its CR LF; record 2 is zero.
inline std::vector<std::uint8_t> ReferenceCameraFile(const std::vector<std::uint8_t>& fields) {
  std::vector<std::uint8_t> file(180, 0);
  for (std::size_t i = 0; i < fields.size(); ++i) file[i] = fields[i];
  const std::uint16_t check = ReferenceStoredCheck(std::span(file).first(50));
  file[56] = static_cast<std::uint8_t>(check & 0xFF);
  file[57] = static_cast<std::uint8_t>(check >> 8);
  file[58] = file[118] = 0x0D;
  file[59] = file[119] = 0x0A;
  return file;
}

// sms.dat, five records of 60 bytes, each ending in CR LF. Record 0: byte 2
// the SMS control entry, 3 and 4 the daily limit's tens and units, 5 the
// camera language, 50 the value 1. Records 1..3: the numbers, their bytes
// from 0 and their length in byte 57. Bytes 0..49 of records 0..3 are stored
// with their 4-bit halves exchanged. Record 4: only the check value over
// records 0..3 as stored, in bytes 56 (low) and 57 (high).
inline std::vector<std::uint8_t> ReferenceSmsFile(int sms_control, int pictures_per_day,
                                                  int camera_language, const std::string& phone1,
                                                  const std::string& phone2,
                                                  const std::string& phone3) {
  std::vector<std::uint8_t> file(300, 0);
  file[2] = static_cast<std::uint8_t>(sms_control);
  file[3] = static_cast<std::uint8_t>(pictures_per_day / 10);
  file[4] = static_cast<std::uint8_t>(pictures_per_day % 10);
  file[5] = static_cast<std::uint8_t>(camera_language);
  const std::string phones[] = {phone1, phone2, phone3};
  for (std::size_t k = 0; k < 3; ++k) {
    for (std::size_t i = 0; i < phones[k].size(); ++i) {
      file[(k + 1) * 60 + i] = static_cast<std::uint8_t>(phones[k][i]);
    }
    file[(k + 1) * 60 + 57] = static_cast<std::uint8_t>(phones[k].size());
  }
  for (std::size_t record = 0; record < 4; ++record) {
    for (std::size_t i = 0; i < 50; ++i) file[record * 60 + i] = ReferenceSwap(file[record * 60 + i]);
  }
  file[50] = 1;
  for (std::size_t record = 0; record < 5; ++record) {
    file[record * 60 + 58] = 0x0D;
    file[record * 60 + 59] = 0x0A;
  }
  const std::uint16_t check = ReferenceStoredCheck(std::span(file).first(240));
  file[240 + 56] = static_cast<std::uint8_t>(check & 0xFF);
  file[240 + 57] = static_cast<std::uint8_t>(check >> 8);
  return file;
}

}  // namespace quelmo::testing
