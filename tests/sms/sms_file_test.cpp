#include "sms/sms_file.h"

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
using quelmo::testing::ReferenceSwap;
using quelmo::testing::StoredCheckAt;

const SmsSettings kNumbers{.phone1 = "+8613800138000", .phone2 = "13900139000",
                           .phone3 = "12345", .picturesPerDay = 7, .smsControl = 2};

TEST(SmsFileTest, PlainRecords) {
  const std::vector<SettingRecord> records = BuildSmsRecords(kNumbers, 10);
  ASSERT_EQ(records.size(), 4u);
  std::vector<std::uint8_t> header = {0, 0, 2, 0, 7, 10};
  header.resize(60, 0);
  header[50] = 1;
  header[58] = 0x0D;
  header[59] = 0x0A;
  EXPECT_THAT(records[0], ElementsAreArray(header));
  EXPECT_EQ(records[1], TextRecord("+8613800138000"));
  EXPECT_EQ(records[2], TextRecord("13900139000"));
  EXPECT_EQ(records[3], TextRecord("12345"));
}

TEST(SmsFileTest, FileAsWritten) {
  SmsSettings settings;
  settings.phone1 = "12345";
  const std::vector<std::uint8_t> file = SmsFileBytes(settings, 2);
  ASSERT_EQ(file.size(), 300u);
  for (std::size_t record = 0; record < 5; ++record) {
    EXPECT_THAT(std::span(file).subspan(record * 60 + 58, 2), ElementsAre(0x0D, 0x0A)) << record;
  }
  EXPECT_EQ(file[50], 1);
  EXPECT_EQ(file[60], ReferenceSwap('1'));
  EXPECT_EQ(file[60 + 57], 5);
  EXPECT_EQ(file[120 + 57], 0);
  EXPECT_EQ(file[180 + 57], 0);
  // The last record holds only the check value over the four records.
  EXPECT_EQ(StoredCheckAt(file, 240), ReferenceStoredCheck(std::span(file).first(240)));
  for (std::size_t i = 240; i < 296; ++i) EXPECT_EQ(file[i], 0) << i;
}

TEST(SmsFileTest, WholeFile) {
  EXPECT_THAT(SmsFileBytes(kNumbers, 10),
              ElementsAreArray(testing::ReferenceSmsFile(2, 7, 10, "+8613800138000",
                                                         "13900139000", "12345")));
}

TEST(SmsFileTest, RoundTripGivesBackEveryField) {
  SmsSettings unselected = kNumbers;
  unselected.smsControl = -1;
  EXPECT_EQ(BuildSmsRecords(unselected, 2)[0][2], 0xFF);
  for (const SmsSettings& settings : {kNumbers, SmsSettings{}, unselected}) {
    const SmsFileContents contents = ReadSmsFile(SmsFileBytes(settings, 3));
    EXPECT_EQ(contents.settings, settings);
    EXPECT_EQ(contents.cameraLanguage, 3);
    EXPECT_TRUE(contents.integrity.intact())
        << ::testing::PrintToString(contents.integrity.problems);
  }
}

TEST(SmsFileTest, ReaderReportsDamageAndMakesValuesValid) {
  const std::vector<std::uint8_t> good = SmsFileBytes(kNumbers, 2);
  const SmsFileContents cut = ReadSmsFile(std::span(good).first(299));
  EXPECT_FALSE(cut.integrity.sizeOk);
  EXPECT_FALSE(cut.integrity.lineEndsOk);
  EXPECT_TRUE(cut.integrity.checkOk);
  EXPECT_EQ(cut.settings, kNumbers);

  std::vector<std::uint8_t> changed = good;
  changed[2] = ReferenceSwap(6);  // SMS control beyond "Off"
  changed[50] = 0;                // always 1
  changed[120 + 57] = 0xFF;       // number 2 length
  const SmsFileContents contents = ReadSmsFile(changed);
  EXPECT_FALSE(contents.integrity.checkOk);
  EXPECT_EQ(contents.settings.smsControl, 5);
  EXPECT_EQ(contents.settings.phone2.size(), 32u);
  for (const char* reported : {"smsControl", "byte 50", "above 50", "limit of 32"}) {
    EXPECT_THAT(contents.integrity.warnings, Contains(HasSubstr(reported))) << reported;
  }

  EXPECT_FALSE(ReadSmsFile({}).integrity.intact());
}

TEST(SmsFileTest, WriteLeavesOnlyTheFinalFile) {
  TempFolder folder;
  ASSERT_TRUE(WriteSmsFile(SystemFileSystem(), folder.path(), kNumbers, 2).ok());
  EXPECT_THAT(TempFolder::Entries(folder.path()), ElementsAre("sms.dat"));
  Result<std::vector<std::uint8_t>> written = SystemFileSystem().ReadRegularFile(folder.path() / "sms.dat", 1 << 20);
  ASSERT_TRUE(written.ok());
  EXPECT_EQ(*written, SmsFileBytes(kNumbers, 2));
}

}  // namespace
}  // namespace quelmo
