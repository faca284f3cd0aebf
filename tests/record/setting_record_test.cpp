#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "record/setting_checksum.h"
#include "record/setting_record.h"
#include "support/reference_crc.h"

namespace quelmo {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) { return {text.begin(), text.end()}; }

TEST(SettingChecksum, PublishedVectorAndStoredValue) {
  const auto digits = Bytes("123456789");
  EXPECT_EQ(Crc16Xmodem(digits), 0x31C3);

  SettingChecksum checksum;
  checksum.Update(digits);
  EXPECT_EQ(checksum.StoredValue(), 0x31D7);
  const SettingRecord check = CheckRecord(checksum.StoredValue());
  EXPECT_EQ(check[56], 0xD7);
  EXPECT_EQ(check[57], 0x31);
}

TEST(SettingChecksum, StoredValueWrapsModulo65536) {
  EXPECT_EQ(SettingChecksum::StoredCheckValue(0xFFF0), 0x0004);
  const SettingRecord check = CheckRecord(0x0004);
  EXPECT_EQ(check[56], 0x04);
  EXPECT_EQ(check[57], 0x00);
}

TEST(SettingChecksum, PassSpansManyUpdatesAndEmptyUpdateChangesNothing) {
  const auto digits = Bytes("123456789");
  SettingChecksum checksum;
  checksum.Update(std::span(digits).first(4));
  EXPECT_EQ(checksum.Update({}), Crc16Xmodem(std::span(digits).first(4)));
  EXPECT_EQ(checksum.Update(std::span(digits).subspan(4)), 0x31C3);
  checksum.Reset();
  EXPECT_EQ(checksum.value(), 0);
}

TEST(SettingChecksum, AgreesWithBitwiseCrcOnEveryByteValue) {
  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(255 - i);
  EXPECT_EQ(Crc16Xmodem(all), testing::BitwiseCrc16(all));
}

TEST(SettingChecksum, DefaultCameraRecord) {
  std::array<std::uint8_t, 50> record{};
  record[0] = record[1] = record[2] = record[3] = 127;
  EXPECT_EQ(Crc16Xmodem(record), 0x8850);
  EXPECT_EQ(SettingChecksum::StoredCheckValue(0x8850), 0x8864);
}

TEST(SettingRecord, KindsAreFramedWithCrLf) {
  for (const SettingRecord& record : {EmptyRecord(), ValueRecord(), TextRecord("x"), CheckRecord(1)}) {
    EXPECT_EQ(record[58], 0x0D);
    EXPECT_EQ(record[59], 0x0A);
    EXPECT_TRUE(HasLineEnd(record));
  }
  SettingRecord reserved = EmptyRecord();
  for (int i = 0; i < 58; ++i) EXPECT_EQ(reserved[i], 0) << i;
}

TEST(SettingRecord, TextRecordScrambledAndReadBack) {
  SettingRecord record = TextRecord("abc");
  EXPECT_EQ(record[0], 0x61);
  EXPECT_EQ(record[2], 0x63);
  EXPECT_EQ(record[3], 0x00);
  EXPECT_EQ(record[57], 3);

  SwapNibbles(record);
  EXPECT_EQ(record[0], 0x16);
  EXPECT_EQ(record[1], 0x26);
  EXPECT_EQ(record[2], 0x36);
  EXPECT_EQ(record[57], 3);

  const TextField field = ReadTextRecord(record, /*scrambled=*/true);
  EXPECT_EQ(field.bytes, "abc");
  EXPECT_FALSE(field.length_was_cut);
}

TEST(SettingRecord, FiftyByteTextFillsTheScrambledArea) {
  const std::string text(50, 'u');
  const SettingRecord record = TextRecord(text);
  EXPECT_EQ(record[49], 'u');
  EXPECT_EQ(record[50], 0);
  EXPECT_EQ(record[57], 50);
  EXPECT_EQ(TextRecord(std::string(57, 'v'))[57], 50) << "longer input is cut at 50";
}

TEST(SettingRecord, LengthByteAboveFiftyIsCutAndReported) {
  SettingRecord record = TextRecord("abc");
  record[57] = 0xFF;
  const TextField field = ReadTextRecord(record, /*scrambled=*/false);
  EXPECT_EQ(field.bytes.size(), 50u);
  EXPECT_TRUE(field.length_was_cut);
  EXPECT_EQ(field.stored_length, 0xFF);
}

TEST(SwapNibbles, ExchangesHalvesAndIsItsOwnInverse) {
  EXPECT_EQ(SwapNibbles(std::uint8_t{0x5A}), 0xA5);
  EXPECT_EQ(SwapNibbles(std::uint8_t{0x00}), 0x00);
  EXPECT_EQ(SwapNibbles(std::uint8_t{0x11}), 0x11);
  EXPECT_EQ(SwapNibbles(std::uint8_t{0xFF}), 0xFF);

  SettingRecord record{};
  for (int i = 0; i < 60; ++i) record[i] = static_cast<std::uint8_t>(i * 7 + 1);
  const SettingRecord original = record;
  SwapNibbles(record);
  for (int i = 50; i < 60; ++i) EXPECT_EQ(record[i], original[i]) << "byte " << i << " is never swapped";
  SwapNibbles(record);
  EXPECT_EQ(record, original);
}

TEST(RecordAt, MissingBytesOfAShortFileReadAsZero) {
  std::vector<std::uint8_t> file(90, 0x41);
  const SettingRecord second = RecordAt(file, 1);
  EXPECT_EQ(second[0], 0x41);
  EXPECT_EQ(second[29], 0x41);
  EXPECT_EQ(second[30], 0x00);
  const SettingRecord beyond = RecordAt(file, 5);
  EXPECT_EQ(beyond, SettingRecord{});
}

}  // namespace
}  // namespace quelmo
