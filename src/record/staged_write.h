#pragma once
// The write of a scrambled setting file (mms.dat, gprs.dat, sms.dat).
//
// The folder's save lock is held for the whole save. An old setup.dat is
// removed first, never written through, and the new one is created
// exclusively. The N data records are staged plain in it, followed by a plain
// check record (CRC of the plain records, without the +20). The staged file
// is read back and must hold exactly those bytes; the records are then
// written with bytes 0..49 of each nibble-swapped, followed by the check
// record over the stored bytes (+20) and, for mms.dat and gprs.dat, one
// reserved record. The final file is replaced atomically (file_batch.h), and
// setup.dat is removed whether the save completed or failed (unless another
// program made it).

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "platform/file_system.h"
#include "record/setting_record.h"

namespace quelmo {

inline constexpr std::string_view kStagingFileName = "setup.dat";

enum class TrailingRecord { kNone, kReserved };

// The bytes of a scrambled file as StagedWrite leaves them on disk.
std::vector<std::uint8_t> ScrambledFileBytes(std::span<const SettingRecord> plain_records,
                                             TrailingRecord trailing);

// The bytes of setup.dat while a save is under way.
std::vector<std::uint8_t> StagingFileBytes(std::span<const SettingRecord> plain_records);

Status StagedWrite(FileSystem& files, const std::filesystem::path& folder,
                   std::string_view final_name, std::span<const SettingRecord> plain_records,
                   TrailingRecord trailing);

}  // namespace quelmo
