#pragma once
// Sample records and direct file access for the write tests, so that what a
// test prepares or inspects never goes through the code under test.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "record/setting_record.h"

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

inline void WriteDirectly(const std::filesystem::path& path,
                          const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadDirectly(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quelmo
