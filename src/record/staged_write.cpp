#include "record/staged_write.h"

#include <cstdio>
#include <memory>
#include <string>

#include "record/safe_write.h"
#include "record/setting_checksum.h"

namespace quelmo {
namespace {

void Append(std::vector<std::uint8_t>& bytes, const SettingRecord& record) {
  bytes.insert(bytes.end(), record.begin(), record.end());
}

std::uint16_t PlainCheck(std::span<const SettingRecord> records) {
  SettingChecksum checksum;
  for (const SettingRecord& record : records) checksum.Update(record);
  return checksum.value();
}

// Writes setup.dat in one write and reads it back. Only this save's own
// bytes pass: a scratch file that another save rewrote meanwhile, even one
// whose records agree with their own check, is someone else's settings. It
// is not synced: it is removed before the save ends, and what must reach the
// device is the final file, which the atomic write syncs.
Status StageRecords(FileSystem& files, const std::filesystem::path& staging,
                    std::span<const std::uint8_t> staged_bytes) {
  {
    Result<std::unique_ptr<WritableFile>> created = files.Create(staging);
    if (!created.ok()) return created.status();
    WritableFile& file = **created;
    if (Status written = file.Write(staged_bytes); !written.ok()) return written;
    if (Status closed = file.Close(); !closed.ok()) return closed;
  }
  return VerifyWritten(files, staging, staged_bytes);
}

}  // namespace

std::vector<std::uint8_t> StagingFileBytes(std::span<const SettingRecord> plain_records) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve((plain_records.size() + 1) * kRecordSize);
  for (const SettingRecord& record : plain_records) Append(bytes, record);
  Append(bytes, CheckRecord(PlainCheck(plain_records)));
  return bytes;
}

std::vector<std::uint8_t> ScrambledFileBytes(std::span<const SettingRecord> plain_records,
                                             TrailingRecord trailing) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve((plain_records.size() + 2) * kRecordSize);
  SettingChecksum checksum;
  for (SettingRecord record : plain_records) {
    SwapNibbles(record);
    checksum.Update(record);
    Append(bytes, record);
  }
  Append(bytes, CheckRecord(checksum.StoredValue()));
  if (trailing == TrailingRecord::kReserved) Append(bytes, EmptyRecord());
  return bytes;
}

Status StagedWrite(FileSystem& files, const std::filesystem::path& folder,
                   std::string_view final_name, std::span<const SettingRecord> plain_records,
                   TrailingRecord trailing) {
  if (plain_records.empty()) {
    return Error{ErrorCode::kInvalidArgument,
                 "There are no records to write to " + std::string(final_name) + "."};
  }
  // The scratch file is removed at the end, so it cannot be the result.
  if (final_name == kStagingFileName) {
    return Error{ErrorCode::kInvalidArgument,
                 std::string(kStagingFileName) + " is the scratch file and cannot be saved to."};
  }
  if (Status usable = files.CheckWritableFolder(folder); !usable.ok()) return usable;
  // Held to the end: two saves into one folder share the scratch file name.
  Result<std::unique_ptr<FolderLock>> lock = files.LockFolder(folder, kSaveLockWait);
  if (!lock.ok()) return lock.status();

  const std::filesystem::path staging = folder / PathFromUtf8(kStagingFileName);
  // A setup.dat already there is what a stopped save left; it is removed
  // rather than truncated, and the new one is created exclusively: writing
  // through the name would carry the plain records into whatever a link
  // named setup.dat points to, and would wait forever on a pipe.
  if (Status removed = files.Remove(staging); !removed.ok()) {
    return Error{removed.error().code,
                 "Nothing was saved: the old scratch file stays behind, as it could not be "
                 "removed. " + removed.message()};
  }
  const Status staged = StageRecords(files, staging, StagingFileBytes(plain_records));
  // A scratch file this save did not make is not its own to remove.
  if (!staged.ok() && staged.error().code == ErrorCode::kBusy) {
    return Error{ErrorCode::kBusy, "Nothing was saved. " + staged.message()};
  }
  const Status outcome =
      staged.ok() ? WriteFileAtomicallyLocked(files, folder, final_name,
                                              ScrambledFileBytes(plain_records, trailing))
                  : staged;

  // The scratch file goes whether the save completed or not.
  const Status removed = files.Remove(staging);
  if (removed.ok()) return outcome;
  if (outcome.ok()) {
    return Error{removed.error().code,
                 PathToUtf8(folder / PathFromUtf8(final_name)) +
                     " is saved, but the scratch file stays behind: " + removed.message()};
  }
  return Error{outcome.error().code,
               outcome.message() + " The scratch file stays behind: " + removed.message()};
}

}  // namespace quelmo
