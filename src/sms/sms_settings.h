#pragma once
// What the SMS form edits and sms.dat carries. Phone numbers hold the bytes as
// stored; their limits count bytes.

#include <cstddef>
#include <string>

#include "remote_control/sms_control_mode.h"

namespace quelmo {

struct SmsLimits {
  static constexpr int kPhone = 32;
  // A number counts from this many bytes on; a shorter one also keeps the
  // next number empty.
  static constexpr std::size_t kShortestPhone = 5;
};

struct SmsSettings {
  std::string phone1;  // required, at least 5 bytes
  std::string phone2;
  std::string phone3;
  int picturesPerDay = 0;  // 0..99, 0 = no limit
  int smsControl = kSmsControlOff;  // SmsControlMode; -1 (no selection) is stored as 0xFF

  bool operator==(const SmsSettings&) const = default;
};

}  // namespace quelmo
