#include "camera/camera_file.h"

#include <algorithm>
#include <array>

#include "kind/field_table.h"
#include "record/record_reading.h"
#include "record/safe_write.h"
#include "record/setting_checksum.h"

namespace quelmo {
namespace {

constexpr std::size_t kYearByte = 14;
constexpr std::size_t kDayByte = 16;
constexpr std::size_t kPirIntervalByte = 6;
constexpr std::size_t kFirstSerialByte = 25;
constexpr std::size_t kLanguageByte = 29;
constexpr std::size_t kTvModeByte = 30;
constexpr std::size_t kLastValueByte = 38;
constexpr std::size_t kCheckedBytes = 50;
constexpr int kLastPirIndex = 119;
constexpr int kFirstMinuteIndex = 60;
constexpr int kSecondsFlag = 128;
constexpr int kLastSerialChar = 35;
// The second 60-byte block ends in CR LF, the third does not.
constexpr std::size_t kSecondLineEnd = 118;

// A value stored as its own byte of record 0. A list value outside its list
// reads back as the field's initial value; a number outside its range is moved
// to the nearer bound. pirInterval, the year and the serial characters are
// encoded and handled apart.
struct CameraByte {
  std::size_t position;
  const char* name;
  int CameraSettings::*field;
  int min;
  int max;
  bool isList;
};

constexpr std::array<CameraByte, 31> kCameraBytes{{
    {0, "cameraMode", &CameraSettings::cameraMode, 0, 2, true},
    {1, "imageSize", &CameraSettings::imageSize, 0, 2, true},
    {2, "videoSize", &CameraSettings::videoSize, 0, 2, true},
    {3, "pictureCount", &CameraSettings::pictureCount, 0, 2, true},
    {4, "videoLength", &CameraSettings::videoLength, 0, 59, true},
    {5, "timeStamp", &CameraSettings::timeStamp, 0, 1, true},
    {7, "senseLevel", &CameraSettings::senseLevel, 0, 3, true},
    {8, "timer1Enabled", &CameraSettings::timer1Enabled, 0, 1, true},
    {9, "beep", &CameraSettings::beep, 0, 1, true},
    {10, "timeLapse", &CameraSettings::timeLapse, 0, 1, true},
    {11, "timeLapseHours", &CameraSettings::timeLapseHours, 0, 23, false},
    {12, "timeLapseMinutes", &CameraSettings::timeLapseMinutes, 0, 59, false},
    {13, "timeLapseSeconds", &CameraSettings::timeLapseSeconds, 0, 59, false},
    {15, "clockMonth", &CameraSettings::clockMonth, 1, 12, false},
    {16, "clockDay", &CameraSettings::clockDay, 1, 31, false},
    {17, "clockHour", &CameraSettings::clockHour, 0, 23, false},
    {18, "clockMinute", &CameraSettings::clockMinute, 0, 59, false},
    {19, "clockSecond", &CameraSettings::clockSecond, 0, 59, false},
    {20, "timer1StartHour", &CameraSettings::timer1StartHour, 0, 23, false},
    {21, "timer1StartMinute", &CameraSettings::timer1StartMinute, 0, 59, false},
    {22, "timer1StopHour", &CameraSettings::timer1StopHour, 0, 23, false},
    {23, "timer1StopMinute", &CameraSettings::timer1StopMinute, 0, 59, false},
    {24, "serialEnabled", &CameraSettings::serialEnabled, 0, 1, true},
    {31, "timer2Enabled", &CameraSettings::timer2Enabled, 0, 1, true},
    {32, "timer2StartHour", &CameraSettings::timer2StartHour, 0, 23, false},
    {33, "timer2StartMinute", &CameraSettings::timer2StartMinute, 0, 59, false},
    {34, "timer2StopHour", &CameraSettings::timer2StopHour, 0, 23, false},
    {35, "timer2StopMinute", &CameraSettings::timer2StopMinute, 0, 59, false},
    {36, "sdCycle", &CameraSettings::sdCycle, 0, 1, true},
    {37, "irLight", &CameraSettings::irLight, 0, 1, true},
    {38, "sendMode", &CameraSettings::sendMode, 0, 3, true},
}};

std::uint8_t LowByte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

std::string ByteName(std::size_t position, std::string_view name) {
  return "record 0 byte " + std::to_string(position) + " (" + std::string(name) + ")";
}

// Puts the CRC of bytes 0..49 plus 20 into bytes 56..57.
void SealCameraRecord(SettingRecord& record) {
  SettingChecksum checksum;
  checksum.Update(std::span<const std::uint8_t>(record.data(), kCheckedBytes));
  const std::uint16_t stored = checksum.StoredValue();
  record[kCheckLowByte] = LowByte(stored);
  record[kCheckHighByte] = static_cast<std::uint8_t>(stored >> 8);
}

std::uint16_t CheckValueOf(const SettingRecord& record) {
  return static_cast<std::uint16_t>(record[kCheckLowByte] | (record[kCheckHighByte] << 8));
}

bool IsDefaultRecord(const SettingRecord& record) {
  return std::all_of(record.begin(), record.begin() + 4,
                     [](std::uint8_t b) { return b == kDefaultMarker; });
}

void ReadSettings(const SettingRecord& record, CameraFileContents& contents) {
  Problems& warnings = contents.integrity.warnings;
  const CameraSettings initial;
  CameraSettings& settings = contents.settings;

  for (const CameraByte& entry : kCameraBytes) {
    const std::string name = ByteName(entry.position, entry.name);
    const std::uint8_t stored = record[entry.position];
    settings.*entry.field =
        entry.isList ? ReadListIndex(stored, entry.max, initial.*entry.field, name, warnings)
                     : ReadBounded(stored, entry.min, entry.max, name, warnings);
  }

  const std::uint8_t pir = record[kPirIntervalByte];
  settings.pirInterval = DecodePirInterval(pir);
  if (settings.pirInterval < 0) {
    settings.pirInterval = initial.pirInterval;
    warnings.push_back(ByteName(kPirIntervalByte, "pirInterval") + ": " + std::to_string(pir) +
                       " is no list entry, read as index " +
                       std::to_string(initial.pirInterval));
  }

  settings.clockYear = kFirstClockYear + ReadBounded(record[kYearByte], 0,
                                                     kLastClockYear - kFirstClockYear,
                                                     ByteName(kYearByte, "clockYear"), warnings);

  // Each byte of the date may be in its range while the date does not exist.
  const int last_day = DaysInMonth(settings.clockYear, settings.clockMonth);
  if (settings.clockDay > last_day) {
    warnings.push_back(ByteName(kDayByte, "clockDay") + ": " + std::to_string(settings.clockDay) +
                       " does not exist in month " + std::to_string(settings.clockMonth) + " of " +
                       std::to_string(settings.clockYear) + ", read as " +
                       std::to_string(last_day));
    settings.clockDay = last_day;
  }

  for (std::size_t i = 0; i < settings.serialChars.size(); ++i) {
    const std::size_t position = kFirstSerialByte + i;
    settings.serialChars[i] = ReadListIndex(record[position], kLastSerialChar, 0,
                                            ByteName(position, "serialChars"), warnings);
  }

  contents.cameraLanguage = ReadCameraLanguage(
      record[kLanguageByte], ByteName(kLanguageByte, kCameraLanguageKey), warnings);
  contents.tvMode = record[kTvModeByte];
  CheckZeroBytes(record, kLastValueByte + 1, kCheckLowByte - 1, "record 0", warnings);
}

}  // namespace

std::uint8_t EncodePirInterval(int list_index) {
  const int index = std::clamp(list_index, 0, kLastPirIndex);
  return index < kFirstMinuteIndex ? LowByte(kSecondsFlag + index)
                                   : LowByte(index - (kFirstMinuteIndex - 1));
}

int DecodePirInterval(std::uint8_t stored) {
  if (stored >= kSecondsFlag && stored < kSecondsFlag + kFirstMinuteIndex) {
    return stored - kSecondsFlag;
  }
  if (stored >= 1 && stored <= kLastPirIndex - kFirstMinuteIndex + 1) {
    return stored + (kFirstMinuteIndex - 1);
  }
  return -1;
}

int DaysInMonth(int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(std::clamp(month, 1, 12) - 1)];
}

