#pragma once
// Sample records and direct file access for the write tests, so that what a
// test prepares or inspects never goes through the code under test.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "record/setting_record.h"
#include "support/file_bytes.h"

namespace quelmo {

// N records that use bytes 0..49, byte 50 and the length byte 57.
inline std::vector<SettingRecord> SampleRecords(std::size_t count) {
  std::vector<SettingRecord> records;
  SettingRecord header = ValueRecord();
  header[3] = 2;
  header[4] = 5;
  header[7] = 1;
  header[50] = 1;
  records.push_back(header);
  for (std::size_t k = 1; k < count; ++k) {
    records.push_back(TextRecord("record " + std::to_string(k) + " \xB6\xCC\xD0\xC5"));
  }
  return records;
}

}  // namespace quelmo
