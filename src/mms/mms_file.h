#pragma once
// mms.dat: 13 records, 780 bytes; bytes 0..49 of records 0..10 nibble-swapped.
//
//   record 0   header: 3 picturesPerDay / 10, 4 picturesPerDay % 10,
//              5 camera language, 6 TV mode, 7 always 1, 8 countryIndex
//              (128 in Customer mode), 9 operatorIndex (0 in Customer mode),
//              10 smsControl, 50 1 in Auto mode / 0 in Customer (not swapped)
//   records 1..9  text records: url, apn, gateway, port, phone, receiveEmail,
//              account, password, phoneOrEmail2
//   record 10  reserved
//   record 11  check record: CRC of the 660 stored bytes of records 0..10, +20
//   record 12  reserved

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "mms/mms_settings.h"
#include "platform/file_system.h"
#include "presets/settings_load.h"
#include "record/file_integrity.h"
#include "record/setting_record.h"

namespace quelmo {

inline constexpr std::string_view kMmsFileName = "mms.dat";
inline constexpr std::size_t kMmsFileSize = 780;
inline constexpr std::size_t kMmsDataRecords = 11;

// The eleven plain (unswapped) data records. In Customer mode the header
// carries kManualCountry and operator 0 whatever the settings say.
std::vector<SettingRecord> BuildMmsRecords(const MmsSettings& settings, int camera_language,
                                           int tv_mode);
// The file as written.
std::vector<std::uint8_t> MmsFileBytes(const MmsSettings& settings, int camera_language,
                                       int tv_mode);

// What a finding of the reader concerns: a value, a text, or bytes that hold
// none (the header's fixed and unused bytes, the records after the data).
enum class MmsField {
  kMode, kCountry, kOperator, kPicturesPerDay, kSmsControl, kCameraLanguage, kHeader,
  kUrl, kApn, kGateway, kPort, kPhone, kReceiveEmail, kAccount, kPassword, kPhoneOrEmail2,
  kReservedRecords,
};
using MmsFinding = LoadFinding<MmsField>;

// Records 1..9 and the setting each holds.
std::vector<NamedTextRecord> MmsTextRecords();

struct MmsFileContents {
  MmsSettings settings;  // mode from byte 50; country and operator as stored
  int cameraLanguage = 0;
  int tvMode = 0;
  FileIntegrity integrity;
  // The warnings of `integrity` as values, in file order.
  std::vector<MmsFinding> findings;
};
MmsFileContents ReadMmsFile(std::span<const std::uint8_t> bytes);

// The text a field names; nullptr for a field that is no text.
std::string* MmsText(MmsSettings& settings, MmsField field);

Status WriteMmsFile(FileSystem& files, const std::filesystem::path& folder,
                    const MmsSettings& settings, int camera_language, int tv_mode);

}  // namespace quelmo
