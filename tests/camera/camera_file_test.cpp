#include "camera/camera_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "platform/file_system.h"
#include "support/reference_crc.h"
#include "support/reference_files.h"
#include "support/temp_folder.h"

namespace quelmo {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using quelmo::testing::ReferenceStoredCheck;
using quelmo::testing::StoredCheckAt;

// Every field away from its initial value, each within its range.
const CameraSettings kUnusual{
    .cameraMode = 2, .imageSize = 1, .videoSize = 2, .pictureCount = 2, .videoLength = 59,
    .timeStamp = 1, .pirInterval = 5, .senseLevel = 3, .beep = 0, .timer1Enabled = 1,
    .timer1StartHour = 23, .timer1StartMinute = 59, .timer1StopHour = 5, .timer1StopMinute = 30,
    .timer2Enabled = 1, .timer2StartHour = 12, .timer2StartMinute = 1, .timer2StopHour = 13,
    .timer2StopMinute = 2, .timeLapse = 0, .timeLapseHours = 3, .timeLapseMinutes = 4,
    .timeLapseSeconds = 58, .serialEnabled = 1, .serialChars = {10, 0, 35, 9}, .sdCycle = 1,
    .irLight = 1, .sendMode = 3, .clockYear = 2031, .clockMonth = 12, .clockDay = 31,
    .clockHour = 23, .clockMinute = 59, .clockSecond = 59};

std::vector<std::uint8_t> FileOf(const CameraSettings& settings, int language = 2, int tv = 1) {
  return CameraFileBytes(BuildCameraRecord(settings, language, tv));
}

// Puts the check value back after a test changed record 0 on purpose.
void Reseal(std::vector<std::uint8_t>& file) {
  const std::uint16_t check = ReferenceStoredCheck(std::span(file).first(50));
  file[56] = static_cast<std::uint8_t>(check & 0xFF);
  file[57] = static_cast<std::uint8_t>(check >> 8);
}

TEST(CameraFileTest, DefaultFileIsTheMarkerAndItsCheckValueOnly) {
  std::vector<std::uint8_t> expected(180, 0);
  expected[0] = expected[1] = expected[2] = expected[3] = 0x7F;
  expected[56] = 0x64;
  expected[57] = 0x88;
  expected[58] = expected[118] = 0x0D;
  expected[59] = expected[119] = 0x0A;
  const std::vector<std::uint8_t> file = CameraFileBytes(BuildDefaultCameraRecord());
  EXPECT_THAT(file, ElementsAreArray(expected));

  const CameraFileContents contents = ReadCameraFile(file);
  EXPECT_TRUE(contents.isDefault);
  EXPECT_TRUE(contents.integrity.intact());
}

TEST(CameraFileTest, InitialFormWritesTheKnownRecord) {
  CameraSettings settings;
  settings.clockYear = 2024;
  settings.clockMonth = 5;
  settings.clockDay = 6;
  settings.clockHour = 7;
  settings.clockMinute = 8;
  settings.clockSecond = 9;
  const SettingRecord record = BuildCameraRecord(settings, /*camera_language=*/1, /*tv_mode=*/1);

  std::vector<std::uint8_t> expected = {
      0x00, 0x00, 0x00, 0x00, 0x09, 0x00, 0x01, 0x00, 0x00, 0x01, 0x01, 0x00, 0x00, 0x00,
      14, 5, 6, 7, 8, 9,            // clock 2024-05-06 07:08:09
      0, 0, 0, 0, 0, 0, 0, 0, 0,    // timer 1, serial stamp
      1, 1};                        // camera language, TV mode
  expected.resize(60, 0);
  const std::uint16_t check = ReferenceStoredCheck(std::span(expected).first(50));
  expected[56] = static_cast<std::uint8_t>(check & 0xFF);
  expected[57] = static_cast<std::uint8_t>(check >> 8);
  expected[58] = 0x0D;
  expected[59] = 0x0A;
  EXPECT_THAT(record, ElementsAreArray(expected));
}

TEST(CameraFileTest, EncodedBytes) {
  const std::pair<int, std::uint8_t> pir[] = {{0, 0x80}, {59, 0xBB}, {60, 0x01}, {119, 0x3C}};
  for (auto [index, stored] : pir) EXPECT_EQ(EncodePirInterval(index), stored) << index;
  for (int index = 0; index < 120; ++index) {
    EXPECT_EQ(DecodePirInterval(EncodePirInterval(index)), index);
  }
  for (std::uint8_t unused : {0x00, 0x3D, 0x7F, 0xBC, 0xFF}) EXPECT_EQ(DecodePirInterval(unused), -1);

  const std::pair<int, std::uint8_t> years[] = {{2031, 21}, {2040, 21}, {2010, 0}, {1999, 0}};
  for (auto [year, stored] : years) {
    CameraSettings settings;
    settings.clockYear = year;
    EXPECT_EQ(BuildCameraRecord(settings, 2, 0)[14], stored) << year;
  }

  const SettingRecord record = BuildCameraRecord(kUnusual, 2, 0);  // serial "A0Z9"
  EXPECT_THAT(std::span(record).subspan(25, 4), ElementsAre(10, 0, 35, 9));
  EXPECT_EQ(StoredCheckAt(record, 0), ReferenceStoredCheck(std::span(record).first(50)));
}

TEST(CameraFileTest, WholeFileOfUnusualSettings) {
  const std::vector<std::uint8_t> fields = {
      2, 1, 2, 2, 59, 1, 128 + 5, 3, 1, 0, 0,  // lists; PIR 5 seconds encoded
      3, 4, 58,                                // time lapse
      21, 12, 31, 23, 59, 59,                  // clock 2031-12-31 23:59:59
      23, 59, 5, 30,                           // timer 1
      1, 10, 0, 35, 9,                         // serial stamp "A0Z9"
      2, 1,                                    // camera language, TV mode
      1, 12, 1, 13, 2,                         // timer 2
      1, 1, 3};                                // SD cycle, IR light, send mode
  EXPECT_THAT(FileOf(kUnusual, 2, 1), ElementsAreArray(testing::ReferenceCameraFile(fields)));
}

TEST(CameraFileTest, RoundTripGivesBackEveryField) {
  for (const CameraSettings& settings : {CameraSettings{}, kUnusual}) {
    const CameraFileContents contents = ReadCameraFile(FileOf(settings, 11, 1));
    EXPECT_FALSE(contents.isDefault);
    EXPECT_EQ(contents.settings, settings);
    EXPECT_EQ(contents.cameraLanguage, 11);
    EXPECT_EQ(contents.tvMode, 1);
    EXPECT_TRUE(contents.integrity.intact())
        << ::testing::PrintToString(contents.integrity.problems);
  }
}

TEST(CameraFileTest, ReaderReportsFrameDamage) {
  const std::vector<std::uint8_t> good = FileOf(kUnusual);

  const CameraFileContents cut = ReadCameraFile(std::span(good).first(100));
  EXPECT_FALSE(cut.integrity.sizeOk);
  EXPECT_EQ(cut.integrity.expectedSize, 180u);
  EXPECT_FALSE(cut.integrity.lineEndsOk);  // offsets 118..119 are gone
  EXPECT_TRUE(cut.integrity.checkOk);
  EXPECT_EQ(cut.settings, kUnusual);

  std::vector<std::uint8_t> flipped = good;
  flipped[11] ^= 0x01;
  const CameraFileContents changed = ReadCameraFile(flipped);
  EXPECT_FALSE(changed.integrity.checkOk);
  EXPECT_EQ(changed.integrity.checkStored, StoredCheckAt(good, 0));
  EXPECT_EQ(changed.integrity.checkComputed, ReferenceStoredCheck(std::span(flipped).first(50)));

  for (std::size_t offset : {58u, 119u}) {
    std::vector<std::uint8_t> broken = good;
    broken[offset] = ' ';
    EXPECT_FALSE(ReadCameraFile(broken).integrity.lineEndsOk) << offset;
  }

  const CameraFileContents empty = ReadCameraFile({});
  EXPECT_FALSE(empty.isDefault);
  EXPECT_FALSE(empty.integrity.checkOk);  // zero stored, CRC of zeros + 20 computed
  EXPECT_EQ(empty.integrity.checkComputed, 20);
  EXPECT_EQ(empty.settings.clockMonth, 1);
}

TEST(CameraFileTest, ValuesOutsideTheirListsAreReportedAndMadeValid) {
  std::vector<std::uint8_t> file = FileOf(kUnusual);
  file[0] = 7;      // cameraMode: back to its initial value
  file[6] = 0xFF;   // pirInterval: no list entry
  file[14] = 30;    // clock year beyond 2031
  file[15] = 0;     // month below 1
  file[17] = 24;    // hour above 23
  file[27] = 36;    // serial character beyond "Z"
  file[150] = 1;    // filler
  Reseal(file);

  const CameraFileContents contents = ReadCameraFile(file);
  // Under a sound frame these are unusual values, not damage.
  EXPECT_TRUE(contents.integrity.intact())
      << ::testing::PrintToString(contents.integrity.problems);
  EXPECT_EQ(contents.integrity.warnings.size(), 7u)
      << ::testing::PrintToString(contents.integrity.warnings);
  EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr("record 2: byte 30")));
  const CameraSettings& s = contents.settings;
  EXPECT_EQ(s.cameraMode, 0);
  EXPECT_EQ(s.pirInterval, 60);
  EXPECT_EQ(s.clockYear, 2031);
  EXPECT_EQ(s.clockMonth, 1);
  EXPECT_EQ(s.clockHour, 23);
  EXPECT_EQ(s.serialChars[2], 0);
  EXPECT_TRUE(ReadCameraFile(FileOf(s)).integrity.intact());
}

TEST(CameraFileTest, WriteLeavesExactlyTheFileBytes) {
  TempFolder folder;
  const SettingRecord record = BuildCameraRecord(kUnusual, 2, 0);
  ASSERT_TRUE(WriteCameraFile(SystemFileSystem(), folder.path(), record).ok());
  EXPECT_THAT(TempFolder::Entries(folder.path()), ElementsAre("camera.dat"));
  Result<std::vector<std::uint8_t>> written = SystemFileSystem().ReadRegularFile(folder.path() / "camera.dat", 1 << 20);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(*written, CameraFileBytes(record));

  EXPECT_FALSE(WriteCameraFile(SystemFileSystem(), folder.path() / "absent", record).ok());
}

}  // namespace
}  // namespace quelmo
