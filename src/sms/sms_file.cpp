#include "sms/sms_file.h"

#include <array>

#include "record/record_reading.h"
#include "record/staged_write.h"
#include "remote_control/sms_control_mode.h"

namespace quelmo {
namespace {

constexpr std::size_t kSmsControlByte = 2;
constexpr std::size_t kTensByte = 3;
constexpr std::size_t kUnitsByte = 4;
constexpr std::size_t kLanguageByte = 5;
constexpr std::size_t kAlwaysOneByte = 50;
constexpr int kLastSmsControl = kSmsControlOff;  // "Off" ends the list
// A remote-control list left without a selection stores 0xFF.
constexpr std::uint8_t kNoSelectionByte = 0xFF;
constexpr int kNoSelection = -1;

constexpr std::array<std::string SmsSettings::*, 3> kPhones{
    &SmsSettings::phone1, &SmsSettings::phone2, &SmsSettings::phone3};

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

SettingRecord BuildHeader(const SmsSettings& settings, int camera_language) {
  SettingRecord header = ValueRecord();
  header[kSmsControlByte] = LowByte(settings.smsControl);
  header[kTensByte] = LowByte(settings.picturesPerDay / 10);
  header[kUnitsByte] = LowByte(settings.picturesPerDay % 10);
  header[kLanguageByte] = LowByte(camera_language);
  header[kAlwaysOneByte] = 1;
  return header;
}

void ReadHeader(const SettingRecord& stored, SmsFileContents& contents) {
  Problems& warnings = contents.integrity.warnings;
  SettingRecord header = stored;
  SwapNibbles(header);
  SmsSettings& settings = contents.settings;

  CheckZeroBytes(header, 0, kSmsControlByte - 1, "record 0", warnings);
  const std::uint8_t control = header[kSmsControlByte];
  settings.smsControl = control == kNoSelectionByte
                            ? kNoSelection
                            : ReadListIndex(control, kLastSmsControl, kLastSmsControl,
                                            "record 0 byte 2 (smsControl)", warnings);
  settings.picturesPerDay = ReadPicturesPerDay(header[kTensByte], header[kUnitsByte], warnings);
  contents.cameraLanguage =
      ReadCameraLanguage(header[kLanguageByte], "record 0 byte 5 (cameraLanguage)", warnings);
  CheckZeroBytes(header, kLanguageByte + 1, kAlwaysOneByte - 1, "record 0", warnings);
  CheckFixedByte(header[kAlwaysOneByte], 1, "record 0 byte 50 (always 1)", warnings);
  CheckZeroBytes(header, kAlwaysOneByte + 1, kTextLengthByte, "record 0", warnings);
}

}  // namespace

std::vector<SettingRecord> BuildSmsRecords(const SmsSettings& settings, int camera_language) {
  std::vector<SettingRecord> records;
  records.reserve(kSmsDataRecords);
  records.push_back(BuildHeader(settings, camera_language));
  for (const auto phone : kPhones) records.push_back(TextRecord(settings.*phone));
  return records;
}

std::vector<std::uint8_t> SmsFileBytes(const SmsSettings& settings, int camera_language) {
  return ScrambledFileBytes(BuildSmsRecords(settings, camera_language), TrailingRecord::kNone);
}

SmsFileContents ReadSmsFile(std::span<const std::uint8_t> bytes) {
  SmsFileContents contents;
  contents.integrity = CheckScrambledFrame(bytes, kSmsDataRecords, TrailingRecord::kNone);
  ReadHeader(RecordAt(bytes, 0), contents);
  for (std::size_t i = 0; i < kPhones.size(); ++i) {
    const std::size_t record = i + 1;
    contents.settings.*kPhones[i] =
        ReadTextField(RecordAt(bytes, record),
                      "record " + std::to_string(record) + " (phone" + std::to_string(record) + ")",
                      SmsLimits::kPhone, contents.integrity.warnings);
  }
  return contents;
}

Status WriteSmsFile(FileSystem& files, const std::filesystem::path& folder,
                    const SmsSettings& settings, int camera_language) {
  return StagedWrite(files, folder, kSmsFileName, BuildSmsRecords(settings, camera_language),
                     TrailingRecord::kNone);
}

}  // namespace quelmo
