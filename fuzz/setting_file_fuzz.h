#pragma once
// What show and check do with the bytes of a setting file, for the readers'
// fuzz targets: tell the kind, decode as the given kind (passwords hidden and
// shown), word the faults and print the JSON. Then a round trip: settings
// that write takes back are written, and the file read again must show the
// same settings.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "cli/decoded_file.h"
#include "cli/kind_registry.h"
#include "cli/show_command.h"

namespace quelmo {

class FuzzClock final : public LocalClock {
 public:
  LocalTime Now() const override { return LocalTime{2012, 3, 7, 14, 5, 9}; }
};

inline void CheckRoundTrip(FileKind kind, const DecodedFile& revealed) {
  const FuzzClock clock;
  const WriteRequest request{revealed.settings.json, revealed.isDefault, 2, {}, clock};
  const PreparedFile prepared = kind->prepare(request);
  if (prepared.refusal != PreparedFile::Refusal::kNone) return;  // not what write takes
  const DecodedFile again = DecodeSettingBytes(kind, prepared.bytes, /*reveal=*/true);
  if (again.settings.json != revealed.settings.json || again.isDefault != revealed.isDefault ||
      !again.integrity.intact()) {
    std::abort();  // written settings do not read back as they were
  }
}

inline void FuzzSettingFile(FileKind kind, const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)RecogniseFileKind("unnamed", bytes);
  for (const bool reveal : {false, true}) {
    const DecodedFile decoded = DecodeSettingBytes(kind, bytes, reveal);
    (void)IntegrityProblems(decoded.integrity);
    (void)ShowJson(decoded).dump(-1, ' ', false, Json::error_handler_t::replace);
    if (reveal) CheckRoundTrip(kind, decoded);
  }
}

}  // namespace quelmo
