#pragma once
// gprs.dat: 13 records, 780 bytes; bytes 0..49 of records 0..10 nibble-swapped.
//
//   record 0   header: 1 operatorIndex (0 in Customer mode), 2 countryIndex
//              (128 in Customer mode), 3 picturesPerDay / 10, 4 picturesPerDay
//              % 10, 5 camera language, 6 and 7 always 1, 8 smsControl,
//              50 1 in Auto mode / 0 in Customer (not swapped)
//   records 1..10  text records: apn, gprsAccount, gprsPassword, smtpServer,
//              smtpPort, senderEmail, senderPassword, smsControlPhone,
//              sender user name (senderEmail up to its "@"), recipientEmail
//   record 11  check record: CRC of the 660 stored bytes of records 0..10, +20
//   record 12  reserved

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"
#include "presets/settings_load.h"
#include "record/file_integrity.h"
#include "record/setting_record.h"
#include "smtp/gprs_settings.h"

namespace quelmo {

inline constexpr std::string_view kGprsFileName = "gprs.dat";
inline constexpr std::size_t kGprsFileSize = 780;
inline constexpr std::size_t kGprsDataRecords = 11;

std::vector<SettingRecord> BuildGprsRecords(const GprsSettings& settings, int camera_language);
std::vector<std::uint8_t> GprsFileBytes(const GprsSettings& settings, int camera_language);

// What a finding of the reader concerns: a value, a text, or bytes that hold
// none (the header's fixed and unused bytes, the records after the data).
enum class GprsField {
  kMode, kCountry, kOperator, kPicturesPerDay, kSmsControl, kCameraLanguage, kHeader,
  kApn, kGprsAccount, kGprsPassword, kSmtpServer, kSmtpPort, kSenderEmail, kSenderPassword,
  kSmsControlPhone, kUserName, kRecipientEmail, kReservedRecords,
};
using GprsFinding = LoadFinding<GprsField>;

// The records that hold a setting and the setting each holds; record 9, the
// user name derived from the sender address, holds none of its own.
std::vector<NamedTextRecord> GprsTextRecords();

struct GprsFileContents {
  // All fields, the sender password included. In Customer mode country and
  // operator read as 0, the selection of the single "Customer" entry.
  GprsSettings settings;
  int cameraLanguage = 0;
  FileIntegrity integrity;
  // The warnings of `integrity` as values, in file order.
  std::vector<GprsFinding> findings;
};

// The text a field names; nullptr for a field that is no text of the
// settings (the user name is derived, never held).
std::string* GprsText(GprsSettings& settings, GprsField field);
GprsFileContents ReadGprsFile(std::span<const std::uint8_t> bytes);

Status WriteGprsFile(FileSystem& files, const std::filesystem::path& folder,
                     const GprsSettings& settings, int camera_language);

}  // namespace quelmo
