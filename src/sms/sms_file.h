#pragma once
// sms.dat: 5 records, 300 bytes; bytes 0..49 of records 0..3 nibble-swapped.
//
//   record 0   header: 2 smsControl (0xFF when none is chosen),
//              3 picturesPerDay / 10, 4 picturesPerDay % 10, 5 camera language,
//              50 always 1 (not swapped)
//   records 1..3  text records: phone1, phone2, phone3
//   record 4   check record: CRC of the 240 stored bytes of records 0..3, +20

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"
#include "record/file_integrity.h"
#include "record/setting_record.h"
#include "sms/sms_settings.h"

namespace quelmo {

inline constexpr std::string_view kSmsFileName = "sms.dat";
inline constexpr std::size_t kSmsFileSize = 300;
inline constexpr std::size_t kSmsDataRecords = 4;

std::vector<SettingRecord> BuildSmsRecords(const SmsSettings& settings, int camera_language);
std::vector<std::uint8_t> SmsFileBytes(const SmsSettings& settings, int camera_language);

struct SmsFileContents {
  SmsSettings settings;
  int cameraLanguage = 0;
  FileIntegrity integrity;
};
SmsFileContents ReadSmsFile(std::span<const std::uint8_t> bytes);

Status WriteSmsFile(FileSystem& files, const std::filesystem::path& folder,
                    const SmsSettings& settings, int camera_language);

}  // namespace quelmo
