#pragma once
// Random settings of every kind that the forms' save checks accept, for
// round trips: every list and range spanned, texts mixing ASCII and Chinese
// up to their byte limits.

#include <cstdint>
#include <random>
#include <vector>

#include "camera/camera_settings.h"
#include "mms/mms_settings.h"
#include "sms/sms_settings.h"
#include "smtp/gprs_settings.h"

namespace quelmo::testing {

class RandomSettings {
 public:
  explicit RandomSettings(unsigned seed) : engine_(seed) {}

  CameraSettings Camera();
  MmsSettings Mms();      // Customer mode
  GprsSettings Gprs();    // Customer mode
  SmsSettings Sms();
  int CameraLanguage() { return Between(1, 11); }
  int TvMode() { return Between(0, 255); }
  bool OneIn(int n) { return Between(1, n) == 1; }
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine_); }

 private:
  // GBK bytes: printable ASCII and Chinese characters, `min_bytes` to `max_bytes`.
  std::string Text(int min_bytes, int max_bytes);
  // Digits after an optional "+", `min_bytes` to `max_bytes`.
  std::string Number(int min_bytes, int max_bytes);
  // "local@domain.tld" within `max_bytes`.
  std::string Address(int max_bytes);
  int ListEntry(int entries) { return Between(0, entries - 1); }

  std::mt19937 engine_;
};

}  // namespace quelmo::testing
