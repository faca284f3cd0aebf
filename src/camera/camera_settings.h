#pragma once
// What the camera form edits and camera.dat carries. Every value is a small
// non-negative integer: a list index as the form holds it, or an hour, minute
// or second. The initial values are those of a freshly opened form.

#include <array>

#include "controls/local_clock.h"

namespace quelmo {

// The years the camera's clock can hold; the file stores year - 2010.
inline constexpr int kFirstClockYear = 2010;
inline constexpr int kLastClockYear = 2031;

// The working windows and the time-lapse interval hold a time of day.
inline constexpr int kMaxHour = 23;
inline constexpr int kMaxMinute = 59;
inline constexpr int kMaxSecond = 59;

struct CameraSettings {
  int cameraMode = 0;     // 0 Camera, 1 Video, 2 Camera+Video
  int imageSize = 0;      // 0 12MP, 1 5MP, 2 1.3MP
  int videoSize = 0;      // 0 1280x720, 1 640x480, 2 320x240
  int pictureCount = 0;   // 0..2: 1 to 3 photos
  int videoLength = 9;    // 0..59: seconds - 1
  int timeStamp = 0;      // 0 On, 1 Off
  int pirInterval = 60;   // list index 0..119: 0..59 s, then 1..60 min
  int senseLevel = 0;     // 0 Normal, 1 High, 2 Low, 3 Off
  int beep = 1;           // 0 Off, 1 On
  int timer1Enabled = 0;  // 0 Off, 1 On
  int timer1StartHour = 0;
  int timer1StartMinute = 0;
  int timer1StopHour = 0;
  int timer1StopMinute = 0;
  int timer2Enabled = 0;
  int timer2StartHour = 0;
  int timer2StartMinute = 0;
  int timer2StopHour = 0;
  int timer2StopMinute = 0;
  int timeLapse = 1;      // 0 On, 1 Off (On first, unlike the other switches)
  int timeLapseHours = 0;
  int timeLapseMinutes = 0;
  int timeLapseSeconds = 0;
  int serialEnabled = 0;  // 0 Off, 1 On
  std::array<int, 4> serialChars{};  // 0..35: "0".."9", "A".."Z"
  int sdCycle = 0;        // 0 Off, 1 On
  int irLight = 0;        // 0 High, 1 Low
  int sendMode = 0;       // 0 Off, 1 MMS, 2 GPRS, 3 SMS
  int clockYear = 2011;   // 2010..2031
  int clockMonth = 1;
  int clockDay = 1;
  int clockHour = 0;
  int clockMinute = 0;
  int clockSecond = 0;

  bool operator==(const CameraSettings&) const = default;
};

// Puts a sampled local time into the clock fields.
inline void SetCameraClock(CameraSettings& settings, const LocalTime& time) {
  settings.clockYear = time.year;
  settings.clockMonth = time.month;
  settings.clockDay = time.day;
  settings.clockHour = time.hour;
  settings.clockMinute = time.minute;
  settings.clockSecond = time.second;
}

}  // namespace quelmo
