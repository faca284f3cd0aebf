#pragma once
// mms.dat and gprs.dat have one size and one frame. Record 10 tells them
// apart: gprs.dat keeps the recipient there, which every save requires, where
// mms.dat has an empty reserved record. Both forms' Load and the
// command-line tool's weighing of a file's content go by this one rule.

#include <cstddef>
#include <cstdint>
#include <span>

#include "record/setting_record.h"

namespace quelmo {

inline constexpr std::size_t kMmsOrGprsRecord = 10;

// Record 10 holds a text (its length byte is set): gprs.dat's recipient.
inline bool HoldsGprsRecipient(std::span<const std::uint8_t> bytes) {
  return RecordAt(bytes, kMmsOrGprsRecord)[kTextLengthByte] != 0;
}

}  // namespace quelmo
