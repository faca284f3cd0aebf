#pragma once
// What show and check do with the bytes of a setting file, for the readers'
// fuzz targets: tell the kind, decode as the given kind (passwords hidden and
// shown), word the faults and print the JSON.

#include <cstddef>
#include <cstdint>
#include <span>

#include "cli/decoded_file.h"
#include "cli/file_kind.h"
#include "cli/show_command.h"

namespace quelmo {

inline void FuzzSettingFile(FileKind kind, const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  (void)RecogniseFileKind("unnamed", bytes);
  for (const bool reveal : {false, true}) {
    const DecodedFile decoded = DecodeSettingBytes(kind, bytes, reveal);
    (void)IntegrityProblems(decoded.integrity);
    (void)ShowJson(decoded).dump(-1, ' ', false, Json::error_handler_t::replace);
  }
}

}  // namespace quelmo