SettingRecord BuildCameraRecord(const CameraSettings& settings, int camera_language, int tv_mode) {
  SettingRecord record = ValueRecord();
  for (const CameraByte& entry : kCameraBytes) {
    record[entry.position] = LowByte(settings.*entry.field);
  }
  record[kPirIntervalByte] = EncodePirInterval(settings.pirInterval);
  record[kYearByte] =
      LowByte(std::clamp(settings.clockYear, kFirstClockYear, kLastClockYear) - kFirstClockYear);
  for (std::size_t i = 0; i < settings.serialChars.size(); ++i) {
    record[kFirstSerialByte + i] = LowByte(settings.serialChars[i]);
  }
  record[kLanguageByte] = LowByte(camera_language);
  record[kTvModeByte] = LowByte(tv_mode);
  SealCameraRecord(record);
  return record;
}

SettingRecord BuildDefaultCameraRecord() {
  SettingRecord record = ValueRecord();
  std::fill(record.begin(), record.begin() + 4, kDefaultMarker);
  SealCameraRecord(record);
  return record;
}

std::vector<std::uint8_t> CameraFileBytes(const SettingRecord& record0) {
  std::vector<std::uint8_t> bytes(kCameraFileSize, 0);
  std::copy(record0.begin(), record0.end(), bytes.begin());
  bytes[kSecondLineEnd] = kCr;
  bytes[kSecondLineEnd + 1] = kLf;
  return bytes;
}

