#include "record/staged_write.h"

#include <string>

#include "record/file_batch.h"
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
  const std::vector<std::uint8_t> staging = StagingFileBytes(plain_records);
  const std::vector<std::uint8_t> bytes = ScrambledFileBytes(plain_records, trailing);
  const FileToWrite file{final_name, bytes, staging};
  return BatchStatus(WriteFilesTogether(files, folder, {&file, 1}), folder);
}

}  // namespace quelmo
