#pragma once
// The SMS remote-control setting as mms.dat, gprs.dat and sms.dat store it:
// the index of the chosen entry of the form's list, "On" or how long the
// camera waits between looks for commands, or "Off".

namespace quelmo {

enum SmsControlMode : int {
  kSmsControlOn = 0,
  kSmsControlEvery5Minutes = 1,
  kSmsControlEvery30Minutes = 2,
  kSmsControlEveryHour = 3,
  kSmsControlEvery2Hours = 4,
  kSmsControlOff = 5,  // the last entry, and what a new file holds
};

}  // namespace quelmo
