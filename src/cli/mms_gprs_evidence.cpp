#include "cli/mms_gprs_evidence.h"

#include <algorithm>
#include <string>

#include "record/setting_record.h"
#include "remote_control/sms_control_mode.h"
#include "smtp/gprs_settings.h"

namespace quelmo {
namespace {

constexpr int kManualCountryByte = 128;

bool IsCountry(std::uint8_t byte, int max_country) {
  return byte <= max_country || byte == kManualCountryByte;
}

bool AllZero(const SettingRecord& record, std::size_t from, std::size_t to) {
  return std::all_of(record.begin() + static_cast<std::ptrdiff_t>(from),
                     record.begin() + static_cast<std::ptrdiff_t>(to), [](auto b) { return b == 0; });
}

}  // namespace

MmsGprsEvidence WeighMmsAgainstGprs(std::span<const std::uint8_t> file) {
  SettingRecord header = RecordAt(file, 0);
  SwapNibbles(header);
  const SettingRecord record10 = RecordAt(file, 10);
  const std::string sender = ReadTextRecord(RecordAt(file, 6), true).bytes;
  const std::string record9 = ReadTextRecord(RecordAt(file, 9), true).bytes;

  MmsGprsEvidence evidence;
  // mms.dat: bytes 0..2 zero, 7 always 1, 8 country, 9 operator, 10 SMS
  // control; record 10 reserved.
  evidence.mms += header[0] == 0 && header[1] == 0 && header[2] == 0 ? 1 : 0;
  evidence.mms += header[7] == 1 ? 1 : 0;
  evidence.mms += IsCountry(header[8], 42) ? 1 : 0;
  evidence.mms += header[9] <= 9 ? 1 : 0;
  evidence.mms += header[10] <= kSmsControlOff ? 1 : 0;
  evidence.mms += AllZero(header, 11, 50) ? 1 : 0;
  evidence.mms += AllZero(record10, 0, 58) ? 3 : 0;

  // gprs.dat: byte 0 zero, 1 operator, 2 country, 6 and 7 always 1, 8 SMS
  // control, 9 and 10 zero; record 9 the sender's user name, record 10 the
  // recipient.
  evidence.gprs += header[0] == 0 && header[1] <= 9 ? 1 : 0;
  evidence.gprs += IsCountry(header[2], 41) ? 1 : 0;
  evidence.gprs += header[6] == 1 && header[7] == 1 ? 1 : 0;
  evidence.gprs += header[8] <= kSmsControlOff ? 1 : 0;
  evidence.gprs += AllZero(header, 9, 50) ? 1 : 0;
  evidence.gprs += !sender.empty() && record9 == SenderUserName(sender) ? 3 : 0;
  evidence.gprs += record10[kTextLengthByte] > 0 && record10[kTextLengthByte] <= kMaxTextBytes ? 2 : 0;
  return evidence;
}

}  // namespace quelmo
