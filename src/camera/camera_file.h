#pragma once
// camera.dat, 180 bytes, not scrambled:
//
//   offset   0..59   record 0 (below), its own check value in bytes 56..57
//   offset  60..117  zero
//   offset 118..119  CR LF
//   offset 120..179  zero (no CR LF)
//
// Record 0: 0 cameraMode, 1 imageSize, 2 videoSize, 3 pictureCount,
// 4 videoLength, 5 timeStamp, 6 pirInterval (encoded), 7 senseLevel,
// 8 timer1Enabled, 9 beep, 10 timeLapse, 11..13 time-lapse h/m/s,
// 14 clockYear - 2010, 15..19 month, day, hour, minute, second,
// 20..23 timer 1 start h/m, stop h/m, 24 serialEnabled, 25..28 serialChars,
// 29 camera language, 30 TV mode, 31 timer2Enabled, 32..35 timer 2 start h/m,
// stop h/m, 36 sdCycle, 37 irLight, 38 sendMode, 39..55 zero,
// 56..57 CRC-16 of bytes 0..49 plus 20 (low, high), 58..59 CR LF.
//
// The default file carries only the marker 127 in bytes 0..3.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "camera/camera_settings.h"
#include "platform/file_system.h"
#include "record/file_integrity.h"
#include "record/setting_record.h"

namespace quelmo {

inline constexpr std::string_view kCameraFileName = "camera.dat";
inline constexpr std::size_t kCameraFileSize = 180;
inline constexpr std::uint8_t kDefaultMarker = 127;

// pirInterval list index 0..59 (seconds) is stored as 128 + i, index 60..119
// (1..60 minutes) as i - 59.
std::uint8_t EncodePirInterval(int list_index);
// The list index of a stored byte, or -1 for a byte no index gives.
int DecodePirInterval(std::uint8_t stored);

// The days of `month` (1..12) in `year`, leap years counted.
int DaysInMonth(int year, int month);

// Record 0 with its check value; the clock year is clamped to 2010..2031.
SettingRecord BuildCameraRecord(const CameraSettings& settings, int camera_language, int tv_mode);
SettingRecord BuildDefaultCameraRecord();
// The whole 180-byte file around record 0.
std::vector<std::uint8_t> CameraFileBytes(const SettingRecord& record0);

struct CameraFileContents {
  bool isDefault = false;
  CameraSettings settings;  // list indices; values outside their lists are reported and clamped
  int cameraLanguage = 0;
  int tvMode = 0;
  FileIntegrity integrity;
};
CameraFileContents ReadCameraFile(std::span<const std::uint8_t> bytes);

// Writes camera.dat into `folder` atomically.
Status WriteCameraFile(FileSystem& files, const std::filesystem::path& folder,
                       const SettingRecord& record0);

}  // namespace quelmo