CameraFileContents ReadCameraFile(std::span<const std::uint8_t> bytes) {
  CameraFileContents contents;
  FileIntegrity& integrity = contents.integrity;
  CheckFileSize(integrity, bytes.size(), kCameraFileSize);

  const SettingRecord record = RecordAt(bytes, 0);
  const SettingRecord second = RecordAt(bytes, 1);
  const SettingRecord third = RecordAt(bytes, 2);

  std::vector<std::string> line_faults;
  if (!HasLineEnd(record)) line_faults.push_back("record 0: bytes 58..59 are not CR LF");
  if (!HasLineEnd(second)) line_faults.push_back("record 1: bytes 58..59 are not CR LF");
  integrity.lineEndsOk = line_faults.empty();
  integrity.problems.insert(integrity.problems.end(), line_faults.begin(), line_faults.end());

  SettingRecord resealed = record;
  SealCameraRecord(resealed);
  CompareCheckValues(integrity, CheckValueOf(record), CheckValueOf(resealed));

  contents.isDefault = IsDefaultRecord(record);
  if (contents.isDefault) {
    // The default file carries no settings: the camera keeps its own.
    CheckZeroBytes(record, 4, kCheckLowByte - 1, "record 0", integrity.warnings);
  } else {
    ReadSettings(record, contents);
  }
  CheckZeroBytes(second, 0, kTextLengthByte, "record 1", integrity.warnings);
  CheckZeroBytes(third, 0, kRecordSize - 1, "record 2", integrity.warnings);
  return contents;
}

Status WriteCameraFile(FileSystem& files, const std::filesystem::path& folder,
                       const SettingRecord& record0) {
  const std::vector<std::uint8_t> bytes = CameraFileBytes(record0);
  return WriteFileAtomically(files, folder, kCameraFileName, bytes);
}

}  // namespace quelmo
