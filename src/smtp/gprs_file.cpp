#include "smtp/gprs_file.h"

#include <array>

#include "record/record_reading.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"

namespace quelmo {
namespace {

constexpr std::size_t kOperatorByte = 1;
constexpr std::size_t kCountryByte = 2;
constexpr std::size_t kTensByte = 3;
constexpr std::size_t kUnitsByte = 4;
constexpr std::size_t kLanguageByte = 5;
constexpr std::size_t kFirstAlwaysOneByte = 6;
constexpr std::size_t kSecondAlwaysOneByte = 7;
constexpr std::size_t kSmsControlByte = 8;
constexpr std::size_t kAutoFlagByte = 50;
constexpr std::uint8_t kCustomerCountryByte = 0x80;
constexpr std::size_t kUserNameRecord = 9;
constexpr int kLastSmsControl = kSmsControlOff;  // "Off" ends the list

// Records 1..10 in file order; record 9 holds the derived user name.
struct GprsText {
  std::size_t record;
  const char* name;
  std::string GprsSettings::*field;
  std::size_t limit;
};
constexpr std::array<GprsText, 9> kGprsTexts{{
    {1, "apn", &GprsSettings::apn, GprsLimits::kApn},
    {2, "gprsAccount", &GprsSettings::gprsAccount, GprsLimits::kGprsAccount},
    {3, "gprsPassword", &GprsSettings::gprsPassword, GprsLimits::kGprsPassword},
    {4, "smtpServer", &GprsSettings::smtpServer, GprsLimits::kSmtpServer},
    {5, "smtpPort", &GprsSettings::smtpPort, GprsLimits::kSmtpPort},
    {6, "senderEmail", &GprsSettings::senderEmail, GprsLimits::kSenderEmail},
    {7, "senderPassword", &GprsSettings::senderPassword, GprsLimits::kSenderPassword},
    {8, "smsControlPhone", &GprsSettings::smsControlPhone, GprsLimits::kSmsControlPhone},
    {10, "recipientEmail", &GprsSettings::recipientEmail, GprsLimits::kRecipientEmail},
}};

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::string HeaderByte(std::size_t position, const char* name) {
  return "record 0 byte " + std::to_string(position) + " (" + name + ")";
}

std::string RecordName(std::size_t record, const char* name) {
  return "record " + std::to_string(record) + " (" + name + ")";
}

SettingRecord BuildHeader(const GprsSettings& settings, int camera_language) {
  const bool customer = settings.apnMode == kApnCustomer;
  SettingRecord header = ValueRecord();
  header[kOperatorByte] = LowByte(customer ? 0 : settings.operatorIndex);
  header[kCountryByte] = customer ? kCustomerCountryByte : LowByte(settings.countryIndex);
  header[kTensByte] = LowByte(settings.picturesPerDay / 10);
  header[kUnitsByte] = LowByte(settings.picturesPerDay % 10);
  header[kLanguageByte] = LowByte(camera_language);
  header[kFirstAlwaysOneByte] = 1;
  header[kSecondAlwaysOneByte] = 1;
  header[kSmsControlByte] = LowByte(settings.smsControl);
  header[kAutoFlagByte] = customer ? 0 : 1;
  return header;
}

void ReadHeader(const SettingRecord& stored, GprsFileContents& contents) {
  Problems& warnings = contents.integrity.warnings;
  SettingRecord header = stored;
  SwapNibbles(header);
  GprsSettings& settings = contents.settings;

  CheckFixedByte(header[0], 0, HeaderByte(0, "reserved"), warnings);
  const std::uint8_t auto_flag = header[kAutoFlagByte];
  if (auto_flag > 1) {
    warnings.push_back(HeaderByte(kAutoFlagByte, "apnMode") + ": " + std::to_string(auto_flag) +
                       " is neither 1 (Auto) nor 0 (Customer), read as Auto");
  }
  settings.apnMode = auto_flag != 0 ? kApnAuto : kApnCustomer;
  if (settings.apnMode == kApnCustomer) {
    // The Customer lists hold one entry, so both selections are 0.
    CheckFixedByte(header[kOperatorByte], 0, HeaderByte(kOperatorByte, "operatorIndex"),
                   warnings);
    CheckFixedByte(header[kCountryByte], kCustomerCountryByte,
                   HeaderByte(kCountryByte, "countryIndex"), warnings);
  } else {
    settings.operatorIndex =
        ReadListIndex(header[kOperatorByte], GprsLimits::kMaxOperator, 0,
                      HeaderByte(kOperatorByte, "operatorIndex"), warnings);
    settings.countryIndex = ReadListIndex(header[kCountryByte], GprsLimits::kMaxCountry, 0,
                                          HeaderByte(kCountryByte, "countryIndex"), warnings);
  }
  settings.picturesPerDay = ReadPicturesPerDay(header[kTensByte], header[kUnitsByte], warnings);
  contents.cameraLanguage = ReadCameraLanguage(
      header[kLanguageByte], HeaderByte(kLanguageByte, "cameraLanguage"), warnings);
  CheckFixedByte(header[kFirstAlwaysOneByte], 1, HeaderByte(kFirstAlwaysOneByte, "always 1"),
                 warnings);
  CheckFixedByte(header[kSecondAlwaysOneByte], 1, HeaderByte(kSecondAlwaysOneByte, "always 1"),
                 warnings);
  settings.smsControl = ReadListIndex(header[kSmsControlByte], kLastSmsControl, kLastSmsControl,
                                      HeaderByte(kSmsControlByte, "smsControl"), warnings);
  CheckZeroBytes(header, kSmsControlByte + 1, kAutoFlagByte - 1, "record 0", warnings);
  CheckZeroBytes(header, kAutoFlagByte + 1, kTextLengthByte, "record 0", warnings);
}

}  // namespace

std::vector<SettingRecord> BuildGprsRecords(const GprsSettings& settings, int camera_language) {
  std::vector<SettingRecord> records(kGprsDataRecords);
  records[0] = BuildHeader(settings, camera_language);
  for (const GprsText& text : kGprsTexts) records[text.record] = TextRecord(settings.*text.field);
  records[kUserNameRecord] = TextRecord(SenderUserName(settings.senderEmail));
  return records;
}

std::vector<std::uint8_t> GprsFileBytes(const GprsSettings& settings, int camera_language) {
  return ScrambledFileBytes(BuildGprsRecords(settings, camera_language),
                            TrailingRecord::kReserved);
}

GprsFileContents ReadGprsFile(std::span<const std::uint8_t> bytes) {
  GprsFileContents contents;
  contents.integrity = CheckScrambledFrame(bytes, kGprsDataRecords, TrailingRecord::kReserved);
  Problems& warnings = contents.integrity.warnings;
  ReadHeader(RecordAt(bytes, 0), contents);
  for (const GprsText& text : kGprsTexts) {
    contents.settings.*text.field = ReadTextField(
        RecordAt(bytes, text.record), RecordName(text.record, text.name), text.limit, warnings);
  }
  // The user name is derived from the sender address on every save; one that
  // disagrees means the file was not written by this program or was damaged.
  const std::string user_name =
      ReadTextField(RecordAt(bytes, kUserNameRecord), RecordName(kUserNameRecord, "user name"),
                    kMaxTextBytes, warnings);
  if (user_name != SenderUserName(contents.settings.senderEmail)) {
    warnings.push_back(RecordName(kUserNameRecord, "user name") +
                       ": does not match the sender address up to its \"@\"");
  }
  return contents;
}

Status WriteGprsFile(FileSystem& files, const std::filesystem::path& folder,
                     const GprsSettings& settings, int camera_language) {
  return StagedWrite(files, folder, kGprsFileName, BuildGprsRecords(settings, camera_language),
                     TrailingRecord::kReserved);
}

}  // namespace quelmo
