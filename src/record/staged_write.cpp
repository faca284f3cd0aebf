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

// Writes setup.dat, reads it back and checks it; the records as read back
// are what the final file is built from.
Result<std::vector<SettingRecord>> StageRecords(FileSystem& files,
                                                const std::filesystem::path& staging,
                                                std::span<const SettingRecord> records) {
  {
    Result<std::unique_ptr<WritableFile>> created = files.Create(staging);
    if (!created.ok()) return created.error();
    WritableFile& file = **created;
    for (const SettingRecord& record : records) {
      if (Status written = file.Write(record); !written.ok()) return written.error();
    }
    if (Status written = file.Write(CheckRecord(PlainCheck(records))); !written.ok()) {
      return written.error();
    }
    if (Status synced = file.Sync(); !synced.ok()) return synced.error();
    if (Status closed = file.Close(); !closed.ok()) return closed.error();
  }

  Result<std::vector<std::uint8_t>> read_back = files.ReadAll(staging);
  if (!read_back.ok()) return read_back.error();
  const std::size_t expected_size = (records.size() + 1) * kRecordSize;
  if (read_back->size() != expected_size) {
    return Error{ErrorCode::kCorrupt, "Reading back " + PathToUtf8(staging) + " gave " +
                                          std::to_string(read_back->size()) + " bytes instead of " +
                                          std::to_string(expected_size) + "."};
  }
  std::vector<SettingRecord> staged;
  staged.reserve(records.size());
  for (std::size_t k = 0; k < records.size(); ++k) staged.push_back(RecordAt(*read_back, k));
  // The whole check record must be as written, not only its two value bytes.
  const SettingRecord check = RecordAt(*read_back, records.size());
  const auto stored = static_cast<std::uint16_t>(check[kCheckLowByte] | check[kCheckHighByte] << 8);
  const std::uint16_t computed = PlainCheck(staged);
  if (check != CheckRecord(computed)) {
    return Error{ErrorCode::kCorrupt, "Reading back " + PathToUtf8(staging) +
                                          " gave records that fail their check (stored " +
                                          CheckValueText(stored) + ", computed " + CheckValueText(computed) + ")."};
  }
  return staged;
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

  const std::filesystem::path staging = folder / PathFromUtf8(kStagingFileName);
  // A setup.dat already there is removed rather than truncated: writing
  // through it would carry the plain records into whatever a link named
  // setup.dat points to, and would wait forever on a pipe of that name.
  if (Status removed = files.Remove(staging); !removed.ok()) {
    return Error{removed.error().code,
                 "Nothing was saved: the old scratch file stays behind, as it could not be "
                 "removed. " + removed.message()};
  }
  Result<std::vector<SettingRecord>> staged = StageRecords(files, staging, plain_records);
  const Status outcome = staged.ok() ? WriteFileAtomically(files, folder, final_name,
                                                           ScrambledFileBytes(*staged, trailing))
                                     : staged.status();

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
