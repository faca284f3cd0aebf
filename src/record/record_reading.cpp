#include "record/record_reading.h"

#include <algorithm>
#include <cstdio>

#include "record/setting_checksum.h"
#include "text/gbk.h"
#include "text/language_code.h"

namespace quelmo {
namespace {

std::string RecordList(const std::vector<std::size_t>& indices) {
  std::string text = indices.size() == 1 ? "record " : "records ";
  for (std::size_t i = 0; i < indices.size(); ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(indices[i]);
  }
  return text;
}

bool IsGbkLeadByte(std::uint8_t byte) { return byte >= 0x81 && byte <= 0xFE; }

}  // namespace

void CheckFileSize(FileIntegrity& integrity, std::size_t size, std::size_t expected) {
  integrity.size = size;
  integrity.expectedSize = expected;
  integrity.sizeOk = size == expected;
  if (!integrity.sizeOk) {
    integrity.problems.push_back("size is " + std::to_string(size) + " bytes, expected " +
                                 std::to_string(expected));
  }
}

FileIntegrity CheckScrambledFrame(std::span<const std::uint8_t> file, std::size_t data_records,
                                  TrailingRecord trailing) {
  const std::size_t check_index = data_records;
  const std::size_t record_count =
      data_records + 1 + (trailing == TrailingRecord::kReserved ? 1 : 0);

  FileIntegrity integrity;
  CheckFileSize(integrity, file.size(), record_count * kRecordSize);

  std::vector<std::size_t> without_line_end;
  for (std::size_t k = 0; k < record_count; ++k) {
    if (!HasLineEnd(RecordAt(file, k))) without_line_end.push_back(k);
  }
  integrity.lineEndsOk = without_line_end.empty();
  if (!integrity.lineEndsOk) {
    integrity.problems.push_back(RecordList(without_line_end) + ": bytes 58..59 are not CR LF");
  }

  SettingChecksum checksum;
  for (std::size_t k = 0; k < data_records; ++k) checksum.Update(RecordAt(file, k));
  const SettingRecord check = RecordAt(file, check_index);
  CompareCheckValues(integrity,
                     static_cast<std::uint16_t>(check[kCheckLowByte] | (check[kCheckHighByte] << 8)),
                     checksum.StoredValue());

  CheckZeroBytes(check, 0, kCheckLowByte - 1, "check record " + std::to_string(check_index),
                 integrity.warnings);
  if (trailing == TrailingRecord::kReserved) {
    CheckZeroBytes(RecordAt(file, check_index + 1), 0, kTextLengthByte,
                   "reserved record " + std::to_string(check_index + 1), integrity.warnings);
  }
  return integrity;
}

void CompareCheckValues(FileIntegrity& integrity, std::uint16_t stored, std::uint16_t computed) {
  integrity.checkStored = stored;
  integrity.checkComputed = computed;
  integrity.checkOk = stored == computed;
  if (!integrity.checkOk) {
    integrity.problems.push_back("check value stored " + CheckValueText(stored) + ", computed " +
                                 CheckValueText(computed));
  }
}

void CheckZeroBytes(const SettingRecord& record, std::size_t from, std::size_t to,
                    std::string_view where, Problems& problems) {
  std::vector<std::size_t> nonzero;
  for (std::size_t i = from; i <= to && i < record.size(); ++i) {
    if (record[i] != 0) nonzero.push_back(i);
  }
  if (nonzero.empty()) return;
  std::string line(where);
  line += nonzero.size() == 1 ? ": byte " : ": bytes ";
  for (std::size_t i = 0; i < nonzero.size(); ++i) {
    if (i > 0) line += ", ";
    line += std::to_string(nonzero[i]);
  }
  line += " should be zero";
  problems.push_back(std::move(line));
}

std::size_t GbkPrefixLength(std::string_view text, std::size_t limit) {
  std::size_t length = 0;
  while (length < text.size()) {
    const bool two_bytes =
        IsGbkLeadByte(static_cast<std::uint8_t>(text[length])) && length + 1 < text.size();
    const std::size_t next = length + (two_bytes ? 2 : 1);
    if (next > limit) break;
    length = next;
  }
  return length;
}

std::string ReadTextField(const SettingRecord& stored, std::string_view name, std::size_t limit,
                          Problems& problems) {
  return ReadCheckedText(stored, name, limit, problems).bytes;
}

TextReading ReadCheckedText(const SettingRecord& stored, std::string_view name, std::size_t limit,
                            Problems& problems) {
  TextField field = ReadTextRecord(stored, /*scrambled=*/true);
  TextReading reading;
  const std::string label(name);
  if (field.length_was_cut) {
    reading.cut = true;
    problems.push_back(label + ": length byte " + std::to_string(field.stored_length) +
                       " is above " + std::to_string(kMaxTextBytes) + ", read " +
                       std::to_string(kMaxTextBytes) + " bytes");
  }
  if (field.bytes.size() > limit) {
    reading.cut = true;
    const std::size_t kept = GbkPrefixLength(field.bytes, limit);
    problems.push_back(label + ": " + std::to_string(field.bytes.size()) +
                       " bytes exceed its limit of " + std::to_string(limit) + ", cut to " +
                       std::to_string(kept));
    field.bytes.resize(kept);
  }
  // The bytes after the text, up to the length byte, are written as zeros.
  const std::size_t text_end = std::min<std::size_t>(field.stored_length, kTextLengthByte);
  if (text_end < kTextLengthByte) {
    const std::size_t before = problems.size();
    CheckZeroBytes(stored, text_end, kTextLengthByte - 1, label, problems);
    reading.strayBytes = problems.size() > before;
  }
  if (!GbkToUtf8(field.bytes).ok()) {
    reading.notGbk = true;
    problems.push_back(label + ": bytes are not valid GBK text");
  }
  reading.bytes = std::move(field.bytes);
  return reading;
}

int ReadListIndex(std::uint8_t stored, int max, int fallback, std::string_view name,
                  Problems& problems) {
  if (stored <= max) return stored;
  problems.push_back(std::string(name) + ": " + std::to_string(stored) + " is outside 0.." +
                     std::to_string(max) + ", read as " + std::to_string(fallback));
  return fallback;
}

int ReadBounded(std::uint8_t stored, int min, int max, std::string_view name, Problems& problems) {
  const int value = std::clamp<int>(stored, min, max);
  if (value != stored) {
    problems.push_back(std::string(name) + ": " + std::to_string(stored) + " is outside " +
                       std::to_string(min) + ".." + std::to_string(max) + ", read as " +
                       std::to_string(value));
  }
  return value;
}

int ReadPicturesPerDay(std::uint8_t tens, std::uint8_t units, Problems& problems) {
  if (tens <= 9 && units <= 9) return tens * 10 + units;
  const int value = std::min(tens * 10 + units, 99);
  problems.push_back("picturesPerDay: digit bytes " + std::to_string(tens) + " and " +
                     std::to_string(units) + " are not both 0..9, read as " +
                     std::to_string(value));
  return value;
}

int ReadCameraLanguage(std::uint8_t stored, std::string_view name, Problems& problems) {
  if (stored >= kFirstLanguage && stored <= kLastLanguage) return stored;
  problems.push_back(std::string(name) + ": " + std::to_string(stored) + " is outside " +
                     std::to_string(kFirstLanguage) + ".." + std::to_string(kLastLanguage) +
                     ", read as " + std::to_string(kEnglish));
  return kEnglish;
}

void CheckFixedByte(std::uint8_t stored, std::uint8_t expected, std::string_view name,
                    Problems& problems) {
  if (stored == expected) return;
  problems.push_back(std::string(name) + ": " + std::to_string(stored) + ", expected " +
                     std::to_string(expected));
}

}  // namespace quelmo
